#include <gtest/gtest.h>

#include "player/FiltroSessantaPunti.h"

namespace mrvelto {
namespace {

// Pair totals: positive = the computer takes with that total, negative = the human takes with -t.
void Totali(TabellePC& tab, std::initializer_list<int> totali) {
    int k = 1;
    for (int t : totali) {
        tab.TotaliNormali[k].valore = t < 0 ? -t : t;
        if (t < 0) tab.TotaliNormali[k].segno = Segno::VinceUmano;
        ++k;
    }
}

TEST(FiltroSessantaPuntiRisponde, KeepsAChoiceThatAlreadyPassesSixty) {
    TabellePC tab;
    Totali(tab, {50, 65, 62});
    tab.CartaPCDaGiocare = 3;
    FiltroSessantaPuntiRispondePC(tab);
    EXPECT_EQ(tab.CartaPCDaGiocare, 3);
    EXPECT_TRUE(tab.Filtro60Punti);
}

TEST(FiltroSessantaPuntiRisponde, SwitchesToTheFirstCardThatPassesSixty) {
    TabellePC tab;
    Totali(tab, {50, 61, 64});
    tab.CartaPCDaGiocare = 1;
    FiltroSessantaPuntiRispondePC(tab);
    EXPECT_EQ(tab.CartaPCDaGiocare, 2);
    EXPECT_TRUE(tab.Filtro60Punti);
}

TEST(FiltroSessantaPuntiRisponde, AvoidsACardThatLetsTheHumanPassSixty) {
    TabellePC tab;
    Totali(tab, {-50, 40, 41});
    tab.TotaliNormali[1].valore = 61;  // the human takes with 61
    tab.CartaPCDaGiocare = 1;
    FiltroSessantaPuntiRispondePC(tab);
    EXPECT_EQ(tab.TotaliPotenziali[1].segno, Segno::Pericolo60);
    EXPECT_EQ(tab.CartaPCDaGiocare, 3);  // the last safe card
    EXPECT_TRUE(tab.Filtro60Punti);      // the chosen total was 61, whoever takes it
}

// Sixty is half the deck, not a win: only 61 or more passes, for either side.
TEST(FiltroSessantaPuntiRisponde, SixtyPointsDoNotPassSixty) {
    {  // the human would reach 60: not dangerous, the choice stays
        TabellePC tab;
        Totali(tab, {-60, 40, 41});
        tab.CartaPCDaGiocare = 1;
        FiltroSessantaPuntiRispondePC(tab);
        EXPECT_NE(tab.TotaliPotenziali[1].segno, Segno::Pericolo60);
        EXPECT_EQ(tab.CartaPCDaGiocare, 1);
        EXPECT_FALSE(tab.Filtro60Punti);
    }
    {  // 61 for the human is
        TabellePC tab;
        Totali(tab, {-61, 40, 41});
        tab.CartaPCDaGiocare = 1;
        FiltroSessantaPuntiRispondePC(tab);
        EXPECT_EQ(tab.TotaliPotenziali[1].segno, Segno::Pericolo60);
        EXPECT_EQ(tab.CartaPCDaGiocare, 3);
    }
    {  // the computer reaching 60, with the chosen card or another, wins nothing yet
        TabellePC tab;
        Totali(tab, {60, 60, 40});
        tab.CartaPCDaGiocare = 1;
        FiltroSessantaPuntiRispondePC(tab);
        EXPECT_EQ(tab.CartaPCDaGiocare, 1);
        EXPECT_FALSE(tab.Filtro60Punti);
        tab.CartaPCDaGiocare = 3;
        FiltroSessantaPuntiRispondePC(tab);
        EXPECT_EQ(tab.CartaPCDaGiocare, 3);
        EXPECT_FALSE(tab.Filtro60Punti);
    }
}

TEST(FiltroSessantaPuntiRisponde, LeavesTheChoiceWhenEveryCardLoses) {
    TabellePC tab;
    Totali(tab, {-61, -70, -62});
    tab.CartaPCDaGiocare = 2;
    FiltroSessantaPuntiRispondePC(tab);
    EXPECT_EQ(tab.CartaPCDaGiocare, 2);
    EXPECT_TRUE(tab.Filtro60Punti);
}

TEST(FiltroSessantaPuntiInizia, LeadsTheCardThatPassesSixtyAgainstEveryReply) {
    TabellePC tab;
    Totali(tab, {40, 40, 40, 61, 70, 62, 61, 20, 61});
    tab.CartaPCDaGiocare = 1;
    FiltroSessantaPuntiIniziaPC(tab);
    EXPECT_EQ(tab.CartaPCDaGiocare, 2);
    EXPECT_EQ(tab.CartaPCDaGiocare2, 1);
    EXPECT_TRUE(tab.Filtro60Punti);
    // A later row that also qualifies overwrites.
    TabellePC tab2;
    Totali(tab2, {40, 40, 40, 61, 70, 62, 61, 61, 61});
    tab2.CartaPCDaGiocare = 1;
    FiltroSessantaPuntiIniziaPC(tab2);
    EXPECT_EQ(tab2.CartaPCDaGiocare, 3);
}

TEST(FiltroSessantaPuntiInizia, AvoidsACardThatLetsTheHumanPassSixty) {
    TabellePC tab;
    Totali(tab, {-61, 40, 40, 30, -62, 30, 30, 30, 30});
    tab.CartaPCDaGiocare = 1;
    FiltroSessantaPuntiIniziaPC(tab);
    EXPECT_EQ(tab.TotaliPotenziali[1].segno, Segno::Pericolo60);
    EXPECT_EQ(tab.TotaliPotenziali[2].segno, Segno::Pericolo60);
    EXPECT_EQ(tab.CartaPCDaGiocare, 3);
    EXPECT_FALSE(tab.Filtro60Punti);
}

TEST(FiltroSessantaPuntiInizia, SixtyPointsDoNotPassSixty) {
    {  // the human would reach 60 against card 1: not dangerous
        TabellePC tab;
        Totali(tab, {-60, 40, 40, 30, 30, 30, 30, 30, 30});
        tab.CartaPCDaGiocare = 1;
        FiltroSessantaPuntiIniziaPC(tab);
        EXPECT_NE(tab.TotaliPotenziali[1].segno, Segno::Pericolo60);
        EXPECT_EQ(tab.CartaPCDaGiocare, 1);
    }
    {  // 61 is
        TabellePC tab;
        Totali(tab, {-61, 40, 40, 30, 30, 30, 30, 30, 30});
        tab.CartaPCDaGiocare = 1;
        FiltroSessantaPuntiIniziaPC(tab);
        EXPECT_EQ(tab.TotaliPotenziali[1].segno, Segno::Pericolo60);
        EXPECT_EQ(tab.CartaPCDaGiocare, 2);
    }
    {  // card 1 reaches 60 against one reply and 61 against the others: no sure win
        TabellePC tab;
        Totali(tab, {60, 61, 61, 40, 40, 40, 40, 40, 40});
        tab.CartaPCDaGiocare = 3;
        FiltroSessantaPuntiIniziaPC(tab);
        EXPECT_EQ(tab.CartaPCDaGiocare, 3);
        EXPECT_FALSE(tab.Filtro60Punti);
    }
}

TEST(FiltroSessantaPuntiInizia, LeavesTheChoiceWhenEveryCardLoses) {
    TabellePC tab;
    Totali(tab, {-61, 40, 40, 30, -62, 30, 30, 30, -65});
    tab.CartaPCDaGiocare = 2;
    FiltroSessantaPuntiIniziaPC(tab);
    EXPECT_EQ(tab.CartaPCDaGiocare, 2);
    EXPECT_TRUE(tab.Filtro60Punti);
}

}  // namespace
}  // namespace mrvelto
