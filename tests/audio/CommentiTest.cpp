// SPDX-License-Identifier: GPL-3.0-or-later
// Which comment a trick gets, which clip a draw plays, how talkative each setting is.
#include <gtest/gtest.h>

#include <map>

#include "audio/DurateClip.h"
#include "audio/GruppiCommenti.h"
#include "audio/Loquacita.h"

namespace mrvelto {
namespace {

// A trick: the computer's card in slot 1, the human's in slot 4, briscola of suit `briscola`.
StatoGioco Presa(const char* pc, const char* h, char briscola, Chi guida) {
    StatoGioco s;
    s.Metti(1, pc);
    s.Metti(4, h);
    s.Metti(7, std::string("2") + briscola);
    s.NumeroCartaGiocataDaPC = 1;
    s.NumeroCartaGiocataDaH = 4;
    s.TurnoDiGioco = guida;
    return s;
}

TEST(GruppiCommenti, EveryRowOfTheTable) {
    using namespace gruppo;
    struct Caso {
        const char *pc, *h;
        Chi guida;
        GruppoCommento atteso;
    };
    // Briscola: bastoni.
    const Caso casi[] = {
        {"3b", "Ab", Chi::H, k2pBriscolaSuperata},   // briscola beaten by a higher briscola, human led
        {"3b", "Ab", Chi::PC, k1pBriscolaSuperata},  // ... computer led
        {"Ab", "3b", Chi::PC, k1vBriscola},          // briscola over a lower briscola, computer led
        {"4b", "5d", Chi::PC, k1vBriscola},          // briscola over a plain card
        {"4b", "Ad", Chi::H, k2vD},                  // human led, P = 44 / 4 = 11: a poor trick
        {"Ab", "3d", Chi::H, k2vC},                  // P = (44 + 40) / 4 = 21
        {"4b", "Rd", Chi::H, k2vD},                  // P = 16 / 4 = 4
        {"5d", "2b", Chi::H, k2pTagliata},           // plain card trumped, human led
        {"5d", "2b", Chi::PC, k1pTagliata},          // ... computer led
        {"Ad", "3s", Chi::H, k2pAltroSeme},          // other suits, human led: the leader takes
        {"Ad", "3s", Chi::PC, k1vAltroSeme},
        {"Ad", "3d", Chi::PC, k1vSuperiore},         // same suit, computer's higher, computer led
        {"Cd", "2d", Chi::H, k2vB},                  // same suit higher, human led, P = 3
        {"Ad", "Rd", Chi::H, k2vA},                  // P = (44 + 16) / 4 = 15
        {"2d", "Ad", Chi::H, k2pInferiore},          // same suit, computer's lower
        {"2d", "Ad", Chi::PC, k1pSuperata},
    };
    for (const Caso& c : casi) {
        const GruppoCommento g = GruppoDellaPresa(Presa(c.pc, c.h, 'b', c.guida));
        EXPECT_EQ(g, c.atteso) << c.pc << " " << c.h << " led by " << TestoDi(c.guida);
    }
}

TEST(GruppiCommenti, PointsAtStakeCountOnlyScoringCards) {
    EXPECT_EQ(PuntiInGioco(7, 6), 0);
    EXPECT_EQ(PuntiInGioco(8, 7), 2);
    EXPECT_EQ(PuntiInGioco(44, 40), 21);
    // The same-suit boundary of 8: a 2v-b below, a 2v-a from 8 on.
    EXPECT_EQ(GruppoDellaPresa(Presa("Rd", "2d", 'b', Chi::H)), gruppo::k2vB);  // P = 4
    EXPECT_EQ(GruppoDellaPresa(Presa("3d", "2d", 'b', Chi::H)), gruppo::k2vA);  // P = 10
    // The trump boundary of 12: a poor trick below, a rich one from 12 on.
    EXPECT_EQ(GruppoDellaPresa(Presa("3b", "2d", 'b', Chi::H)), gruppo::k2vD);  // P = 10
    EXPECT_EQ(GruppoDellaPresa(Presa("3b", "Fd", 'b', Chi::H)), gruppo::k2vC);  // P = (40 + 8) / 4 = 12
}

// Over a whole range of draws every clip of a sub-table comes up equally often, and only its own.
TEST(GruppiCommenti, MirroredMapsPlayEveryClipEquallyOften) {
    using namespace gruppo;
    for (const GruppoCommento& g : {k1pTagliata, k1pSuperata, k1pBriscolaSuperata, k1vBriscola, k1vSuperiore, k1vAltroSeme,
                                    k2pBriscolaSuperata, k2pTagliata, k2pAltroSeme, k2pInferiore, k2vA, k2vC}) {
        std::map<std::string, int> volte;
        for (int n = 1; n <= g.K; ++n) ++volte[ClipDelGruppo(g, n, 'd')];
        ASSERT_EQ(static_cast<int>(volte.size()), g.clip) << g.cartella << g.primo;
        for (const auto& [clip, k] : volte) EXPECT_EQ(k, g.K / g.clip) << clip;
        char primo[48], ultimo[48];
        const std::string c(g.cartella);
        std::snprintf(primo, sizeof primo, "Commenti/%s/%s%02d.wav", c.c_str(), c.c_str(), g.primo);
        std::snprintf(ultimo, sizeof ultimo, "Commenti/%s/%s%02d.wav", c.c_str(), c.c_str(), g.primo + g.clip - 1);
        EXPECT_EQ(volte.begin()->first, primo);
        EXPECT_EQ(volte.rbegin()->first, ultimo);
    }
    // The six 2v-a clips: 1, 2, 3, 4, 5, 6, 6, 5, 4, 3, 2, 1.
    const int attesi[12] = {1, 2, 3, 4, 5, 6, 6, 5, 4, 3, 2, 1};
    for (int n = 1; n <= 12; ++n) EXPECT_EQ(Specchio(n, 6), attesi[n - 1]);
}

TEST(GruppiCommenti, TheTenDrawGroupsNameTheSuitOnTwoOfThem) {
    // 2v-b: draws 1..10 → 2v07..2v10 twice each (but 5 and 6), and the suit's two clips once.
    const char* attesi[10] = {"2v07", "2v08", "2v09", "2v10", "2v23", "2v24", "2v10", "2v09", "2v08", "2v07"};
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(ClipDelGruppo(gruppo::k2vB, n, 's'), std::string("Commenti/2v/") + attesi[n - 1] + ".wav") << n;
    // 2v-d: its own four, and every suit its own pair.
    EXPECT_EQ(ClipDelGruppo(gruppo::k2vD, 1, 'b'), "Commenti/2v/2v17.wav");
    EXPECT_EQ(ClipDelGruppo(gruppo::k2vD, 4, 'b'), "Commenti/2v/2v20.wav");
    const std::pair<char, const char*> semi[] = {{'d', "2v21"}, {'s', "2v23"}, {'c', "2v25"}, {'b', "2v27"}};
    for (const auto& [seme, clip] : semi) EXPECT_EQ(ClipDelGruppo(gruppo::k2vD, 5, seme), std::string("Commenti/2v/") + clip + ".wav");
    EXPECT_EQ(ClipDelGruppo(gruppo::k2vD, 6, 'c'), "Commenti/2v/2v26.wav");
}

TEST(Loquacita, TheBandsOfEachSetting) {
    // How many of the draws 1..n say yes, for each setting from "Pettegolo" to "Taciturno".
    auto quante = [](bool (*f)(opz::Loquacita, int), int n) {
        std::vector<int> k;
        for (auto l : {opz::Loquacita::Pettegolo, opz::Loquacita::Loquace, opz::Loquacita::Gentleman, opz::Loquacita::Riservato,
                       opz::Loquacita::Taciturno}) {
            k.push_back(0);
            for (int i = 1; i <= n; ++i) k.back() += f(l, i);
        }
        return k;
    };
    EXPECT_EQ(quante(&CommentaLaCarta, 48), (std::vector<int>{48, 32, 24, 16, 0}));
    // The edges of the bands.
    for (int n : {1, 9, 15, 21, 28, 34, 40, 48}) EXPECT_TRUE(CommentaLaCarta(opz::Loquacita::Loquace, n)) << n;
    for (int n : {10, 14, 22, 27, 35, 39}) EXPECT_FALSE(CommentaLaCarta(opz::Loquacita::Loquace, n)) << n;
    for (int n : {2, 8, 16, 20, 29, 33, 41, 47}) EXPECT_TRUE(CommentaLaCarta(opz::Loquacita::Gentleman, n)) << n;
    for (int n : {1, 9, 15, 21, 28, 34, 40, 48}) EXPECT_FALSE(CommentaLaCarta(opz::Loquacita::Gentleman, n)) << n;
    for (int n : {3, 7, 17, 19, 30, 32, 42, 46}) EXPECT_TRUE(CommentaLaCarta(opz::Loquacita::Riservato, n)) << n;
    for (int n : {2, 8, 16, 20, 29, 33, 41, 47}) EXPECT_FALSE(CommentaLaCarta(opz::Loquacita::Riservato, n)) << n;
    // Impatience: 8 of 12 for "Loquace", 6 for "Gentleman", none below.
    EXPECT_EQ(quante(&SbuffaImpaziente, 12), (std::vector<int>{12, 8, 6, 0, 0}));
    EXPECT_FALSE(SbuffaImpaziente(opz::Loquacita::Loquace, 2));
    EXPECT_TRUE(SbuffaImpaziente(opz::Loquacita::Gentleman, 11));
}

TEST(DurateClip, TheTableWinsAndBadLinesAreSkipped) {
    const DurateClip d = DurateClip::Da(
        "Rumori/asso.wav\t360\r\n"
        "Commenti/1p/1p01.wav\t2417\n"
        "Commenti/1p/1p02.wav\t-5\n"
        "Commenti/1p/1p03.wav\t12x\n"
        "senza tabulazione 100\n"
        "\t300\n");
    EXPECT_EQ(d.Voci(), 2u);
    EXPECT_EQ(d.Durata("Rumori/asso.wav"), 360);  // the file measured, not the old figure
    EXPECT_EQ(d.Durata("Commenti/1p/1p01.wav"), 2417);
    EXPECT_EQ(d.Durata("Commenti/1p/1p02.wav"), DurateClip::kPredefinita);
    // Without a table, the figures the game has always used.
    const DurateClip vuota = DurateClip::Leggi("/nessuna/cartella/Durate.txt");
    EXPECT_EQ(vuota.Voci(), 0u);
    EXPECT_EQ(vuota.Durata("Rumori/liscio.wav"), 338);
    EXPECT_EQ(vuota.Durata("Rumori/tre.wav"), 262);
    EXPECT_EQ(vuota.Durata("Commenti/2v/2v04.wav"), 3037);
    EXPECT_EQ(vuota.Durata("Commenti/Inizio/Inizio02.wav"), 4999);
}

}  // namespace
}  // namespace mrvelto
