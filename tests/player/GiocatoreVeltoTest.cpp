// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>

#include "Posizioni.h"
#include "TavolaDiProva.h"
#include "player/DecisionePC.h"
#include "player/GiocatoreVelto.h"
#include "player/GiocatoriDiRiferimento.h"
#include "player/PosizioneDallaVista.h"
#include "player/PotenzialeCarte.h"

namespace mrvelto {
namespace {

CasoConSeme Caso(std::uint64_t seme) { return CasoConSeme(seme, [] { return OraMinSec{10, 20}; }); }

// The computer's seat with Mr. VELTO's privilege (given here at every stage, so that positions
// need not list every card played).
VistaGiocatore DalPC(const StatoGioco& s) { return VistaDi(s, Chi::PC, true); }

// The events that bring a player to the first move of a game dealt as `v` shows it.
void Distribuisci(Giocatore& g, const VistaGiocatore& v) {
    g.Osserva(evento::GiocoImpostato{false, false}, v);
    g.Osserva(evento::DistribuzioneFinita{}, v);
}

// A card played earlier in the game, seen as it left a hand.
void Registra(Giocatore& g, CartaDaGioco carta) {
    VistaGiocatore v;
    v.giocate.Aggiungi(carta);
    g.Osserva(evento::CartaGiocata{Chi::PC, 1, false}, v);
}

// The memory the table used to mark: a game set up clears it, the end of the deal marks the
// briscola suit's ten cards, a card leaving a hand is played for the rest of the game.
TEST(GiocatoreVelto, EventsMarkTheCardsAsTheTableDid) {
    auto caso = Caso(5);
    GiocatoreVelto velto(caso);
    StatoGioco s = test::ConMazzo('c', {"Ad", "2s", "Rc"}, {"3d", "Fb", "7c"}).stato;
    Distribuisci(velto, DalPC(s));
    Registra(velto, CartaDaGioco::DaCodice("Ab"));  // left over from a game that the next set-up forgets
    Distribuisci(velto, DalPC(s));
    VistaGiocatore vista = DalPC(s);
    vista.giocate.Aggiungi(CartaDaGioco::DaCodice("2s"));
    velto.Osserva(evento::CartaGiocata{Chi::PC, 2, false}, vista);
    vista.giocate.Aggiungi(CartaDaGioco::DaCodice("Fb"));
    velto.Osserva(evento::CartaGiocata{Chi::H, 5, true}, vista);
    velto.Osserva(evento::CartaGiocata{Chi::H, 5, true}, vista);  // registered again before the answer
    for (int n = 1; n <= 40; ++n) {
        const std::string& carta = MazzoOrdinato()[n];
        const VocePresa& v = velto.Tabelle().PreseVirtuali[n];
        EXPECT_EQ(v.briscola, carta[1] == 'c') << carta;
        EXPECT_EQ(v.stato, carta == "2s" || carta == "Fb" ? StatoCarta::Giocata : StatoCarta::NonVista) << carta;
        EXPECT_FALSE(v.punti.has_value()) << carta;
    }
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(velto.Tabelle().PuntiPotenziali[k].value_or(-1), static_cast<float>(s.Carta[k].Punti())) << k;
}

TEST(GiocatoreVelto, ATakeClearsTheTrickAndTheDrawRatesTheNewCards) {
    auto caso = Caso(6);
    GiocatoreVelto velto(caso);
    StatoGioco s = test::ConMazzo('b', {"Ad", "2s", "Rc"}, {"3d", "Fb", "7c"}, 20, Chi::PC, 0,
                                  {"2d", "4d", "5d", "6d", "7d", "2c", "4c", "5c", "6c", "4s", "2b", "4b", "5b", "6b"}).stato;
    Distribuisci(velto, DalPC(s));
    velto.Scegli(DalPC(s));
    s.NumeroCartaGiocataDaPC = 2;
    velto.Osserva(evento::CartaGiocata{Chi::PC, 2, false}, DalPC(s));
    s.NumeroCartaGiocataDaPC = 0;
    const TabellePC& t = velto.Tabelle();
    const VocePresa& tre = t.PreseVirtuali[PosizioneNelMazzo("3d")];
    ASSERT_TRUE(t.Convenienza[1].Piena());
    ASSERT_EQ(tre.stato, StatoCarta::InMano);  // the human's hand, rated last
    ASSERT_TRUE(tre.punti.has_value());
    velto.Osserva(evento::PresaEffettuata{Chi::PC, 0, 8}, DalPC(s));
    for (int k = 1; k <= 9; ++k) EXPECT_FALSE(t.Convenienza[k].Piena()) << k;
    EXPECT_EQ(t.PreseVirtuali[PosizioneNelMazzo("2s")].stato, StatoCarta::Giocata);
    EXPECT_EQ(tre.stato, StatoCarta::NonVista);
    EXPECT_FALSE(tre.punti.has_value());
    s.Metti(2, "Cb");
    velto.Osserva(evento::PescaFinita{}, DalPC(s));
    EXPECT_EQ(*t.PuntiPotenziali[2], 3.0f);

    // With the stock empty a take clears the endgame search only.
    StatoGioco f = test::ConMazzo('b', {"Ab", "3b", "Rb"}, {"Ad", "3s", "Cc"}, 0).stato;
    velto.Scegli(DalPC(f));
    ASSERT_TRUE(t.SecondoLivello[36].Piena());
    f.NumeroCarteRimaste = -2;
    velto.Osserva(evento::PresaEffettuata{Chi::PC, 0, 18}, DalPC(f));
    EXPECT_FALSE(t.SecondoLivello[36].Piena());
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(t.Peggiore[i].Valore(), 300);
}

// The filter's decision holds for its trick only: the next trick's choice is filtered again.
TEST(GiocatoreVelto, TheSixtyPointFilterDecidesForOneTrick) {
    auto caso = Caso(7);
    GiocatoreVelto velto(caso);
    // 58 points: taking the human's 3d with the Ad passes 60.
    const StatoGioco s = test::ConMazzo('b', {"4s", "Ad", "5c"}, {"3d", "6s", "7s"}, 20, Chi::H, 4, {}, 58, 30).stato;
    Distribuisci(velto, DalPC(s));
    EXPECT_EQ(velto.Scegli(DalPC(s)), 2);
    EXPECT_TRUE(velto.Tabelle().Filtro60Punti);
    velto.Osserva(evento::PresaEffettuata{Chi::PC, 21, 8}, DalPC(s));
    EXPECT_FALSE(velto.Tabelle().Filtro60Punti);
    EXPECT_EQ(velto.Scegli(DalPC(s)), 2);  // filtered again
    EXPECT_TRUE(velto.Tabelle().Filtro60Punti);
    velto.Osserva(evento::GiocoConcluso{test::EsitoNonLetto()}, DalPC(s));  // a game ending inside a trick
    EXPECT_FALSE(velto.Tabelle().Filtro60Punti);
}

// From the human's seat the sides are swapped and the computer's card on the table goes back to
// its slot; once the stock is out the other hand is what the seat has not seen.
TEST(PosizioneDallaVista, PutsTheSeatInTheComputersPlace) {
    auto [s, tab] = test::ConMazzo('b', {"Ad", "2s", "Rc"}, {"3d", "Fb", "7c"}, 32, Chi::PC, 0, {"2d", "4d", "5d", "6d"}, 7, 3);
    s.NumeroCartaGiocataDaPC = 1;
    tab.PreseVirtuali[PosizioneNelMazzo("Ad")].stato = StatoCarta::Giocata;  // marked when played
    StatoGioco m;
    PosizioneDallaVista(VistaDi(s, Chi::H, true), m);
    CartaDaRispondereNonVista(m, tab);
    EXPECT_EQ(m.Carta[1].Codice(), "3d");
    EXPECT_EQ(m.Carta[4].Codice(), "Ad");
    EXPECT_EQ(m.Carta[6].Codice(), "Rc");
    EXPECT_EQ(m.TurnoDiGioco, Chi::H);
    EXPECT_EQ(m.NumeroCartaGiocataDaH, 4);
    EXPECT_EQ(m.PuntiPC, 3);
    EXPECT_EQ(m.PuntiH, 7);
    EXPECT_EQ(m.SemeBriscola(), 'b');
    EXPECT_EQ(tab.PreseVirtuali[PosizioneNelMazzo("Ad")].stato, StatoCarta::NonVista);
    EXPECT_EQ(tab.PreseVirtuali[PosizioneNelMazzo("2d")].stato, StatoCarta::Giocata);
    EXPECT_EQ(FaseDi(m), Fase::RispondeConMazzo);

    // The third-to-last trick, the human leading the Ad: the briscola Cb, drawn last by the human,
    // is known to be in his hand.
    VistaGiocatore v;
    v.posto = Chi::PC;
    v.mano = {CartaDaGioco::DaCodice("Ab"), CartaDaGioco::DaCodice("3b"), CartaDaGioco::DaCodice("Rb")};
    v.briscola = CartaDaGioco::DaCodice("Cb");
    v.giocate = InsiemeCarte::Tutte();
    for (const char* c : {"Ab", "3b", "Rb", "3s", "Cb"}) v.giocate.Togli(CartaDaGioco::DaCodice(c));
    v.inTavola = CartaDaGioco::DaCodice("Ad");
    v.NumeroCarteRimaste = -1;
    v.TurnoDiGioco = Chi::H;
    PosizioneDallaVista(v, m);
    EXPECT_EQ(m.Carta[4].Codice(), "Ad");
    EXPECT_EQ(m.Carta[5].Codice(), "3s");
    EXPECT_EQ(m.Carta[6].Codice(), "Cb");
    EXPECT_EQ(m.NumeroCartaGiocataDaH, 4);
    EXPECT_EQ(FaseDi(m), Fase::RispondeTerzultima);
}

// A position names the briscola suit but not its face-up card: the suit must still reach the
// analysis, and a card in the slot, when there is one, decides.
TEST(SituazioneDaPosizione, KeepsTheBriscolaSuitWithoutItsCard) {
    PosizionePC p;
    p.semeBriscola = 'c';
    p.manoPC = ManoDaCodici({"Ad", "2s", "Rc"});
    p.manoH = ManoDaCodici({"3d", "Fb", "7c"});
    const Situazione sit = SituazioneDaPosizione(p);
    EXPECT_TRUE(sit.stato.Carta[kSlotBriscola].Vuota());
    EXPECT_EQ(sit.stato.SemeBriscola(), 'c');
    for (int n = 1; n <= 40; ++n) EXPECT_EQ(sit.tab.PreseVirtuali[n].briscola, n >= 21 && n <= 30) << n;
    StatoGioco t = sit.stato;
    t.Metti(kSlotBriscola, "4b");
    EXPECT_EQ(t.SemeBriscola(), 'b');
    StatoGioco vuoto;
    EXPECT_EQ(vuoto.SemeBriscola(), '\0');
}

TEST(GiocatoreVelto, OnTheHumansSeatChoosesAsTheComputerWouldInTheMirror) {
    const StatoGioco s = test::ConMazzo('b', {"3d", "Fb", "7c"}, {"Ad", "2s", "Rc"}, 34, Chi::H).stato;
    GiocatoreVelto v(1, 'A');
    EXPECT_EQ(v.Scegli(VistaPer(s, Chi::H, v)), 5);  // the 2s, as the computer leads it with this hand

    // Positions of every stage from the computer's side, played from the human's seat: the same
    // decision, draws included, with the card being answered still unseen.
    std::mt19937 gen(31);
    const int stock[] = {30, 30, 16, 16, 4, 0, -1, -2, -3};
    for (int prova = 0; prova < 900; ++prova) {
        std::vector<CartaDaGioco> mazzo;
        for (int n = 1; n <= 40; ++n) mazzo.push_back(CartaDaGioco::DaPosizione(n));
        std::shuffle(mazzo.begin(), mazzo.end(), gen);
        PosizionePC p;
        p.semeBriscola = kSemi[gen() % 4];
        p.NumeroCarteRimaste = stock[prova % 9];
        const int n = p.NumeroCarteRimaste;
        p.TurnoDiGioco = n > 0 ? (gen() % 2 ? Chi::PC : Chi::H) : n % 2 == 0 ? Chi::PC : Chi::H;
        const int carte = n >= -1 ? 3 : 2;
        auto carta = mazzo.begin();
        for (int i = 0; i < carte; ++i) {
            p.manoPC[static_cast<std::size_t>(i)] = *carta++;
            p.manoH[static_cast<std::size_t>(i)] = *carta++;
        }
        p.giocate.assign(carta, carta + (n > 0 ? 34 - n : 34 + 2 * (3 - carte)));
        if (p.TurnoDiGioco == Chi::H) p.NumeroCartaGiocataDaH = 4 + static_cast<int>(gen() % static_cast<unsigned>(carte));
        p.PuntiPC = static_cast<int>(gen() % 50);
        p.PuntiH = static_cast<int>(gen() % 50);
        const auto errore = ErrorePosizione(p);
        ASSERT_FALSE(errore) << *errore;
        const char livello = "ACE"[prova % 3];
        const std::uint64_t seme = 100 + static_cast<std::uint64_t>(prova);

        Situazione dalPC = SituazioneDaPosizione(p);
        CasoConSeme caso(seme, [] { return OraMinSec{}; });
        const EsitoDecisione atteso = DecidiMossa(dalPC.stato, dalPC.tab, caso, livello);

        // The same table with the seats swapped, and the events that marked its cards.
        StatoGioco t = dalPC.stato;
        for (int k = 1; k <= 3; ++k) {
            t.Svuota(k);
            t.Svuota(k + 3);
            t.Metti(k, p.manoH[static_cast<std::size_t>(k - 1)]);
            t.Metti(k + 3, p.manoPC[static_cast<std::size_t>(k - 1)]);
        }
        t.TurnoDiGioco = p.TurnoDiGioco == Chi::PC ? Chi::H : Chi::PC;
        t.NumeroCartaGiocataDaH = 0;
        t.NumeroCartaGiocataDaPC = p.NumeroCartaGiocataDaH != 0 ? p.NumeroCartaGiocataDaH - 3 : 0;
        t.PuntiPC = p.PuntiH;
        t.PuntiH = p.PuntiPC;
        // Once the stock is out the human's seat reads the computer's hand from the cards seen.
        GiocatoreVelto velto(seme, livello);
        Distribuisci(velto, VistaPer(t, Chi::H, velto));
        for (const auto& c : p.giocate) Registra(velto, c);
        if (t.NumeroCartaGiocataDaPC != 0) velto.Osserva(evento::CartaGiocata{Chi::PC, t.NumeroCartaGiocataDaPC, false}, VistaPer(t, Chi::H, velto));
        ASSERT_EQ(velto.Scegli(VistaPer(t, Chi::H, velto)), atteso.scelta + 3) << "prova " << prova;
    }
}

// Mr. VELTO on the computer's seat, each of its choices (from his view) checked against the same
// decision taken from scratch on the whole table: fresh tables with the cards played so far
// (followed here from the events); one decision per trick, so the 60-point flag starts off each time.
class SceltaDaZero : public Giocatore {
public:
    explicit SceltaDaZero(Giocatore& g) : g_(g) {}
    bool LeggeLaManoAvversaria() const override { return g_.LeggeLaManoAvversaria(); }
    int Scegli(const VistaGiocatore& vista) override {
        const StatoGioco& s = *tavola;
        TabellePC tab;
        PreparaPreseVirtuali(s, tab);
        for (const auto& c : giocate_) tab.PreseVirtuali[PosizioneNelMazzo(c)].stato = StatoCarta::Giocata;
        auto caso = Caso(0);
        const EsitoDecisione atteso = DecidiMossa(s, tab, caso, 'A');
        const int k = g_.Scegli(vista);
        if (atteso.fase == Fase::IniziaTerzultima || atteso.fase == Fase::RispondeTerzultima) {
            EXPECT_NE(std::find(atteso.candidati.begin(), atteso.candidati.end(), k), atteso.candidati.end());
            ++terzultime;
        } else {
            EXPECT_EQ(k, atteso.calcolata) << "stock " << s.NumeroCarteRimaste;
        }
        ++scelte;
        return k;
    }
    int VariaTempoDiRisposta() override { return g_.VariaTempoDiRisposta(); }
    int ApplicaLivelloDiGioco(const VistaGiocatore& v, char livello, int scelta) override { return g_.ApplicaLivelloDiGioco(v, livello, scelta); }
    void Osserva(const Evento& e, const VistaPigra& v) override {
        if (std::holds_alternative<evento::GiocoImpostato>(e)) {
            giocate_.clear();
        } else if (const auto* g = std::get_if<evento::CartaGiocata>(&e)) {
            giocate_.push_back(std::string(tavola->Carta[g->slot].Codice()));
        }
        g_.Osserva(e, v);
    }

    int scelte = 0;
    int terzultime = 0;
    const StatoGioco* tavola = nullptr;  // the whole table, for the decision taken from it

private:
    Giocatore& g_;
    std::vector<std::string> giocate_;
};

// Whole games: every game ends cleanly, every choice is the one its position gives, and
// Mr. VELTO, who sees the random player's hand, wins most games.
TEST(GiocatoreVelto, PlaysWholeGamesFollowingTheTablesEvents) {
    auto caso = Caso(9);
    GiocatoreVelto velto(caso);
    SceltaDaZero controllato(velto);
    GiocatoreCasuale avversario(5);
    test::TavolaDiProva tavola{controllato, avversario};
    controllato.tavola = &tavola.s;
    std::mt19937 gen(17);
    int vinti = 0;
    for (int g = 0; g < 40; ++g) {
        const auto esito = tavola.Gioca(g % 2 ? Chi::PC : Chi::H, gen);
        ASSERT_FALSE(HasFatalFailure());
        EXPECT_EQ(esito.puntiPC + esito.puntiH, 120);
        EXPECT_EQ(esito.prese, 20);
        vinti += esito.puntiPC > 60;
    }
    EXPECT_EQ(controllato.scelte, 40 * 20);
    EXPECT_EQ(controllato.terzultime, 40);
    EXPECT_GT(vinti, 30);
}

}  // namespace
}  // namespace mrvelto
