#include "cards/Carta.h"

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

bool CodiceValido(std::string_view codice) {
    return codice.size() == 2 && ValoreDelRango(codice[0]) != 0 && kSemi.find(codice[1]) != std::string_view::npos;
}

int ValoreDiCarta(std::string_view codice) { return CodiceValido(codice) ? ValoreDelRango(codice[0]) : 0; }

char SemeDiCarta(std::string_view codice) { return CodiceValido(codice) ? codice[1] : '\0'; }

int PuntiDelValore(int valore) { return valore < 8 ? 0 : valore / 4; }

int PuntiDiCarta(std::string_view codice) { return PuntiDelValore(ValoreDiCarta(codice)); }

const Da1<std::string, 40>& MazzoOrdinato() {
    static const Da1<std::string, 40> mazzo = [] {
        Da1<std::string, 40> m;
        int i = 1;
        for (char seme : kSemi)
            for (char rango : kLettereRango) m[i++] = std::string{rango, seme};
        return m;
    }();
    return mazzo;
}

int PosizioneNelMazzo(std::string_view codice) {
    if (!CodiceValido(codice)) return 0;
    auto seme = static_cast<int>(kSemi.find(codice[1]));
    auto rango = static_cast<int>(kLettereRango.find(codice[0]));
    return seme * 10 + rango + 1;
}

EsitoPresa DecidiPresa(Chi leader, char semePC, int valorePC, char semeH, int valoreH, char semeBriscola) {
    Chi vincitore;
    auto confronta = [&] { return valorePC <= valoreH ? Chi::H : Chi::PC; };
    if (semePC != semeBriscola) {
        if (semeH != semeBriscola)
            vincitore = semePC != semeH ? leader : confronta();
        else
            vincitore = Chi::H;
    } else {
        vincitore = semeH != semeBriscola ? Chi::PC : confronta();
    }
    return {vincitore, PuntiDelValore(valorePC) + PuntiDelValore(valoreH)};
}

const char* TestoDi(Chi chi) {
    switch (chi) {
        case Chi::H: return "H";
        case Chi::PC: return "PC";
        default: return "Nessuno";
    }
}

}  // namespace mrvelto
