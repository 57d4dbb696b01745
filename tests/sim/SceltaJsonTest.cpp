// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "sim/ComandoChoose.h"
#include "sim/SceltaJson.h"

#include <sstream>
#include <streambuf>

namespace mrvelto {
namespace {

using nlohmann::json;

// A position: `played` filled with every card not in the hands (so it fits the endgame stages).
json Posizione(const char* briscola, int stock, const char* turno, json manoPC, json manoH, json giocataH = nullptr) {
    json j = {{"briscola_suit", briscola}, {"stock", stock},    {"turn", turno},    {"hand_pc", manoPC},
              {"hand_h", manoH},           {"played_h", giocataH}, {"points_pc", 0}, {"points_h", 0}};
    std::set<std::string> mani;
    for (const json* m : {&manoPC, &manoH})
        for (const auto& c : *m)
            if (c.is_string()) mani.insert(c.get<std::string>());
    json giocate = json::array();
    if (stock <= 0)
        for (const auto& c : MazzoOrdinato())
            if (!mani.count(c)) giocate.push_back(c);
    j["played"] = giocate;
    return j;
}

nlohmann::ordered_json Scegli(const json& j) { return RispostaScelta(LeggiRichiestaScelta(j)); }

float F(const nlohmann::ordered_json& v) { return v.get<float>(); }

json Buona() { return Posizione("b", 34, "PC", {"Ad", "2s", "Rc"}, {"3d", "Fb", "7c"}); }

// The message a request is refused with, or "accepted".
std::string Rifiuto(const json& j) {
    try {
        LeggiRichiestaScelta(j);
    } catch (const std::invalid_argument& e) {
        return e.what();
    }
    return "accepted";
}

TEST(SceltaJson, LeadWithTheStockPlaysTheBestWorstCase) {
    // Briscola b. Ad, 2s, Rc against 3d, Fb, 7c: Ad loses 13 to Fb, Rc gives 3d 14 points; 2s
    // risks least.
    const auto r = Scegli(Buona());
    EXPECT_EQ(r["choice"], 2);
    EXPECT_EQ(r["computed"], 2);
    EXPECT_EQ(r["candidates"], json::array({2}));
    EXPECT_EQ(r["replaced_at_random"], false);
    const auto& t = r["tables"];
    EXPECT_EQ(t["PuntiPotenziali"], json::array({11, 0, 4, 10, 2, 0}));
    // 2s against the 37 unseen cards: +19 (d), +26 (c), -30 (stronger spades), -30 (briscole).
    EXPECT_EQ(F(t["Potenziale"][1]), -15.0f / 37.0f);
    EXPECT_EQ(t["TotaliNormali"], json::array({21, 13, 11, 10, 2, 0, 14, 6, 4}));
    ASSERT_EQ(t["Convenienza"].size(), 9u);
    EXPECT_EQ(F(t["Convenienza"][5]), 15.0f / 37.0f);  // 2s takes 7c: 0 - Potenziale + 0
    EXPECT_FALSE(t.contains("ValAgg"));
    EXPECT_FALSE(t.contains("Peggiore"));
}

TEST(SceltaJson, AnswerWithTheStockTakesTheAceWithTheSmallBriscola) {
    const auto r = Scegli(Posizione("b", 34, "H", {"3d", "2b", "5c"}, {"Ad", "7s", "4s"}, 4));
    EXPECT_EQ(r["choice"], 2);
    const auto& t = r["tables"];
    ASSERT_EQ(t["Convenienza"].size(), 3u);
    EXPECT_EQ(t["TotaliNormali"], json::array({21, 11, 11}));
    const float pot2 = F(t["Potenziale"][1]), pot4 = F(t["Potenziale"][3]);
    EXPECT_EQ(F(t["Convenienza"][0]), -(21.0f - pot4 + 10.0f));  // 3d under Ad: the human takes, bonus 10
    EXPECT_EQ(F(t["Convenienza"][1]), 11.0f - pot2 + 11.0f);      // 2b takes Ad, bonus 11
    EXPECT_EQ(F(t["Convenienza"][2]), -(11.0f - pot4 + 0.0f));    // 5c: another suit, the leader takes
    EXPECT_EQ(t["ValAgg"], json::array({nullptr, nullptr, nullptr}));
}

TEST(SceltaJson, ThirdToLastLeadWithEveryCardEqualDrawsAmongAll) {
    const auto r = Scegli(Posizione("b", 0, "PC", {"Ab", "3b", "Rb"}, {"Ad", "3s", "Cc"}));
    EXPECT_EQ(r["candidates"], json::array({1, 2, 3}));
    EXPECT_EQ(r["tables"]["Peggiore"], json::array({196, 196, 196}));
    EXPECT_EQ(r["tables"]["PrimoLivello"].size(), 9u);
    EXPECT_EQ(r["tables"]["SecondoLivello"].size(), 36u);
    EXPECT_FALSE(r["tables"].contains("Convenienza"));
}

TEST(SceltaJson, ThirdToLastAnswerTakesTheAceWithTheSmallBriscola) {
    // The human leads Ad keeping 5s, 6s. 2b takes it and both plain cards win as leads: 84.
    // 3d gives the ace 84; 4c gives 44 and then wins back 40 with 3d: -4.
    const auto r = Scegli(Posizione("b", -1, "H", {"2b", "3d", "4c"}, {"Ad", "5s", "6s"}, 4));
    EXPECT_EQ(r["choice"], 1);
    EXPECT_EQ(r["candidates"], json::array({1}));
    EXPECT_EQ(r["tables"]["Peggiore"], json::array({84, -84, -4}));
    EXPECT_EQ(r["tables"]["PrimoLivello"], json::array({44, -84, -44}));
}

TEST(SceltaJson, SecondToLastLead) {
    // Lead: 3b (slot 1) and Fd (slot 2) against 2d and Ad: either lead is worth -12; the tie
    // leads the lower slot.
    const auto a = Scegli(Posizione("b", -2, "PC", {"3b", "Fd", nullptr}, {"2d", nullptr, "Ad"}));
    EXPECT_EQ(a["choice"], 1);
    const auto& sa = a["tables"]["SecondoLivello"];
    ASSERT_EQ(sa.size(), 28u);
    EXPECT_EQ(sa[24], -12);
    EXPECT_EQ(sa[25], 92);
    EXPECT_EQ(sa[26], 92);
    EXPECT_EQ(sa[27], -12);
    EXPECT_EQ(sa[20], 1);
    EXPECT_EQ(sa[22], 4);
}

TEST(SceltaJson, LastTrickPlaysTheOnlyCard) {
    const auto r = Scegli(Posizione("b", -4, "PC", {nullptr, "Ad", nullptr}, {nullptr, "2s", nullptr}));
    EXPECT_EQ(r["choice"], 2);
    EXPECT_TRUE(r["tables"].empty());
}

TEST(SceltaJson, TheLevelReplacesOnlyWhileTheStockLasts) {
    int sostituite = 0;
    for (int seme = 1; seme <= 300; ++seme) {
        json j = Buona();
        j["level"] = "E";
        j["seed"] = seme;
        const auto r = Scegli(j);
        EXPECT_EQ(r["computed"], 2);
        if (r["replaced_at_random"]) ++sostituite;
        else EXPECT_EQ(r["choice"], 2);
        json f = Posizione("b", 0, "PC", {"2b", "3d", "4c"}, {"Ad", "5s", "6s"});
        f["level"] = "E";
        f["seed"] = seme;
        EXPECT_EQ(Scegli(f)["replaced_at_random"], false);
    }
    EXPECT_GT(sostituite, 60);   // about 1 in 3 of 300
    EXPECT_LT(sostituite, 140);
}

TEST(SceltaJson, BadInputIsRefusedWithAMessage) {
    auto rifiutata = [](auto cambia, const char* parola) {
        json j = Buona();
        cambia(j);
        const std::string m = Rifiuto(j);
        EXPECT_NE(m.find(parola), std::string::npos) << m << ": " << j.dump();
        EXPECT_EQ(m.find('\n'), std::string::npos);
    };
    rifiutata([](json& j) { j["hand_pc"][0] = "Xd"; }, "sconosciuta");
    rifiutata([](json& j) { j["hand_h"][1] = "4s\nM\x01"; }, "4s\\nM\\x01");
    rifiutata([](json& j) { j["played"] = json::array({"2b", "2b\n"}); }, "2b\\n");
    rifiutata([](json& j) { j["hand_h"][2] = "Ad"; }, "due volte");
    rifiutata([](json& j) { j["played"] = json::array({"4d"}); }, "giocate");
    rifiutata([](json& j) { j["stock"] = 33; }, "dispari");
    rifiutata([](json& j) { j.erase("points_h"); }, "points_h");
    rifiutata([](json& j) { j["turn"] = "H"; }, "played_h");
    rifiutata([](json& j) { j["stock"] = "34"; }, "intero");
    rifiutata([](json& j) { j["level"] = "F"; }, "level");
    rifiutata([](json& j) { j["hand_pc"][1] = nullptr; }, "3 carte");
    rifiutata([](json& j) { j["stock"] = 0; }, "carte giocate");
}

// An input without end (/dev/zero) is refused after the limit instead of filling memory.
TEST(SceltaJson, AnEndlessInputIsRefusedAtTheLimit) {
    struct Zeri : std::streambuf {
        std::size_t dati = 0;
        char blocco[4096] = {};
        int_type underflow() override {
            dati += sizeof blocco;
            setg(blocco, blocco, blocco + sizeof blocco);
            return 0;
        }
    } zeri;
    std::istream in(&zeri);
    std::ostringstream out, err;
    EXPECT_EQ(sim::ComandoChoose({}, in, out, err), 2);
    EXPECT_EQ(err.str(), "mrvelto-sim choose: l'ingresso supera 1048576 byte: non è una posizione\n");
    EXPECT_LE(zeri.dati, sim::kMassimoIngressoChoose + 2 * sizeof zeri.blocco);
}

// Values parsed from the text itself, as `choose` gets them: past INT64_MAX a number arrives
// unsigned, past UINT64_MAX as a float, and neither may wrap into range.
TEST(SceltaJson, NumbersAreCheckedAgainstTheirRangeBeforeAnyArithmetic) {
    struct Caso {
        std::vector<std::pair<const char*, const char*>> campi;
        const char* atteso;
    };
    const Caso casi[] = {
        // The two halves of a sum that wraps to 95 in 64 bits.
        {{{"points_pc", "4611686018427387999"}, {"points_h", "4611686018427387904"}}, "\"points_pc\" deve stare fra 0 e 120"},
        {{{"points_h", "18446744073709551615"}}, "\"points_h\" deve stare fra 0 e 120"},
        {{{"points_pc", "-1"}}, "\"points_pc\" deve stare fra 0 e 120"},
        {{{"points_pc", "121"}}, "\"points_pc\" deve stare fra 0 e 120"},
        {{{"points_pc", "70"}, {"points_h", "51"}}, "punti fuori dall'intervallo 0..120"},
        {{{"stock", "18446744073709551582"}}, "\"stock\" deve stare fra -5 e 34"},
        {{{"stock", "-9223372036854775808"}}, "\"stock\" deve stare fra -5 e 34"},
        {{{"stock", "34.0"}}, "\"stock\" deve essere un numero intero"},
        {{{"turn", "\"H\""}, {"played_h", "18446744073709551620"}}, "\"played_h\" deve essere un numero intero"},
        {{{"turn", "\"H\""}, {"played_h", "9223372036854775812"}}, "\"played_h\" deve stare fra 4 e 6"},
    };
    for (const Caso& c : casi) {
        json j = Buona();
        for (auto [chiave, numero] : c.campi) j[chiave] = json::parse(numero);
        EXPECT_EQ(Rifiuto(j), c.atteso) << j.dump();
    }
}

TEST(SceltaJson, EverySixtyFourBitSeedIsTakenAndNoOtherNumber) {
    const json buona = Buona();
    for (const char* testo : {"0", "9223372036854775807", "9223372036854775808", "18446744073709551615"}) {
        json j = buona;
        j["seed"] = json::parse(testo);
        EXPECT_EQ(LeggiRichiestaScelta(j).seme, std::stoull(testo)) << testo;
    }
    for (const auto& [testo, atteso] : std::vector<std::pair<const char*, const char*>>{
             {"-1", "\"seed\" non può essere negativo"},
             {"18446744073709551616", "\"seed\" deve essere un numero intero fra 0 e 18446744073709551615"},
             {"1.5", "\"seed\" deve essere un numero intero fra 0 e 18446744073709551615"},
             {"\"7\"", "\"seed\" deve essere un numero intero"}}) {
        json j = buona;
        j["seed"] = json::parse(testo);
        EXPECT_EQ(Rifiuto(j), atteso) << testo;
    }
}

}  // namespace
}  // namespace mrvelto
