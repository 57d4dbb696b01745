// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/PosizionePC.h"

#include <set>

#include "player/PotenzialeCarte.h"

namespace mrvelto {

namespace {

int CarteInMano(const std::array<std::string, 3>& mano) {
    int n = 0;
    for (const auto& c : mano) n += !c.empty();
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
    std::set<std::string> viste;
    auto controlla = [&](const std::string& c) -> std::optional<std::string> {
        if (!CodiceValido(c)) return "carta sconosciuta: \"" + c + "\"";
        if (!viste.insert(c).second) return "carta presente due volte: \"" + c + "\"";
        return std::nullopt;
    };
    for (const auto* mano : {&p.manoPC, &p.manoH})
        for (const auto& c : *mano)
            if (!c.empty())
                if (auto e = controlla(c)) return e;
    for (const auto& c : p.giocate)
        if (auto e = controlla(c)) return e;

    // Cards per hand and cards played, by the stage.
    const int mano = n > 0 ? 3 : n >= -1 ? 3 : n >= -3 ? 2 : 1;
    const int giocate = n > 0 ? 34 - n : n >= -1 ? 34 : n >= -3 ? 36 : 38;
    if (CarteInMano(p.manoPC) != mano || CarteInMano(p.manoH) != mano)
        return "con stock " + std::to_string(n) + " ogni mano tiene " + std::to_string(mano) + " carte";
    if (static_cast<int>(p.giocate.size()) != giocate)
        return "con stock " + std::to_string(n) + " le carte giocate sono " + std::to_string(giocate) + ", non " + std::to_string(p.giocate.size());
    if (n > 0)
        for (const auto* m : {&p.manoPC, &p.manoH})
            for (const auto& c : *m)
                if (c.empty()) return "con il mazzo non vuoto le mani sono piene";
    if (p.TurnoDiGioco == Chi::H) {
        const int h = p.NumeroCartaGiocataDaH;
        if (h < 4 || h > 6 || p.manoH[static_cast<std::size_t>(h - 4)].empty()) return "played_h deve indicare una carta della mano di H (4..6)";
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
        if (!p.manoPC[static_cast<std::size_t>(i)].empty()) s.Metti(i + 1, p.manoPC[static_cast<std::size_t>(i)]);
        if (!p.manoH[static_cast<std::size_t>(i)].empty()) s.Metti(i + 4, p.manoH[static_cast<std::size_t>(i)]);
    }
    s.SemeSenzaCarta = p.semeBriscola;
    s.NumeroCarteRimaste = p.NumeroCarteRimaste;
    s.TurnoDiGioco = p.TurnoDiGioco;
    s.AChiTocca = Chi::PC;
    s.NumeroCartaGiocataDaH = p.NumeroCartaGiocataDaH;
    s.PuntiPC = p.PuntiPC;
    s.PuntiH = p.PuntiH;
    PreparaPreseVirtuali(s, r.tab);
    for (const auto& c : p.giocate) {
        const int n = PosizioneNelMazzo(c);
        r.tab.PreseVirtuali[n].stato = StatoCarta::Giocata;
        s.Giocate.Aggiungi(CartaDaGioco::DaPosizione(n));
    }
    return r;
}

}  // namespace mrvelto
