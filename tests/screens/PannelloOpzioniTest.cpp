// SPDX-License-Identifier: GPL-3.0-or-later
// The options panel: click cycles and their effects through the table, locks, highlight.
#include <gtest/gtest.h>

#include "game/AspettoCarte.h"
#include "game/BancoDiProva.h"
#include "screens/PannelloOpzioni.h"

namespace mrvelto {
namespace {

using test::Banco;
using test::ConOpzioni;

struct Pannello {
    explicit Pannello(Opzioni o = Opzioni{}) : banco(11, std::move(o)), voci(banco.tavolo, banco.caso), pannello(banco.tavolo, voci, opzionali) {}
    int Intervallo(OrologioVirtuale::Id id) { return banco.orologio.Intervallo(id); }
    Banco banco;
    CarteOpzionali opzionali;
    VociOpzioni voci;
    PannelloOpzioni pannello;
};

TEST(CicliOpzioni, StileMotivoEValoriFuoriCiclo) {
    // Option, value, the optional deck installed (if any), the value after a click.
    const std::tuple<int, const char*, const char*, const char*> casi[] = {
        {OpzStileCarte, "Piacentine", "", "Napoletane"},       {OpzStileCarte, "Piacentine", "Grandi Indici", "Grandi Indici"},
        {OpzStileCarte, "Grandi Indici", "Grandi Indici", "Napoletane"}, {OpzStileCarte, "Siciliane", "", "Napoletane"},
        {OpzMotivoRetro, "Nessuno", "", "Rombi"},              {OpzMotivoRetro, "Ornamenti", "", "Nessuno"},
        {OpzColoreTavolo, "Salvia", "", "Verde Veronese"},     {OpzAnimazione, "Lenta", "", "No"}};
    for (const auto& [n, valore, opzionale, dopo] : casi) EXPECT_EQ(ValoreSuccessivo(n, valore, opzionale), dopo) << valore;
}

TEST(PannelloOpzioni, TestiDelPannello) {
    Pannello p;
    EXPECT_EQ(kTitoloPannelloOpzioni, "Opzioni di Mr. VELTO");
    std::vector<int> tutte;
    for (const GruppoOpzioni& g : GruppiOpzioni()) tutte.insert(tutte.end(), g.opzioni.begin(), g.opzioni.end());
    std::sort(tutte.begin(), tutte.end());
    ASSERT_EQ(tutte.size(), 21u) << "every option once";
    for (int n = 0; n < kNumeroOpzioni; ++n) {
        EXPECT_EQ(tutte[static_cast<std::size_t>(n)], n);
        EXPECT_FALSE(SpiegazioneOpzione(n).empty()) << n;
        EXPECT_EQ(p.pannello.Riga(n).didascalia, DidascaliaOpzione(n));
        EXPECT_EQ(p.pannello.Riga(n).valore, ValoreInizialeOpzione(n));
    }
    EXPECT_EQ(GruppiOpzioni()[1].titolo, "Opzioni Audio:");
    EXPECT_TRUE(kNotaCiclo.starts_with("Cliccando più volte"));
    EXPECT_TRUE(kNotaBlocchi.ends_with("riproposte nelle Partite successive."));
}

TEST(PannelloOpzioni, VelocitaRispostaCinqueClicEIntervalli) {
    Pannello p;
    const int attesa = p.banco.t().AttesaDelPCaMuovere;
    const std::pair<const char*, int> attesi[] = {{"Molto Lenta", 1500}, {"Lenta", 1250}, {"Media", 1000}, {"Veloce", 750}, {"Molto Veloce", 500}};
    for (auto [valore, ms] : attesi) {
        EXPECT_TRUE(p.pannello.lblVoce_Click(OpzVelocitaRisposta));
        EXPECT_EQ(p.pannello.Riga(OpzVelocitaRisposta).valore, valore);
        EXPECT_EQ(p.Intervallo(attesa), ms) << valore;
    }
}

TEST(PannelloOpzioni, EffettiImmediatiDeiClic) {
    Pannello p;
    Banco& b = p.banco;
    b.Distribuisci();
    // 1: the table colour
    p.pannello.lblVoce_Click(OpzColoreTavolo);
    EXPECT_EQ(b.tavolo.Opz().Testo(OpzColoreTavolo), "Legno");
    EXPECT_EQ(b.v().ColoreTavolo, rgb(155, 95, 61));
    // 3: every face up card changes deck and loses its frame
    p.pannello.lblVoce_Click(OpzStileCarte);
    for (int k = 4; k <= 7; ++k) {
        EXPECT_EQ(b.v().Slot[k].figura, FileFaccia(opz::Mazzo::Napoletane, b.s().Carta[k].Codice())) << k;
        EXPECT_FALSE(b.v().Slot[k].bordo) << k;
    }
    EXPECT_EQ(b.v().Slot[1].figura, "") << "the computer's covered hand keeps its back";
    // 4: the stock, the covered hand and the dots
    p.pannello.lblVoce_Click(OpzColoreRetro);
    EXPECT_EQ(b.tavolo.Opz().Testo(OpzColoreRetro), "Glicine");
    for (int k : {1, 2, 3, 8}) EXPECT_EQ(b.v().Slot[k].riempimento, rgb(121, 109, 163)) << k;
    EXPECT_EQ(b.v().ColoreRetro, rgb(121, 109, 163));
    // 5: slots 1..3 and 8 covered again with the new pattern
    p.pannello.lblVoce_Click(OpzMotivoRetro);
    for (int k : {1, 2, 3, 8}) EXPECT_EQ(b.v().Slot[k].figura, "C:\\Programmi\\MrVelto\\Grafica\\Rombi.gif") << k;
    // 6: animation ticks
    for (auto [valore, ms] : {std::pair{"Veloce", 30}, {"Media", 45}, {"Lenta", 80}}) {
        p.pannello.lblVoce_Click(OpzAnimazione);
        EXPECT_EQ(b.tavolo.Opz().Testo(OpzAnimazione), valore);
        EXPECT_EQ(p.Intervallo(b.t().AnimazionecarteH), ms);
        EXPECT_EQ(p.Intervallo(b.t().AnimazionecartePC), ms);
    }
    // 7: the computer's score only
    p.pannello.lblVoce_Click(OpzPunteggio);
    EXPECT_TRUE(b.v().PuntiPC.visibile);
    EXPECT_FALSE(b.v().PuntiH.visibile);
    EXPECT_FALSE(b.v().PuntiHScritta.visibile);
    // 12: the level's name
    p.pannello.lblVoce_Click(OpzAbilita);
    EXPECT_EQ(b.v().NomePC.testo, "Mr. VELTO B");
    // 14: "Molto Veloce" -> "No": the take waits for the button
    p.pannello.lblVoce_Click(OpzPresaAutomatica);
    EXPECT_EQ(b.tavolo.Opz().Testo(OpzPresaAutomatica), "No");
    p.pannello.lblVoce_Click(OpzPresaAutomatica);
    EXPECT_EQ(p.Intervallo(b.t().EffettuaLaPresa), 2350);
    // 16: the dot columns
    p.pannello.lblVoce_Click(OpzConclusionePartita);
    EXPECT_EQ(b.v().NumeroColonnePallini, 5);
    // 18: the computer's hand face up during the match marks the peek, and covered again
    EXPECT_FALSE(b.s().Sbirciata);
    p.pannello.lblVoce_Click(OpzMostraCarte);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(b.v().Slot[k].riempimento, colore::Bianco) << k;
        EXPECT_EQ(b.v().Slot[k].figura, FileFaccia(opz::Mazzo::Napoletane, b.s().Carta[k].Codice())) << k;
    }
    EXPECT_TRUE(b.s().Sbirciata);
    p.pannello.lblVoce_Click(OpzMostraCarte);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(b.v().Slot[k].riempimento, rgb(121, 109, 163)) << k;
        EXPECT_EQ(b.v().Slot[k].figura, "C:\\Programmi\\MrVelto\\Grafica\\Rombi.gif") << k;
    }
}

TEST(PannelloOpzioni, LaVoceRosaRifiutaIlClic) {
    Pannello p;
    Banco& b = p.banco;
    b.Distribuisci();
    ASSERT_TRUE(b.Fino([&] { return b.s().NumeroCartaGiocataDaH != 0; }));
    EXPECT_EQ(p.pannello.Riga(OpzAbilita).coloreDidascalia, kVoceBloccata);
    EXPECT_FALSE(p.pannello.lblVoce_Click(OpzAbilita));
    EXPECT_FALSE(p.pannello.lblVoce_Click(OpzConclusioneGioco));
    EXPECT_EQ(b.tavolo.Opz().Testo(OpzAbilita), "Massima (Livello A)");
    EXPECT_EQ(b.v().NomePC.testo, "Mr. VELTO A");
    // hovering a pink caption highlights nothing
    p.pannello.lblVoce_MouseMove(OpzAbilita);
    EXPECT_FALSE(p.pannello.Riga(OpzAbilita).evidenziato);
    EXPECT_EQ(p.pannello.lblOpzioneMouse(), OpzAbilita);
}

TEST(PannelloOpzioni, EvidenziaIlValoreSottoIlMouse) {
    Pannello p;
    EXPECT_EQ(p.pannello.lblOpzioneMouse(), 21);
    p.pannello.lblVoce_MouseMove(OpzRumori);
    EXPECT_TRUE(p.pannello.Riga(OpzRumori).evidenziato);
    p.pannello.lblVoce_MouseMove(OpzTitoli);
    EXPECT_FALSE(p.pannello.Riga(OpzRumori).evidenziato) << "one highlight at a time";
    EXPECT_TRUE(p.pannello.Riga(OpzTitoli).evidenziato);
    p.pannello.Opzione_MouseMove();
    EXPECT_FALSE(p.pannello.Riga(OpzTitoli).evidenziato);
    EXPECT_EQ(p.pannello.lblOpzioneMouse(), 21);
}

TEST(PannelloOpzioni, MazzoOpzionaleNelCicloQuandoInstallato) {
    Pannello p;
    p.opzionali.CarteOpzionali = "Carte Opzionali inserite";
    p.opzionali.NomeCarteOpzionali = "Grandi Indici";
    p.pannello.lblVoce_Click(OpzStileCarte);
    EXPECT_EQ(p.banco.tavolo.Opz().Testo(OpzStileCarte), "Grandi Indici");
    p.pannello.lblVoce_Click(OpzStileCarte);
    EXPECT_EQ(p.banco.tavolo.Opz().Testo(OpzStileCarte), "Napoletane");
}

}  // namespace
}  // namespace mrvelto
