// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/PosizionePC.h"

#include "cards/InsiemeCarte.h"
#include "player/PotenzialeCarte.h"

namespace mrvelto {

namespace {

int CarteInMano(const std::array<CartaDaGioco, 3>& mano) {
    int n = 0;
    for (const CartaDaGioco c : mano) n += !c.Vuota();
    return n;
}

}  // namespace

std::optional<std::string> ErrorePosizione(const PosizionePC& p) {
    if (IndiceDelSeme(p.semeBriscola) < 0)
        return "seme di briscola sconosciuto: '" + std::string(1, p.semeBriscola) + "'";
    const int n = p.NumeroCarteRimaste;
    if (n > 34 || n < -5) return "stock fuori dall'intervallo 34..-5: " + std::to_string(n);
    if (n > 0 && n % 2 != 0) return "stock dispari con il mazzo non vuoto: " + std::to_string(n);
    if (n <= 0) {
        const Chi atteso = n % 2 == 0 ? Chi::PC : Chi::H;
        if (p.TurnoDiGioco != atteso)
            return std::string("con stock ") + std::to_string(n) + " tocca a " + (atteso == Chi::PC ? "PC" : "H") + " iniziare";
    }
    InsiemeCarte viste;
    auto controlla = [&](CartaDaGioco c) -> std::optional<std::string> {
        if (viste.Contiene(c)) return "carta presente due volte: \"" + std::string(c.Codice()) + "\"";
        viste.Aggiungi(c);
        return std::nullopt;
    };
    for (const auto* mano : {&p.manoPC, &p.manoH})
        for (const CartaDaGioco c : *mano)
            if (!c.Vuota())
                if (auto e = controlla(c)) return e;
    for (const CartaDaGioco c : p.giocate) {
        if (c.Vuota()) return "una carta giocata manca";
        if (auto e = controlla(c)) return e;
    }

    // Cards per hand and cards played, by the stage.
    const int mano = n > 0 ? 3 : n >= -1 ? 3 : n >= -3 ? 2 : 1;
    const int giocate = n > 0 ? 34 - n : n >= -1 ? 34 : n >= -3 ? 36 : 38;
    if (CarteInMano(p.manoPC) != mano || CarteInMano(p.manoH) != mano)
        return "con stock " + std::to_string(n) + " ogni mano tiene " + std::to_string(mano) + " carte";
    if (static_cast<int>(p.giocate.size()) != giocate)
        return "con stock " + std::to_string(n) + " le carte giocate sono " + std::to_string(giocate) + ", non " + std::to_string(p.giocate.size());
    if (n > 0)
        for (const auto* m : {&p.manoPC, &p.manoH})
            for (const CartaDaGioco c : *m)
                if (c.Vuota()) return "con il mazzo non vuoto le mani sono piene";
    if (p.TurnoDiGioco == Chi::H) {
        const int h = p.NumeroCartaGiocataDaH;
        if (h < 4 || h > 6 || p.manoH[static_cast<std::size_t>(h - 4)].Vuota()) return "played_h deve indicare una carta della mano di H (4..6)";
    } else if (p.NumeroCartaGiocataDaH != 0) {
        return "played_h vale solo quando il computer risponde";
    }
    if (p.PuntiPC < 0 || p.PuntiH < 0 || p.PuntiPC + p.PuntiH > 120) return "punti fuori dall'intervallo 0..120";
    return std::nullopt;
}

Situazione SituazioneDaPosizione(const PosizionePC& p) {
    Situazione r;
    StatoGioco& s = r.stato;
    for (int i = 0; i < 3; ++i) {
        s.Metti(i + 1, p.manoPC[static_cast<std::size_t>(i)]);
        s.Metti(i + 4, p.manoH[static_cast<std::size_t>(i)]);
    }
    s.SemeSenzaCarta = p.semeBriscola;
    s.NumeroCarteRimaste = p.NumeroCarteRimaste;
    s.TurnoDiGioco = p.TurnoDiGioco;
    s.AChiTocca = Chi::PC;
    s.NumeroCartaGiocataDaH = p.NumeroCartaGiocataDaH;
    s.PuntiPC = p.PuntiPC;
    s.PuntiH = p.PuntiH;
    PreparaPreseVirtuali(s, r.tab);
    for (const CartaDaGioco c : p.giocate) {
        r.tab.PreseVirtuali[c.Posizione()].stato = StatoCarta::Giocata;
        s.Giocate.Aggiungi(c);
    }
    return r;
}

}  // namespace mrvelto
