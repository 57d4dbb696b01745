// SPDX-License-Identifier: GPL-3.0-or-later
// What an external opponent is told, checked at every move of whole games on the real table:
// it sees its own hand, the public cards and nothing of the other hand; the played list is the
// game's real order (the data panel's tricks).
#include <gtest/gtest.h>

#include <set>

#include "game/Conduttore.h"
#include "game/OraVirtuale.h"
#include "player/GiocatoreVelto.h"
#include "sim/Osservazione.h"
#include "sim/SequenzaGiocate.h"
#include "game/Opzioni.h"
#include "support/TestoOpzioni.h"

namespace mrvelto::sim {
namespace {

using Json = nlohmann::ordered_json;
using test::Imposta;

// Plays the first card it may, after checking the observation it would be sent.
class Osservatore : public Giocatore {
public:
    Osservatore(const SequenzaGiocate& seq, const Tavolo& tavolo) : opzioni_(tavolo.Opz()), tavolo_(tavolo), seq_(seq) {}
    int Scegli(const VistaGiocatore& vista) override {
        const StatoGioco& s = tavolo_.Stato();
        ContestoOsservazione c;
        c.conclusioneGioco = opzioni_.Testo(OpzConclusioneGioco);
        c.conclusionePartita = opzioni_.Testo(OpzConclusionePartita);
        const Json j = RigaMossa(s, c, seq_.Giocate());
        Controlla(s, j);
        ++mosse;
        for (int i = 0; i < 3; ++i)
            if (vista.mano[static_cast<std::size_t>(i)]) return 4 + i;
        return 0;
    }
    std::string Nome() const override { return "osservatore"; }
    int mosse = 0;
    bool vistaCartaInTavola = false, vistaBriscolaScoperta = false, vistaBriscolaNascosta = false;

private:
    const Opzioni& opzioni_;
    const Tavolo& tavolo_;  // the whole table, to check that nothing hidden leaks
    void Controlla(const StatoGioco& s, const Json& j) {
        SCOPED_TRACE(j.dump());
        ASSERT_EQ(j["hand"].size(), 3u);
        for (int i = 0; i < 3; ++i) {
            const std::string c(s.Carta[4 + i].Codice());
            EXPECT_EQ(j["hand"][i], c.empty() ? Json(nullptr) : Json(c));
            EXPECT_EQ(j["slots"][i], 4 + i);
        }
        // The computer's hand: every card of slots 1..3 but the one it led with.
        const int inTavola = s.TurnoDiGioco == Chi::PC ? s.NumeroCartaGiocataDaPC : 0;
        const std::string testo = j.dump();
        for (int k = 1; k <= 3; ++k)
            if (k != inTavola && !s.Carta[k].Vuota()) {
                EXPECT_EQ(testo.find('"' + std::string(s.Carta[k].Codice()) + '"'), std::string::npos) << "leaks " << s.Carta[k];
            }
        if (inTavola) {
            EXPECT_EQ(j["table"], std::string(s.Carta[inTavola].Codice()));
            EXPECT_EQ(j["leader"], "opponent");
            vistaCartaInTavola = true;
        } else {
            EXPECT_TRUE(j["table"].is_null());
            EXPECT_EQ(j["leader"], "you");
        }
        EXPECT_EQ(j["briscola"], std::string(1, s.SemeBriscola()));
        if (s.NumeroCarteRimaste > 0) {
            EXPECT_EQ(j["briscola_card"], std::string(s.Carta[kSlotBriscola].Codice()));
            EXPECT_EQ(j["stock"], s.NumeroCarteRimaste);
            vistaBriscolaScoperta = true;
        } else {
            EXPECT_TRUE(j["briscola_card"].is_null());
            EXPECT_EQ(j["stock"], 0);
            vistaBriscolaNascosta = true;
        }
        EXPECT_EQ(j["points"]["you"], s.PuntiH);
        EXPECT_EQ(j["points"]["opponent"], s.PuntiPC);
        EXPECT_EQ(j["trick"], s.Manche);
        // Two cards per finished trick, and the computer's lead when there is one.
        EXPECT_EQ(j["played"].size(), static_cast<std::size_t>(2 * (s.Manche - 1) + (inTavola ? 1 : 0)));
        EXPECT_EQ(j["rules"]["Conclusione del Gioco:"], "Fino all'ultima presa");
        EXPECT_EQ(j["rules"]["Conclusione della Partita:"], "Al meglio di 4 Giochi");
    }
    const SequenzaGiocate& seq_;
};

// The played list against the data panel's record of each trick (cells b+9 computer, b+10 human):
// same cards, and in each trick the leader's card first.
void ConfrontaConPannello(const Tavolo& t, const std::vector<Giocata>& giocate) {
    const StatoGioco& s = t.Stato();
    ASSERT_EQ(giocate.size() % 2, 0u);
    ASSERT_EQ(static_cast<int>(giocate.size()) / 2, s.Manche - 1);
    Chi diMano = s.GiocoIniziatoDa;
    std::set<CartaDaGioco> tutte;
    for (std::size_t i = 0; i + 1 < giocate.size(); i += 2) {
        const int b = 6 * static_cast<int>(i / 2 + 1);
        const Giocata& primo = giocate[i];
        const Giocata& secondo = giocate[i + 1];
        EXPECT_EQ(primo.chi, diMano) << "trick " << i / 2 + 1;
        EXPECT_NE(secondo.chi, primo.chi);
        const Giocata& pc = primo.chi == Chi::PC ? primo : secondo;
        const Giocata& h = primo.chi == Chi::PC ? secondo : primo;
        EXPECT_EQ(t.Dati()[b + 9].testo, pc.carta.Codice()) << "trick " << i / 2 + 1;
        EXPECT_EQ(t.Dati()[b + 10].testo, h.carta.Codice()) << "trick " << i / 2 + 1;
        diMano = DecidiPresa(primo.chi, pc.carta, h.carta, s.SemeBriscola()).vincitore;
        tutte.insert(primo.carta);
        tutte.insert(secondo.carta);
    }
    EXPECT_EQ(tutte.size(), giocate.size());
}

TEST(Osservazione, ShowsOneSeatOnlyAndThePlayedCardsInTheirOrder) {
    for (std::uint64_t seme : {1u, 2u, 3u}) {
        OrologioVirtuale orologio;
        CasoConSeme caso(seme, OraDaOrologioVirtuale(orologio));
        Opzioni opzioni;
        Imposta(opzioni, OpzConclusioneGioco, "Fino all'ultima presa");
        Tavolo tavolo(orologio, caso, [] { return DataOra{}; }, opzioni);
        GiocatoreVelto velto(caso);
        tavolo.ImpostaGiocatorePC(&velto);
        SequenzaGiocate seq;
        int finiti = 0;
        auto ascolto = tavolo.Eventi().Iscrivi([&](const Evento& e) {
            seq.Osserva(e, tavolo.Stato());
            if (!std::holds_alternative<evento::GiocoConcluso>(e)) return;
            EXPECT_EQ(seq.Giocate().size(), 40u);
            ConfrontaConPannello(tavolo, seq.Giocate());
            ++finiti;
        });
        Osservatore oss(seq, tavolo);
        Conduttore conduttore(tavolo, orologio, oss);
        tavolo.Avvia();
        ASSERT_TRUE(conduttore.FinoAGiochi(4, 1'000'000));
        EXPECT_EQ(finiti, 4);
        EXPECT_EQ(oss.mosse, 4 * 19);  // the 20th card of each game is played by the table
        EXPECT_TRUE(oss.vistaCartaInTavola);
        EXPECT_TRUE(oss.vistaBriscolaScoperta);
        EXPECT_TRUE(oss.vistaBriscolaNascosta);
    }
}

// The order of play comes from the events, not from the state: a card is listed when it leaves a hand.
TEST(SequenzaGiocate, ListsTheCardsAsTheyLeaveTheHandsAndStartsAgainWithEachGame) {
    StatoGioco s;
    SequenzaGiocate seq;
    auto gioca = [&](const char* carta, Chi chi, int slot, bool risposta) {
        s.Metti(slot, carta);
        seq.Osserva(evento::CartaGiocata{chi, slot, risposta}, s);
        seq.Osserva(evento::CartaArrivata{chi, slot, risposta}, s);  // arriving adds nothing
    };
    seq.Osserva(evento::GiocoImpostato{true, true}, s);
    // Human leads Ad, computer takes with 3b and leads 4c; human answers Fc.
    gioca("Ad", Chi::H, 4, false);
    gioca("3b", Chi::PC, 1, true);
    gioca("4c", Chi::PC, 2, false);
    gioca("Fc", Chi::H, 6, true);
    ASSERT_EQ(seq.Giocate().size(), 4u);
    const char* attese[] = {"Ad", "3b", "4c", "Fc"};
    const Chi chi[] = {Chi::H, Chi::PC, Chi::PC, Chi::H};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(seq.Giocate()[i].carta.Codice(), attese[i]);
        EXPECT_EQ(seq.Giocate()[i].chi, chi[i]);
    }
    seq.Osserva(evento::GiocoImpostato{false, false}, s);
    gioca("7s", Chi::PC, 3, false);
    ASSERT_EQ(seq.Giocate().size(), 1u);
    EXPECT_EQ(seq.Giocate()[0].carta.Codice(), "7s");
}

TEST(Osservazione, FromTheComputersSeatTheSidesAreMirrored) {
    StatoGioco s;
    for (int k = 1; k <= 7; ++k) s.Metti(k, std::array{"Ac", "2d", "Rb", "3s", "Fc", "7b", "5b"}[static_cast<std::size_t>(k - 1)]);
    s.PuntiH = 14;
    s.PuntiPC = 22;
    s.PartiteH = 1;
    s.TurnoDiGioco = Chi::H;
    s.NumeroCartaGiocataDaH = 4;  // the human led 3s
    s.NumeroCarteRimaste = 20;
    ContestoOsservazione c;
    c.posto = Chi::PC;
    const Json j = RigaMossa(s, c, {{CartaDaGioco::DaCodice("3s"), Chi::H}});
    EXPECT_EQ(j["seat"], "PC");
    EXPECT_EQ(j["hand"], (Json{"Ac", "2d", "Rb"}));
    EXPECT_EQ(j["slots"], (Json{1, 2, 3}));
    EXPECT_EQ(j["table"], "3s");
    EXPECT_EQ(j["leader"], "opponent");
    EXPECT_EQ(j["points"], (Json{{"you", 22}, {"opponent", 14}}));
    EXPECT_EQ(j["games_won"], (Json{{"you", 0}, {"opponent", 1}}));
    EXPECT_EQ(j["played"], (Json::array({Json{{"card", "3s"}, {"by", "opponent"}}})));
    const std::string testo = j.dump();
    for (const char* nascosta : {"\"Fc\"", "\"7b\""}) EXPECT_EQ(testo.find(nascosta), std::string::npos);

    EsitoGioco e;
    e.PuntiH = 50;
    e.PuntiPC = 70;
    e.Vincitore = Chi::PC;
    e.PartitePC = 3;
    e.partitaFinita = false;
    const Json f = RigaFine(e, c, {});
    EXPECT_EQ(f["result"], "win");
    EXPECT_EQ(f["points"], (Json{{"you", 70}, {"opponent", 50}}));
    EXPECT_EQ(f["games_won"], (Json{{"you", 3}, {"opponent", 0}}));
    c.posto = Chi::H;
    EXPECT_EQ(RigaFine(e, c, {})["result"], "loss");
    e.Vincitore = Chi::Nessuno;
    EXPECT_EQ(RigaFine(e, c, {})["result"], "draw");
}

}  // namespace
}  // namespace mrvelto::sim
