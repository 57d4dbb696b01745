// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A bare table for whole games between two players: it deals, asks each seat, takes and draws,
// and publishes the events a player follows, in the order and with the state the game has at
// each. No timers, no options, no 60-point end: every game runs its twenty tricks.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "game/Giocatore.h"
#include "game/Procedure.h"

namespace mrvelto::test {

// The players here never read the game's outcome, whose type belongs to the flow: the end of a
// game refers to a stand-in.
inline const EsitoGioco& EsitoNonLetto() {
    static const int segnaposto = 0;
    return reinterpret_cast<const EsitoGioco&>(segnaposto);
}

struct TavolaDiProva {
    TavolaDiProva(Giocatore& alPC, Giocatore& alH) : pc(alPC), h(alH) {}

    Giocatore& pc;
    Giocatore& h;
    char livello = 'A';  // the computer's level at the move
    StatoGioco s;

    struct Esito {
        int puntiPC = 0;
        int puntiH = 0;
        int prese = 0;
    };

    Esito Gioca(Chi primo, std::mt19937& gen) {
        s = StatoGioco{};
        s.GiocoIniziatoDa = s.TurnoDiGioco = s.AChiTocca = primo;
        std::vector<std::string> mazzo(MazzoOrdinato().begin(), MazzoOrdinato().end());
        std::shuffle(mazzo.begin(), mazzo.end(), gen);
        Pubblica(evento::GiocoImpostato{false, false});
        for (int k = 1; k <= 6; ++k) Pesca(k, mazzo);
        s.Metti(kSlotBriscola, mazzo.front());  // the last card of the stock, face up
        mazzo.erase(mazzo.begin());
        Pubblica(evento::DistribuzioneFinita{});
        Esito esito;
        while (s.NumeroCarteRimaste > -6) {
            const Chi primoDiMano = s.TurnoDiGioco;
            Gioca(primoDiMano, false);
            Gioca(Altro(primoDiMano), true);
            if (::testing::Test::HasFatalFailure()) return esito;
            const int kp = s.NumeroCartaGiocataDaPC, kh = s.NumeroCartaGiocataDaH;
            const EsitoPresa presa = DecidiPresa(s.TurnoDiGioco, s.Carta[kp], s.Carta[kh], s.SemeBriscola());
            (presa.vincitore == Chi::PC ? s.PuntiPC : s.PuntiH) += presa.punti;
            s.TurnoDiGioco = s.AChiTocca = presa.vincitore;
            Pubblica(evento::PresaEffettuata{presa.vincitore, presa.punti, s.Manche});
            ++s.Manche;
            ++esito.prese;
            if (s.NumeroCarteRimaste > 0) {
                // The winner draws first; of the last two, the loser takes the face-up briscola.
                for (Chi chi : {presa.vincitore, Altro(presa.vincitore)}) {
                    const int slot = chi == Chi::PC ? kp : kh;
                    if (mazzo.empty())
                        s.Metti(slot, s.Carta[kSlotBriscola]);
                    else
                        Pesca(slot, mazzo);
                    --s.NumeroCarteRimaste;
                    Pubblica(evento::CartaPescata{chi, slot});
                }
                s.NumeroCartaGiocataDaPC = s.NumeroCartaGiocataDaH = 0;
                Pubblica(evento::PescaFinita{});
            } else {
                s.Svuota(kp);
                s.Svuota(kh);
                s.NumeroCartaGiocataDaPC = s.NumeroCartaGiocataDaH = 0;
            }
        }
        Pubblica(evento::GiocoConcluso{EsitoNonLetto()});
        esito.puntiPC = s.PuntiPC;
        esito.puntiH = s.PuntiH;
        return esito;
    }

private:
    static Chi Altro(Chi c) { return c == Chi::PC ? Chi::H : Chi::PC; }

    void Pubblica(const Evento& e) {
        pc.Osserva(e, VistaPer(s, Chi::PC, pc));
        h.Osserva(e, VistaPer(s, Chi::H, h));
    }

    void Pesca(int slot, std::vector<std::string>& mazzo) {
        s.Metti(slot, mazzo.back());
        mazzo.pop_back();
    }

    void Gioca(Chi chi, bool risposta) {
        int k;
        if (chi == Chi::H) {
            k = h.Scegli(VistaPer(s, Chi::H, h));
        } else {
            k = pc.Scegli(VistaPer(s, Chi::PC, pc));
            pc.VariaTempoDiRisposta();
            if (livello != 'A' && s.NumeroCarteRimaste >= 1) k = pc.ApplicaLivelloDiGioco(VistaPer(s, Chi::PC, pc), livello, k);
        }
        const int primo = chi == Chi::PC ? 1 : 4;
        ASSERT_TRUE(k >= primo && k < primo + 3 && !s.Carta[k].Vuota()) << "slot " << k;
        if (s.NumeroCarteRimaste < 1) --s.NumeroCarteRimaste;
        (chi == Chi::PC ? s.NumeroCartaGiocataDaPC : s.NumeroCartaGiocataDaH) = k;
        s.CartaGiocata = {s.Carta[k], chi};
        RegistraCartaGiocata(s);
        s.AChiTocca = risposta ? Chi::Nessuno : Altro(chi);
        Pubblica(evento::CartaGiocata{chi, k, risposta});
    }
};

}  // namespace mrvelto::test
