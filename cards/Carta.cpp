// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards/Carta.h"

#include <ostream>

namespace mrvelto {

int ValoreDelRango(char rango) {
    switch (rango) {
        case '2': return 2;
        case '4': return 4;
        case '5': return 5;
        case '6': return 6;
        case '7': return 7;
        case 'F': return 8;
        case 'C': return 12;
        case 'R': return 16;
        case '3': return 40;
        case 'A': return 44;
        default: return 0;
    }
}

bool CodiceValido(std::string_view codice) { return !CartaDaGioco::DaCodice(codice).Vuota(); }

int ValoreDiCarta(std::string_view codice) { return CartaDaGioco::DaCodice(codice).Valore(); }

char SemeDiCarta(std::string_view codice) { return CartaDaGioco::DaCodice(codice).Seme(); }

int PuntiDiCarta(std::string_view codice) { return CartaDaGioco::DaCodice(codice).Punti(); }

const Da1<std::string, 40>& MazzoOrdinato() {
    static const Da1<std::string, 40> mazzo = [] {
        Da1<std::string, 40> m;
        for (int i = 1; i <= 40; ++i) m[i] = std::string(CartaDaGioco::DaPosizione(i).Codice());
        return m;
    }();
    return mazzo;
}

int PosizioneNelMazzo(std::string_view codice) { return CartaDaGioco::DaCodice(codice).Posizione(); }

std::ostream& operator<<(std::ostream& os, CartaDaGioco carta) {
    return os << (carta.Vuota() ? std::string_view("-") : carta.Codice());
}

const char* TestoDi(Chi chi) {
    switch (chi) {
        case Chi::H: return "H";
        case Chi::PC: return "PC";
        default: return "Nessuno";
    }
}

}  // namespace mrvelto
