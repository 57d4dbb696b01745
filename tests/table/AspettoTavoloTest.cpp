// SPDX-License-Identifier: GPL-3.0-or-later
// The slots' faces and backs, the table colours, the random variations and the option locks.
#include <gtest/gtest.h>

#include "game/AspettoCarte.h"
#include "game/BancoDiProva.h"
#include "game/ColoriTavolo.h"
#include "support/CasoFinto.h"
#include "table/VociOpzioni.h"

namespace mrvelto {
namespace {

using test::Imposta;

using test::Banco;
using test::CasoFinto;
using test::ConOpzioni;

const CartaDaGioco kReBastoni = CartaDaGioco::DaCodice("Rb");

TEST(FileDelleCarte, OgniStileHaLaSuaCartellaEIlSuoSuffissoEIMotiviOttoCaratteri) {
    EXPECT_EQ(FileFaccia(opz::Mazzo::Napoletane, "Rb"), "C:\\Programmi\\MrVelto\\Napoleta\\Rb1.jpg");
    EXPECT_EQ(FileFaccia(opz::Mazzo::Piacentine, "Ad"), "C:\\Programmi\\MrVelto\\Piacenti\\Ad2.jpg");
    EXPECT_EQ(FileFaccia(opz::Mazzo::Opzionale, "7c"), "C:\\Programmi\\MrVelto\\Opzional\\7c3.jpg");
    // the code keeps its case, and a code outside the 40 names no file
    EXPECT_EQ(FileFaccia(opz::Mazzo::Napoletane, "rB"), "");
    EXPECT_EQ(FileFaccia(opz::Mazzo::Napoletane, "8d"), "");
    EXPECT_EQ(FileFaccia(opz::Mazzo::Napoletane, ""), "");
    // the patterns
    EXPECT_EQ(FileMotivo(opz::Motivo::Nessuno), "");
    EXPECT_EQ(FileMotivo(opz::Motivo::Scacchiera), "C:\\Programmi\\MrVelto\\Grafica\\Scacchie.gif");
    EXPECT_EQ(FileMotivo(opz::Motivo::Arzigogoli), "C:\\Programmi\\MrVelto\\Grafica\\Arzigogo.gif");
    EXPECT_EQ(FileMotivo(opz::Motivo::Rombi), "C:\\Programmi\\MrVelto\\Grafica\\Rombi.gif");
    // Every pattern but "Nessuno" has its picture, with an eight-character name.
    for (const MotivoNominato& m : TabellaMotivi()) {
        EXPECT_EQ(m.file.empty(), m.motivo == opz::Motivo::Nessuno);
        EXPECT_LE(m.file.empty() ? 0 : m.file.find('.'), 8u) << m.file;
    }
}

TEST(VisualizzaCarte, LasciaStareSlotVuotiECarteCoperteELaCorniceSegueLoStile) {
    Presentazione v;
    Opzioni o;
    v.Slot[4].figura = "prima";
    VisualizzaCarte(4, CartaDaGioco{}, o, v);
    EXPECT_EQ(v.Slot[4].figura, "prima");
    EXPECT_FALSE(v.Slot[4].bordo);

    v.Slot[4].riempimento = rgb(1, 2, 3);
    VisualizzaCarte(4, kReBastoni, o, v);
    EXPECT_EQ(v.Slot[4].figura, "prima") << "a covered card is not turned over by itself";
    EXPECT_EQ(v.Slot[4].riempimento, rgb(1, 2, 3));
    // the frame follows the style ("Piacentine" by default)
    VisualizzaCarte(5, kReBastoni, o, v);
    EXPECT_TRUE(v.Slot[5].bordo);
    EXPECT_EQ(v.Slot[5].figura, "C:\\Programmi\\MrVelto\\Piacenti\\Rb2.jpg");
    Imposta(o, OpzStileCarte, "Napoletane");
    VisualizzaCarte(5, kReBastoni, o, v);
    EXPECT_FALSE(v.Slot[5].bordo);
    EXPECT_EQ(v.Slot[5].figura, "C:\\Programmi\\MrVelto\\Napoleta\\Rb1.jpg");
    Imposta(o, OpzStileCarte, "Grandi Indici");
    v.BordoCarteOpzionali = 0;
    VisualizzaCarte(5, kReBastoni, o, v);
    EXPECT_FALSE(v.Slot[5].bordo);
    v.BordoCarteOpzionali = 2;
    VisualizzaCarte(5, kReBastoni, o, v);
    EXPECT_TRUE(v.Slot[5].bordo);
    EXPECT_EQ(v.Slot[5].figura, "C:\\Programmi\\MrVelto\\Opzional\\Rb3.jpg");
}

TEST(MotivoRetro, CopreColColoreDeiPalliniEIlMotivoMaNonUnaCartaGiocata) {
    Presentazione v;
    Opzioni o = ConOpzioni({{OpzMotivoRetro, "Stelle"}});
    v.ColoreRetro = rgb(10, 20, 30);
    MotivoRetro(2, o, v);
    EXPECT_EQ(v.Slot[2].riempimento, rgb(10, 20, 30));
    EXPECT_EQ(v.Slot[2].figura, "C:\\Programmi\\MrVelto\\Grafica\\Stelle.gif");
    EXPECT_FALSE(v.Slot[2].scoperta);
    o.MotivoRetro = opz::Motivo::Nessuno;
    MotivoRetro(2, o, v);
    EXPECT_EQ(v.Slot[2].figura, "");
    // a card played stays as it is
    v = Presentazione{};
    Imposta(o, OpzMotivoRetro, "Rombi");
    v.Slot[2].Sposta(kPostoInTavolaPC);
    ASSERT_EQ(v.Slot[2].cornice.top, kTopFilaCentrale);
    v.Slot[2].figura = "faccia";
    MotivoRetro(2, o, v);
    EXPECT_EQ(v.Slot[2].riempimento, colore::Bianco);
    EXPECT_EQ(v.Slot[2].figura, "faccia");
    ColoraRetroCarte(o, v);
    EXPECT_EQ(v.Slot[2].riempimento, colore::Bianco);
}

TEST(MotivoRetro, CarteDelPCMostrateSoloIlMazzoSiCopre) {
    Presentazione v;
    Opzioni o = ConOpzioni({{OpzMostraCarte, "Si"}, {OpzColoreRetro, "Acqua"}});
    for (int k : {1, 2, 3, 4, 8}) MotivoRetro(k, o, v);
    for (int k : {1, 2, 3, 4}) EXPECT_EQ(v.Slot[k].riempimento, colore::Bianco) << k;
    EXPECT_NE(v.Slot[8].riempimento, colore::Bianco);
    ColoraRetroCarte(o, v);
    for (int k : {1, 2, 3}) EXPECT_EQ(v.Slot[k].riempimento, colore::Bianco) << k;
    EXPECT_EQ(v.Slot[8].riempimento, rgb(69, 122, 104));
}

TEST(Colori, RetroSulMazzoSullaManoCopertaESuiPalliniEOgniNomeIlSuoTavolo) {
    Presentazione v;
    Opzioni o = ConOpzioni({{OpzColoreRetro, "Legno"}});
    v.Slot[5].riempimento = colore::Bianco;
    ColoraRetroCarte(o, v);
    for (int k : {1, 2, 3, 8}) EXPECT_EQ(v.Slot[k].riempimento, rgb(125, 95, 66)) << k;
    EXPECT_EQ(v.Slot[5].riempimento, colore::Bianco) << "the human's hand is not covered";
    EXPECT_EQ(v.ColoreRetro, rgb(125, 95, 66));
    // each name its table and its back
    o = ConOpzioni({{OpzColoreRetro, "Salvia"}, {OpzColoreTavolo, "Salvia"}});
    ColoraRetroCarte(o, v);
    ColoraTavolo(o, v);
    EXPECT_EQ(v.ColoreRetro, rgb(80, 114, 78));
    EXPECT_EQ(v.ColoreTavolo, rgb(94, 133, 90));
    Imposta(o, OpzColoreTavolo, "Azzurro bebé");
    ColoraTavolo(o, v);
    EXPECT_EQ(v.ColoreTavolo, rgb(82, 145, 152));
}

// A table with the option captions plugged into it and a source of chance the test lines up.
struct TavoloConVoci {
    explicit TavoloConVoci(std::deque<double> r, OraMinSec ora = {}, Opzioni o = Opzioni{})
        : caso(std::move(r), ora), tavolo(orologio, caso, [] { return DataOra{}; }, std::move(o)), voci(tavolo, caso) {}
    OrologioVirtuale orologio;
    CasoFinto caso;
    Tavolo tavolo;
    VociOpzioni voci;
};

TEST(ScegliColoreCasuale, AlternaTavoloERetroERimetteIDuePuntiColMinutoEIlSecondo) {
    TavoloConVoci t({0.0, 0.5});
    EXPECT_EQ(t.voci.Didascalia(0), "Variazioni grafiche casuali:");
    t.voci.ScegliColoreCasuale();
    EXPECT_EQ(t.tavolo.Opz().Testo(OpzColoreTavolo), "Verde Veronese");
    EXPECT_EQ(t.tavolo.Opz().Testo(OpzColoreRetro), "Grigio cemento");
    EXPECT_EQ(t.voci.Didascalia(0), "Variazioni grafiche casuali");
    EXPECT_EQ(t.tavolo.Vista().ColoreTavolo, rgb(78, 146, 81)) << "applied at once";
    t.voci.ScegliColoreCasuale();
    EXPECT_EQ(t.tavolo.Opz().Testo(OpzColoreRetro), "Rosso mattone");  // Int(0.5 × 24) + 1 = 13
    EXPECT_EQ(t.tavolo.Vista().ColoreRetro, rgb(154, 80, 58));
    EXPECT_EQ(t.voci.Didascalia(0), "Variazioni grafiche casuali:");
    // The minute and the second enter the number.
    const auto colore = [](double r, OraMinSec ora) {
        TavoloConVoci c({r}, ora);
        c.voci.ScegliColoreCasuale();
        return c.tavolo.Opz().Testo(OpzColoreTavolo);
    };
    EXPECT_EQ(colore(0.25, {30, 0}), "Senape");  // Int((0.25 + 0.5) × 24) + 1 = 19
    EXPECT_EQ(colore(0.25, {0, 59}), "Blues");   // Int((0.25 - 59/61) × 24) = -18 → 6 + 1 = 7
    EXPECT_NE(colore(0.75, {0, 59}), "Blues");   // same minute and second, another r
}

TEST(ScegliMotivoCasuale, TrediciMotiviNellOrdineDellaTabella) {
    TavoloConVoci t({0.0, 0.1, 0.99});
    for (const char* atteso : {"Nessuno", "Decoro", "Stelle"}) {  // Int(13 r) + 1: 1, 2 and 13
        t.voci.ScegliMotivoCasuale();
        EXPECT_EQ(t.tavolo.Opz().Testo(OpzMotivoRetro), atteso);
    }
}

TEST(VariazioniGrafiche, SecondoLOpzioneZero) {
    struct Caso {
        const char* quando;
        bool nuovaPartita;
        bool varia;
    };
    for (Caso c : {Caso{"No", true, false}, Caso{"All'inizio della Partita", true, true}, Caso{"All'inizio della Partita", false, false},
                   Caso{"All'inizio di ogni Gioco", false, true}, Caso{"All'inizio di ogni Gioco", true, true}}) {
        TavoloConVoci t({0.0, 0.5, 0.1}, {}, ConOpzioni({{OpzVariazioniGrafiche, c.quando}}));
        t.voci.VariazioniGrafiche(c.nuovaPartita);
        const Opzioni& o = t.tavolo.Opz();
        using Tre = std::vector<std::string>;
        EXPECT_EQ((Tre{o.Testo(OpzColoreTavolo), o.Testo(OpzColoreRetro), o.Testo(OpzMotivoRetro)}),
                  (c.varia ? Tre{"Verde Veronese", "Rosso mattone", "Decoro"} : Tre{"Rosso mattone", "Grigio cemento", "Nessuno"}))
            << c.quando;
        EXPECT_EQ(t.voci.Didascalia(0), "Variazioni grafiche casuali:") << "the pair leaves the flag as it was";
    }
}

TEST(VariazioniGrafiche, NuovaPartitaNelFlussoCambiaIColori) {
    Banco b(3, ConOpzioni({{OpzVariazioniGrafiche, "All'inizio di ogni Gioco"}, {OpzColoreTavolo, "Salvia"}}));
    VociOpzioni voci(b.tavolo, b.caso);
    b.Distribuisci();
    EXPECT_EQ(b.tavolo.Opz().Testo(OpzColoreTavolo), "Salvia") << "the first game keeps the start-up's colours";
    ASSERT_TRUE(b.Fino([&] { return b.tavolo.GiochiConclusi() >= 1 && b.s().ContatoreDistribuisciCarte > 1; }));
    EXPECT_NE(b.tavolo.Opz().Testo(OpzColoreTavolo), "Salvia");  // this seed draws another colour
    EXPECT_EQ(b.v().Slot[8].riempimento, b.v().ColoreRetro);
}

TEST(BlocchiOpzioni, RosaDuranteGiocoEPartitaVerdeAllaFine) {
    TavoloConVoci t({0.0});
    for (int n = 0; n < kNumeroOpzioni; ++n) EXPECT_TRUE(t.voci.Libera(n)) << n;
    t.voci.BloccaOpzioni(true, false);
    EXPECT_EQ(t.voci.ColoreVoce(OpzConclusioneGioco), kVoceBloccata);
    EXPECT_TRUE(t.voci.Libera(OpzAbilita));
    t.voci.BloccaOpzioni(true, true);
    EXPECT_FALSE(t.voci.Libera(OpzAbilita));
    EXPECT_FALSE(t.voci.Libera(OpzConclusionePartita));
    t.voci.SbloccaOpzioni(false);
    EXPECT_TRUE(t.voci.Libera(OpzConclusioneGioco));
    EXPECT_FALSE(t.voci.Libera(OpzAbilita)) << "the match goes on";
    t.voci.SbloccaOpzioni(true);
    EXPECT_TRUE(t.voci.Libera(OpzAbilita));
    EXPECT_TRUE(t.voci.Libera(OpzConclusionePartita));
    EXPECT_EQ(t.voci.ColoreVoce(OpzAbilita), rgb(192, 255, 192));
}

TEST(BlocchiOpzioni, IlFlussoBloccaAllaPrimaCartaUmana) {
    Banco b(5);
    VociOpzioni voci(b.tavolo, b.caso);
    b.Distribuisci();
    EXPECT_TRUE(voci.Libera(OpzAbilita));
    ASSERT_TRUE(b.Fino([&] { return b.s().NumeroCartaGiocataDaH != 0; }));
    EXPECT_FALSE(voci.Libera(OpzConclusioneGioco));
    EXPECT_FALSE(voci.Libera(OpzAbilita));
    EXPECT_FALSE(voci.Libera(OpzConclusionePartita));
    EXPECT_TRUE(voci.Libera(OpzStileCarte));
}

TEST(Sbirciata, ConLeCarteDelPCMostrateIlMazzoRestaCoperto) {
    Banco b(7, ConOpzioni({{OpzMostraCarte, "Si"}, {OpzMotivoRetro, "Greche"}}));
    b.Distribuisci();
    for (int k = 1; k <= 7; ++k) {
        EXPECT_TRUE(b.v().Slot[k].scoperta) << k;
        EXPECT_EQ(b.v().Slot[k].riempimento, colore::Bianco) << k;
        EXPECT_EQ(b.v().Slot[k].figura, FileFaccia(opz::Mazzo::Piacentine, b.s().Carta[k].Codice())) << k;
    }
    EXPECT_FALSE(b.v().Slot[8].scoperta);
    EXPECT_NE(b.v().Slot[8].riempimento, colore::Bianco);
    EXPECT_EQ(b.v().Slot[8].figura, "C:\\Programmi\\MrVelto\\Grafica\\Greche.gif");
    EXPECT_TRUE(b.s().Sbirciata);
}

}  // namespace
}  // namespace mrvelto
