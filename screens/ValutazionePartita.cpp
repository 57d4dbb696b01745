// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/ValutazionePartita.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <thread>

namespace mrvelto {

std::vector<VistaGiocatore> VisteDiH(const GiocoRicostruito& g) {
    std::vector<VistaGiocatore> viste;
    std::array<CartaDaGioco, 3> mano = g.manoH;
    InsiemeCarte giocate;
    int puntiH = 0, puntiPC = 0;
    const int ultimaPesca = 17;  // tricks 1..17 are followed by a draw
    for (std::size_t t = 0; t < g.manche.size(); ++t) {
        const MancheRicostruita& m = g.manche[t];
        VistaGiocatore v;
        v.posto = Chi::H;
        v.mano = mano;
        v.briscola = g.briscola;
        v.TurnoDiGioco = m.primo;
        v.puntiPropri = puntiH;
        v.puntiAvversario = puntiPC;
        const int n = static_cast<int>(t);
        v.NumeroCarteRimaste = n < ultimaPesca ? 34 - 2 * n : -2 * (n - ultimaPesca) - (m.primo == Chi::PC ? 1 : 0);
        v.giocate = giocate;
        if (m.primo == Chi::PC) {
            v.inTavola = m.cartaPC;
            v.giocate.Aggiungi(m.cartaPC);
        }
        viste.push_back(v);
        // After the trick: the card leaves its slot and the one drawn takes its place.
        giocate.Aggiungi(m.cartaPC);
        giocate.Aggiungi(m.cartaH);
        for (CartaDaGioco& c : mano)
            if (c == m.cartaH) c = m.pescaH;
        puntiH = m.puntiH;
        puntiPC = m.puntiPC;
    }
    return viste;
}

GiudizioManche GiudicaManche(const GiocoRicostruito& g, const VistaGiocatore& vista, int manche, int campioni, std::uint64_t seme) {
    GiudizioManche r;
    r.manche = manche;
    r.vista = vista;
    r.giocata = g.manche[static_cast<std::size_t>(manche - 1)].cartaH;
    r.valutazione = ValutaMosse(vista, campioni, seme * 0x9E3779B97F4A7C15ULL + static_cast<std::uint64_t>(manche));
    const StimaCarta* migliore = r.valutazione.Migliore();
    const StimaCarta* giocata = r.valutazione.Di(r.giocata);
    if (migliore && giocata) {
        r.migliore = migliore->carta;
        r.costo = std::max(0.0, migliore->media - giocata->media);
    }
    return r;
}

std::vector<GiudizioManche> GiudicaPartita(const GiocoRicostruito& g, int campioni, std::uint64_t seme, int fili) {
    const std::vector<VistaGiocatore> viste = VisteDiH(g);
    std::vector<GiudizioManche> r(viste.size());
    std::atomic<std::size_t> prossima{0};
    auto lavora = [&] {
        for (std::size_t t = prossima++; t < viste.size(); t = prossima++)
            r[t] = GiudicaManche(g, viste[t], static_cast<int>(t) + 1, campioni, seme);
    };
    std::vector<std::thread> altri;
    for (int i = 1; i < std::max(1, fili); ++i) altri.emplace_back(lavora);
    lavora();
    for (auto& t : altri) t.join();
    return r;
}

std::string Decimale(double x) {
    char b[32];
    std::snprintf(b, sizeof b, "%.1f", x);
    std::string s = b;
    std::replace(s.begin(), s.end(), '.', ',');
    return s == "-0,0" ? "0,0" : s;
}

std::string TestoGiudizio(const GiudizioManche& g) {
    const StimaCarta* giocata = g.valutazione.Di(g.giocata);
    if (!giocata) return {};
    if (g.migliore == g.giocata) return "la scelta migliore: " + Decimale(giocata->media) + " punti attesi";
    // Closer than the samples can tell apart.
    if (g.costo < kDifferenzaMinima) return "buona quanto la migliore: " + Decimale(giocata->media) + " punti attesi";
    return std::string(g.migliore.Codice()) + " era meglio: +" + Decimale(g.costo) + " punti attesi";
}

std::string TestoRiepilogo(const std::vector<GiudizioManche>& giudizi) {
    double costo = 0;
    int costose = 0;
    for (const GiudizioManche& g : giudizi) {
        costo += g.costo;
        costose += g.Costosa() ? 1 : 0;
    }
    return "Costo atteso del Gioco: " + Decimale(costo) + " punti; " + std::to_string(costose) +
           (costose == 1 ? " mossa costosa." : " mosse costose.");
}

}  // namespace mrvelto
