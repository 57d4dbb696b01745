#include "player/PotenzialeCarte.h"

#include <string>

namespace mrvelto {

namespace {

constexpr int kValoriRango[10] = {2, 4, 5, 6, 7, 8, 12, 16, 40, 44};

int PosizioneRango(int valore) {
    for (int r = 0; r < 10; ++r)
        if (kValoriRango[r] == valore) return r + 1;
    return 0;
}

int BloccoSeme(char seme) {
    const auto p = kSemi.find(seme);
    return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

float Testo(const VoceMazzo& v) { return v.testo.empty() ? 0.0f : static_cast<float>(std::stoi(v.testo)); }

void SegnaMano(StatoGioco& stato, int primo) {
    for (int s = primo; s < primo + 3; ++s) {
        const int n = IndiceCarta(stato.Valore[s], stato.Seme[s]);
        // A card already marked played keeps its mark: with the card movement on, the human's
        // card is marked before the answer is analysed, and losing the mark would count it again.
        if (n != 0 && stato.PreseVirtuali[n].coloreTesto != colore::Verde) stato.PreseVirtuali[n].coloreTesto = colore::Rosso;
    }
}

// Fills the forty entries for the card in slot k: signed points of the trick c led, n answering.
// Block by block: the five low cards, then the five scoring ones, the sign by the block's colour.
void Valuta(StatoGioco& stato, bool cBriscola) {
    const int k = stato.NumeroCartaAnalizzata;
    const int pc = PuntiDelValore(stato.Valore[k]);
    const int c = IndiceCarta(stato.Valore[k], stato.Seme[k]);
    if (c == 0) return;  // an empty slot has nothing to rate
    for (int blocco = 0; blocco < 4; ++blocco) {
        const bool bloccoBriscola = stato.PreseVirtuali[blocco * 10 + 1].colore == colore::Giallo;
        for (int r = 1; r <= 10; ++r) {
            const int n = blocco * 10 + r;
            const int somma = pc + PuntiDelValore(kValoriRango[r - 1]);
            int v;
            if (!cBriscola)
                v = bloccoBriscola ? -somma : somma;
            else if (!bloccoBriscola)
                v = somma;
            else
                v = n > c ? -somma : somma;  // same block as c: the stronger briscole take
            stato.PreseVirtuali[n].testo = std::to_string(v);
        }
    }
    if (!cBriscola) {
        const int fine = (c - 1) / 10 * 10 + 10;
        for (int n = c + 1; n <= fine; ++n) stato.PreseVirtuali[n].testo = std::to_string(-(pc + PuntiDelValore(kValoriRango[n - (fine - 9)])));
    }
    stato.PreseVirtuali[c].testo = std::to_string(0);
}

}  // namespace

int IndiceCarta(int valore, char seme) {
    const int b = BloccoSeme(seme), r = PosizioneRango(valore);
    return b == 0 || r == 0 ? 0 : 10 * (b - 1) + r;
}

void CalcolaPuntiPotenziali(const StatoGioco& stato, TabellePC& tab) {
    for (int s = 1; s <= 6; ++s) {
        const int v = stato.Valore[s];
        if (PosizioneRango(v) != 0) tab.PuntiPotenziali[s] = static_cast<float>(PuntiDelValore(v));
    }
}

void PreparaPreseVirtuali(StatoGioco& stato) {
    const int blocco = BloccoSeme(stato.SemeBriscola());
    for (int n = 1; n <= 40; ++n) {
        VoceMazzo& v = stato.PreseVirtuali[n];
        v.coloreTesto = colore::Nero;
        v.colore = blocco != 0 && (n - 1) / 10 + 1 == blocco ? colore::Giallo : colore::Bianco;
    }
}

void SegnaManoDelPC(StatoGioco& stato) { SegnaMano(stato, 1); }
void SegnaManoDiH(StatoGioco& stato) { SegnaMano(stato, 4); }
void ValutaCartaNormale(StatoGioco& stato) { Valuta(stato, false); }
void ValutaBriscola(StatoGioco& stato) { Valuta(stato, true); }

void CalcolaPotenziale(StatoGioco& stato, TabellePC& tab) {
    const int k = stato.NumeroCartaAnalizzata;
    float somma = 0.0f;
    for (const VoceMazzo& v : stato.PreseVirtuali)
        if (v.coloreTesto == colore::Nero) somma += Testo(v);
    tab.MediaValori = somma;
    tab.NumeroPrese = stato.NumeroCarteRimaste + 3;
    float potenziale = somma / static_cast<float>(tab.NumeroPrese);
    if (stato.Seme[k] == stato.SemeBriscola()) {
        switch (stato.Valore[k]) {
            case 44: potenziale *= 1.305f; break;
            case 40: potenziale *= 1.358f; break;
            case 16: potenziale *= 1.767f; break;
            case 12: potenziale *= 1.988f; break;
            case 8: potenziale *= 2.323f; break;
            default: break;
        }
    }
    tab.Potenziale[k] = potenziale;
}

void CalcolaPotenzialeCarte(StatoGioco& stato, TabellePC& tab) {
    // The played marks are never cleared within a game, so the first trick of a game clears any
    // left by the previous game; only the card being answered may already be this game's.
    if (stato.NumeroCarteRimaste == 34) {
        const int h = stato.TurnoDiGioco == Chi::H ? stato.NumeroCartaGiocataDaH : 0;
        const int sulTavolo = h >= 4 && h <= 6 ? IndiceCarta(stato.Valore[h], stato.Seme[h]) : 0;
        const bool marcata = sulTavolo != 0 && stato.PreseVirtuali[sulTavolo].coloreTesto == colore::Verde;
        PreparaPreseVirtuali(stato);
        if (marcata) stato.PreseVirtuali[sulTavolo].coloreTesto = colore::Verde;
    }
    for (int k = 1; k <= 6; ++k) {
        for (VoceMazzo& v : stato.PreseVirtuali)
            if (v.coloreTesto != colore::Verde) v.coloreTesto = colore::Nero;
        stato.NumeroCartaAnalizzata = k;
        if (k < 4)
            SegnaManoDelPC(stato);
        else
            SegnaManoDiH(stato);
        if (stato.Seme[k] == stato.SemeBriscola())
            ValutaBriscola(stato);
        else
            ValutaCartaNormale(stato);
        CalcolaPotenziale(stato, tab);
    }
}

}  // namespace mrvelto
