// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "records/Cp1252.h"
#include "records/FormatoRiga.h"

namespace mrvelto {
namespace {

TEST(Cp1252, EveryByteSurvivesDecodingAndEncodingTheRestBecomesAQuestionMark) {
    std::string tutti;
    for (int b = 0; b < 256; ++b) tutti += static_cast<char>(b);
    EXPECT_EQ(ACp1252(DaCp1252(tutti)), tutti);
    EXPECT_EQ(DaCp1252("\xE0\x80\x94"), "à€”");
    EXPECT_EQ(ACp1252("Abilità"), "Abilit\xE0");
    // What the code page cannot hold becomes a question mark: a cut sequence, an overlong form,
    // the first and the last surrogate.
    for (const auto& [utf8, cp] : {std::pair{"a\u4E2Db", "a?b"}, {"😀", "?"}, {"x\xC3", "x?"}, {"\xC0\xAF", "??"},
                                   {"\xED\xA0\x80", "???"}, {"\xED\xBF\xBF", "???"}})
        EXPECT_EQ(ACp1252(utf8), cp) << utf8;
    EXPECT_FALSE(RappresentabileInCp1252("Łódź"));
    EXPECT_TRUE(RappresentabileInCp1252("Niccolò € Caffé"));
}

TEST(FormatoRiga, WritesEachKindOfValueOnItsOwnCrLfLineAndTextsSafelyQuoted) {
    ScrittoreRighe out;
    out.Testo("Abilità");
    out.Testo("");
    out.Intero(-12);
    out.Decimale(10710.0f);
    out.Decimale(1234.5f);
    out.Decimale(-0.25f);
    out.SiNo(true);
    out.SiNo(false);
    EXPECT_EQ(out.Byte(), "\"Abilit\xE0\"\r\n\"\"\r\n-12\r\n10710\r\n1234.5\r\n-0.25\r\n#TRUE#\r\n#FALSE#\r\n");
    // Texts are made safe for a quoted line.
    out = ScrittoreRighe{};
    out.Testo("Il \"Grande\"\r\nMago\t😀");
    EXPECT_EQ(out.Byte(), "\"Il \x94Grande\x94  Mago ?\"\r\n");
    const std::string lungo(10000, 'x');
    EXPECT_EQ(TestoSicuro(lungo).size(), kMassimoRiga - 2);
    // What we write we read back.
    LettoreRighe in(out.Byte());
    std::string t;
    ASSERT_TRUE(in.Testo(t));
    EXPECT_EQ(t, "Il ”Grande”  Mago ?");
    EXPECT_TRUE(in.Integro());
}

TEST(FormatoRiga, LinesEndWithCrLfOrLfAndTheLastMayLackItsEnd) {
    EXPECT_EQ(DividiRighe("a\r\nb\nc"), (std::vector<std::string_view>{"a", "b", "c"}));
    EXPECT_EQ(DividiRighe("a\r\n"), (std::vector<std::string_view>{"a"}));
    EXPECT_EQ(DividiRighe("\r\n\r\n"), (std::vector<std::string_view>{"", ""}));
    EXPECT_TRUE(DividiRighe("").empty());
}

TEST(FormatoRiga, ALineIsOneQuotedTextOrOneBareToken) {
    const ValoreRiga testo = AnalizzaRiga("  \"a b\"  "), nudo = AnalizzaRiga(" 42 ");
    EXPECT_TRUE(testo.tipo == ValoreRiga::Tipo::Testo && testo.grezzo == "a b");
    EXPECT_TRUE(nudo.tipo == ValoreRiga::Tipo::Nudo && nudo.grezzo == "42");
    for (const char* errata : {"\"aperta", "\"a\",\"b\"", "\"a\"x", "1,2", "a\"b"})
        EXPECT_EQ(AnalizzaRiga(errata).tipo, ValoreRiga::Tipo::Errato) << errata;
    EXPECT_EQ(AnalizzaRiga(std::string(kMassimoRiga + 1, '1')).tipo, ValoreRiga::Tipo::Errato);
}

TEST(FormatoRiga, ConversionsRefuseWhatIsNotTheirType) {
    auto v = [](const char* riga) { return AnalizzaRiga(riga); };
    EXPECT_EQ(ComeIntero(v("750")), 750);
    EXPECT_EQ(ComeIntero(v("\"3\"")), 3);  // the records keep counts as texts
    EXPECT_EQ(ComeIntero(v("+5")), 5);
    for (const char* r : {"7.5", "", "99999999999999999999999"}) EXPECT_FALSE(ComeIntero(v(r))) << r;
    EXPECT_FLOAT_EQ(*ComeDecimale(v("1234.5")), 1234.5f);
    EXPECT_FLOAT_EQ(*ComeDecimale(v(".5")), 0.5f);
    EXPECT_FLOAT_EQ(*ComeDecimale(v("1E+3")), 1000.0f);
    for (const char* r : {"1,5", "nan", "inf", "1e99"}) EXPECT_FALSE(ComeDecimale(v(r))) << r;
    EXPECT_EQ(ComeSiNo(v("#TRUE#")), true);
    EXPECT_EQ(ComeSiNo(v("#FALSE#")), false);
    for (const char* r : {"\"#TRUE#\"", "Si"}) EXPECT_FALSE(ComeSiNo(v(r))) << r;
    EXPECT_EQ(ComeTesto(v("nudo")), "nudo");
}

TEST(FormatoRiga, TheReaderKeepsTheTargetWhenALineIsMissingOrWrong) {
    LettoreRighe in("abc\n#TRUE#\n5");
    int n = 7, m = 9, oltre = 1;
    bool b = false;
    EXPECT_FALSE(in.Intero(n, 0, 10));  // not a number
    EXPECT_EQ(n, 7);
    EXPECT_TRUE(in.SiNo(b));
    EXPECT_TRUE(b);
    EXPECT_FALSE(in.Intero(m, 0, 4));   // out of range
    EXPECT_EQ(m, 9);
    EXPECT_FALSE(in.Intero(oltre, 0, 10));  // past the end
    EXPECT_EQ(oltre, 1);
    EXPECT_TRUE(in.Corto());
    EXPECT_EQ(in.Errate(), 2);
    EXPECT_FALSE(in.Integro());
}

}  // namespace
}  // namespace mrvelto
