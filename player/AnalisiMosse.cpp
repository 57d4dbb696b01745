// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/AnalisiMosse.h"

#include <cmath>

#include "player/GiocoAperto.h"

namespace mrvelto {

namespace {

// Cards in the other side's hand, the one it may have on the table excluded.
int CarteAvversario(const VistaGiocatore& v) {
    // Both hands hold the same number of cards before the trick, one less after playing to it.
    int mie = 0;
    for (CartaDaGioco c : v.mano) mie += c ? 1 : 0;
    return v.inTavola ? mie - 1 : mie;
}

int CopertePerNumero(int n) { return n > 0 ? n - 1 : 0; }

GiocoAperto Base(const VistaGiocatore& v) {
    GiocoAperto g;
    g.mano[0] = v.mano;
    g.briscola = v.briscola;
    g.semeBriscola = v.briscola.Seme();
    g.NumeroCarteRimaste = v.NumeroCarteRimaste;
    g.carteNelMazzo = CopertePerNumero(v.NumeroCarteRimaste);
    g.punti = {v.puntiPropri, v.puntiAvversario};
    g.primo = v.Inizia() ? 0 : 1;
    g.Prepara(v.giocate.Senza(InsiemeCarte::Di(v.inTavola)).Bit());
    return g;
}

// The other side's card on the table goes into its hand at index 0, played.
void MettiInTavola(GiocoAperto& g, CartaDaGioco inTavola) {
    if (!inTavola) return;
    g.mano[1][0] = inTavola;
    g.memoria[inTavola.Posizione()].stato = StatoCarta::Giocata;
    g.giocata[1] = 0;
}

}  // namespace

const StimaCarta* ValutazioneMosse::Migliore() const {
    const StimaCarta* m = nullptr;
    for (const StimaCarta& s : carte)
        if (!m || s.media > m->media) m = &s;
    return m;
}

const StimaCarta* ValutazioneMosse::Di(CartaDaGioco c) const {
    for (const StimaCarta& s : carte)
        if (s.carta == c) return &s;
    return nullptr;
}

std::optional<std::string> ErroreVista(const VistaGiocatore& v) {
    if (!v.briscola) return "manca la carta di briscola";
    int mie = 0;
    for (CartaDaGioco c : v.mano) {
        if (!c) continue;
        ++mie;
        if (v.giocate.Contiene(c)) return "una carta della mano è anche tra le carte giocate";
    }
    if (mie == 0) return "la mano è vuota";
    if (v.inTavola && !v.giocate.Contiene(v.inTavola)) return "la carta in tavola non è tra le carte giocate";
    if (v.giocate.Contiene(v.briscola) && v.NumeroCarteRimaste > 0) return "la briscola scoperta risulta giocata";
    if (v.inTavola && v.Inizia()) return "una carta in tavola quando tocca a chi inizia";
    if (!v.inTavola && !v.Inizia()) return "manca la carta in tavola di chi ha iniziato";
    const int n = v.NumeroCarteRimaste;
    if (n > 34 || n < -5 || (n > 0 && n % 2 != 0)) return "numero di carte rimaste impossibile: " + std::to_string(n);
    if (n > 0 && mie != 3) return "con il mazzo non vuoto la mano tiene tre carte";
    const int attese = CarteAvversario(v) + CopertePerNumero(n) - (v.BriscolaAllAvversario() ? 1 : 0);
    if (v.manoAvversario) {
        int sue = 0;
        for (CartaDaGioco c : *v.manoAvversario) {
            if (!c) continue;
            ++sue;
            if (v.Viste().Contiene(c)) return "una carta della mano avversaria è anche tra le carte viste";
        }
        if (sue != CarteAvversario(v)) return "la mano avversaria non ha il numero di carte atteso";
    }
    if (v.Nascoste().Conta() != attese)
        return "carte nascoste " + std::to_string(v.Nascoste().Conta()) + ", attese " + std::to_string(attese);
    if (v.puntiPropri < 0 || v.puntiAvversario < 0 || v.puntiPropri + v.puntiAvversario > 120) return "punti impossibili";
    return std::nullopt;
}

ValutazioneMosse ValutaMosse(const VistaGiocatore& v, int campioni, std::uint64_t seme) {
    ValutazioneMosse r;
    if (ErroreVista(v)) return r;
    const GiocoAperto base = Base(v);
    std::vector<int> indici;
    for (int i = 0; i < 3; ++i)
        if (v.mano[static_cast<std::size_t>(i)]) indici.push_back(i);

    // Nothing hidden: the other hand is what the seat has not seen.
    if (v.NumeroCarteRimaste <= 0) {
        GiocoAperto g = base;
        MettiInTavola(g, v.inTavola);
        InsiemeCarte sue = v.Nascoste();
        if (v.BriscolaAllAvversario()) sue.Aggiungi(v.briscola);
        std::size_t k = g.giocata[1] == 0 ? 1 : 0;
        sue.PerOgni([&](CartaDaGioco c) { g.mano[1][k++] = c; });
        for (int i : indici) {
            GiocoAperto h = g;
            h.Gioca(0, i);
            r.carte.push_back({i, v.mano[static_cast<std::size_t>(i)], static_cast<double>(RicercaEsatta(h)), 0});
        }
        return r;
    }

    campioni = std::max(1, campioni);
    r.campioni = campioni;
    std::vector<CartaDaGioco> nascoste;
    v.Nascoste().PerOgni([&](CartaDaGioco c) { nascoste.push_back(c); });
    std::vector<CartaDaGioco> sue;
    if (v.manoAvversario)
        for (CartaDaGioco c : *v.manoAvversario)
            if (c) {
                sue.push_back(c);
                std::erase(nascoste, c);
            }
    const int daDare = CarteAvversario(v);
    std::vector<double> somma(indici.size()), quadrati(indici.size());
    LavoroLivelloA lavoro;
    CasoVeloce mazziere(seme);
    for (int c = 0; c < campioni; ++c) {
        // One deal of the hidden cards, shared by every card judged.
        for (std::size_t i = nascoste.size(); i > 1; --i)
            std::swap(nascoste[i - 1], nascoste[static_cast<std::size_t>(mazziere.Prossimo() % i)]);
        GiocoAperto g = base;
        MettiInTavola(g, v.inTavola);
        std::size_t k = 0, ks = 0;
        for (int i = 0; i < 3; ++i) {
            if (g.giocata[1] == i) continue;
            if (v.manoAvversario) {
                if (ks < sue.size()) g.mano[1][static_cast<std::size_t>(i)] = sue[ks++];
            } else if (static_cast<int>(k) < daDare) {
                g.mano[1][static_cast<std::size_t>(i)] = nascoste[k++];
            }
        }
        for (int j = 0; k < nascoste.size(); ++k, ++j) g.mazzo[static_cast<std::size_t>(j)] = nascoste[k];
        const std::uint64_t semeGioco = mazziere.Prossimo();
        for (std::size_t i = 0; i < indici.size(); ++i) {
            GiocoAperto h = g;
            h.Gioca(0, indici[i]);
            CasoVeloce caso(semeGioco);
            const double p = GiocaFinoInFondo(h, caso, lavoro);
            somma[i] += p;
            quadrati[i] += p * p;
        }
    }
    for (std::size_t i = 0; i < indici.size(); ++i) {
        const double n = campioni, media = somma[i] / n;
        const double varianza = n > 1 ? std::max(0.0, (quadrati[i] - n * media * media) / (n - 1)) : 0;
        r.carte.push_back({indici[i], v.mano[static_cast<std::size_t>(indici[i])], media, 1.96 * std::sqrt(varianza / n)});
    }
    return r;
}

}  // namespace mrvelto
