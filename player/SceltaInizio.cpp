#include "player/SceltaInizio.h"

#include "player/FiltroSessantaPunti.h"

namespace mrvelto {

namespace {

constexpr Colore kSecondo = colore::RosaUmano;  // 0x8080FF: second-lowest of its row

int Riga(int k) { return (k - 1) / 3 + 1; }

// The entry of row r with the given background (each row has one of each after the marking).
CasellaF& DellaRiga(TabellePC& tab, int r, Colore sfondo) {
    for (int k = 3 * r - 2; k <= 3 * r; ++k)
        if (tab.Convenienza[k].sfondo == sfondo) return tab.Convenienza[k];
    return tab.Convenienza[3 * r];
}

}  // namespace

void ValoreAggiuntivoIniziaPC(const StatoGioco& stato, TabellePC& tab) {
    auto& conv = tab.Convenienza;
    // Lowest of each row: the human's best reply.
    for (int r = 1; r <= 3; ++r) {
        float minimo = 100;
        for (int k = 3 * r - 2; k <= 3 * r; ++k)
            if (conv[k].Valore() < minimo && conv[k].sfondo == colore::Bianco) {
                for (int q = 3 * r - 2; q <= 3 * r; ++q) conv[q].sfondo = colore::Bianco;
                conv[k].sfondo = colore::Rosso;
                minimo = conv[k].Valore();
            }
    }
    // Second-lowest of each row; the one left white is the highest.
    for (int r = 1; r <= 3; ++r) {
        float minimo = 100;
        for (int k = 3 * r - 2; k <= 3 * r; ++k)
            if (conv[k].Valore() < minimo && conv[k].sfondo == colore::Bianco) {
                for (int q = 3 * r - 2; q <= 3 * r; ++q)
                    if (conv[q].sfondo != colore::Rosso) conv[q].sfondo = colore::Bianco;
                conv[k].sfondo = kSecondo;
                minimo = conv[k].Valore();
            }
    }

    // First level: the best worst case.
    tab.ContatoreRisposteMultiple = 1;
    float massimo = -100;
    for (int k = 1; k <= 9; ++k) {
        if (conv[k].sfondo != colore::Rosso) continue;
        if (conv[k].Valore() > massimo) {
            massimo = conv[k].Valore();
            tab.ValorePiuAlto = massimo;
            tab.ContatoreRisposteMultiple = 1;
        } else if (conv[k].Valore() == massimo) {
            ++tab.ContatoreRisposteMultiple;
        }
    }
    for (int k = 1; k <= 9; ++k)
        if (conv[k].sfondo == colore::Rosso && conv[k].Valore() == tab.ValorePiuAlto) conv[k].testo = colore::Blu;

    if (tab.ContatoreRisposteMultiple == 1) {
        for (int k = 1; k <= 9; ++k)
            if (conv[k].sfondo == colore::Rosso && conv[k].Valore() == tab.ValorePiuAlto) tab.CartaPCDaGiocare = Riga(k);
    } else {
        // Second level: the second-worst case of the tied rows.
        tab.ContatoreRisposteMultiple = 1;
        massimo = -100;
        for (int k = 1; k <= 9; ++k) {
            if (conv[k].sfondo != colore::Rosso || conv[k].testo != colore::Blu) continue;
            const float v = DellaRiga(tab, Riga(k), kSecondo).Valore();
            if (v > massimo) {
                massimo = v;
                tab.ValorePiuAlto = v;
                tab.CartaPCDaGiocare = Riga(k);
                tab.ContatoreRisposteMultiple = 1;
            } else if (v == massimo) {
                ++tab.ContatoreRisposteMultiple;
            }
        }
        // Any row's second-lowest equal to the best is marked, tied at the first level or not.
        for (int k = 1; k <= 9; ++k)
            if (conv[k].sfondo == kSecondo && conv[k].Valore() == tab.ValorePiuAlto) conv[k].testo = colore::Blu;

        if (tab.ContatoreRisposteMultiple > 1) {
            // Third level: the best case of the rows marked at the second.
            tab.ContatoreRisposteMultiple = 1;
            massimo = -100;
            for (int k = 1; k <= 9; ++k) {
                if (conv[k].sfondo != kSecondo || conv[k].testo != colore::Blu) continue;
                const float v = DellaRiga(tab, Riga(k), colore::Bianco).Valore();
                if (v > massimo) {
                    massimo = v;
                    tab.ValorePiuAlto = v;
                    tab.CartaPCDaGiocare = Riga(k);
                } else if (v == massimo) {
                    ++tab.ContatoreRisposteMultiple;
                    tab.SfondoCartaPCDaGiocare = kSecondo;
                }
            }
            if (tab.SfondoCartaPCDaGiocare == kSecondo) {
                int limite = 50;
                for (int k = 1; k <= 9; ++k)
                    if (conv[k].sfondo == colore::Bianco && conv[k].Valore() == tab.ValorePiuAlto && stato.Carta[Riga(k)].Valore() < limite) {
                        limite = stato.Carta[Riga(k)].Valore();
                        tab.CartaPCDaGiocare = Riga(k);
                    }
            }
        }
    }
    tab.ContatoreRisposteMultiple = 1;
    if (!tab.Filtro60Punti) FiltroSessantaPuntiIniziaPC(tab);
    tab.SfondoCartaPCDaGiocare = colore::Bianco;
}

}  // namespace mrvelto
