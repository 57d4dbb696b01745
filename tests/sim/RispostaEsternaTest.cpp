// SPDX-License-Identifier: GPL-3.0-or-later
// Reading an external opponent's answer: every accepted form, and a precise refusal for the rest.
#include <gtest/gtest.h>

#include "sim/RispostaEsterna.h"

namespace mrvelto::sim {
namespace {

class RispostaEsternaTest : public ::testing::Test {
protected:
    void SetUp() override {
        s.Metti(1, "Ac");
        s.Metti(2, "2d");
        s.Metti(4, "3s");
        s.Metti(6, "Fc");  // slot 5 empty
    }
    RispostaEsterna H(std::string_view riga) { return LeggiRispostaEsterna(riga, s, Chi::H, ammessa); }
    StatoGioco s;
    std::function<bool(int)> ammessa = [this](int k) { return !s.Carta[k].Vuota() && k != bloccato; };
    int bloccato = 0;
};

TEST_F(RispostaEsternaTest, TakesTheCardOrTheSlotInEveryForm) {
    EXPECT_EQ(H(R"({"card": "Fc"})").slot, 6);
    EXPECT_EQ(H(R"({"card":"3s","note":"extra keys are ignored"})").slot, 4);
    EXPECT_EQ(H(R"("3s")").slot, 4);
    EXPECT_EQ(H(R"({"slot": 6})").slot, 6);
    EXPECT_EQ(H(R"({"card": 4})").slot, 4);
    EXPECT_EQ(H(" 6 ").slot, 6);
    // The computer's seat (--paired) answers with its own slots.
    EXPECT_EQ(LeggiRispostaEsterna(R"({"card": "2d"})", s, Chi::PC, ammessa).slot, 2);
    EXPECT_EQ(LeggiRispostaEsterna("1", s, Chi::PC, ammessa).slot, 1);
}

TEST_F(RispostaEsternaTest, RefusesMalformedAnswers) {
    for (const char* riga : {"", "{oops", R"({"card": "Fc")", "[\"Fc\"]", R"({"carta": "Fc"})", R"({"card": null})", "true"}) {
        const RispostaEsterna r = H(riga);
        EXPECT_EQ(r.slot, 0) << riga;
        EXPECT_EQ(r.errore.rfind("risposta malformata: ", 0), 0u) << riga << " -> " << r.errore;
    }
}

TEST_F(RispostaEsternaTest, RefusesIllegalAnswersAndSaysWhy) {
    auto errore = [&](std::string_view riga) {
        const RispostaEsterna r = H(riga);
        EXPECT_EQ(r.slot, 0) << riga;
        EXPECT_EQ(r.errore.rfind("risposta non ammessa: ", 0), 0u) << r.errore;
        return r.errore;
    };
    // Another seat's card, a card of nobody's hand, not a card, an empty or foreign slot.
    EXPECT_EQ(errore(R"({"card": "Ac"})"), "risposta non ammessa: Ac non è nella mano (3s, Fc)");
    EXPECT_EQ(errore(R"({"card": "Ab"})"), "risposta non ammessa: Ab non è nella mano (3s, Fc)");
    EXPECT_NE(errore(R"({"card": "ad"})").find("non è il codice di una carta"), std::string::npos);
    EXPECT_NE(errore(R"({"card": "Fcc"})").find("non è il codice di una carta"), std::string::npos);
    EXPECT_EQ(errore("5"), "risposta non ammessa: lo slot 5 è vuoto (mano: 3s, Fc)");
    EXPECT_EQ(errore("1"), "risposta non ammessa: lo slot 1 non è uno slot della mano (4..6)");
    EXPECT_EQ(errore("4.0"), "risposta non ammessa: lo slot 4.0 non è uno slot della mano (4..6)");
    EXPECT_NE(errore("99999999999999999999").find("non è uno slot della mano (4..6)"), std::string::npos);
    bloccato = 6;
    EXPECT_EQ(errore(R"({"card": "Fc"})"), "risposta non ammessa: Fc non si può giocare ora");
    EXPECT_EQ(errore("6"), "risposta non ammessa: lo slot 6 non si può giocare ora");
}

TEST(SuUnaRiga, KeepsAMessageOnOneShortLine) {
    EXPECT_EQ(SuUnaRiga("a\nb\r\t\x01"), "a\\nb\\r\\t\\x01");
    EXPECT_EQ(SuUnaRiga(std::string(500, 'x'), 10), std::string(10, 'x') + "...");
}

}  // namespace
}  // namespace mrvelto::sim
