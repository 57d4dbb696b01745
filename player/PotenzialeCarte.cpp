#include "player/PotenzialeCarte.h"

namespace mrvelto {

namespace {

constexpr int kPuntiRango[10] = {0, 0, 0, 0, 0, 2, 3, 4, 10, 11};

int PosizioneRango(int valore) {
    switch (valore) {
        case 2: return 1;
        case 4: return 2;
        case 5: return 3;
        case 6: return 4;
        case 7: return 5;
        case 8: return 6;
        case 12: return 7;
        case 16: return 8;
        case 40: return 9;
        case 44: return 10;
        default: return 0;
    }
}

// The suit's block of ten in deck order, 0 for no suit.
static_assert(kSemi == "dscb");
int BloccoSeme(char seme) {
    switch (seme) {
        case 'd': return 1;
        case 's': return 2;
        case 'c': return 3;
        case 'b': return 4;
        default: return 0;
    }
}

void SegnaMano(const StatoGioco& stato, TabellePC& tab, int primo) {
    for (int s = primo; s < primo + 3; ++s) {
        const int n = IndiceCarta(stato.Carta[s].Valore(), stato.Carta[s].Seme());
        // A card already marked played keeps its mark: the human's card may be registered before
        // the answer is analysed, and losing the mark would count it again.
        if (n != 0 && tab.PreseVirtuali[n].stato != StatoCarta::Giocata) tab.PreseVirtuali[n].stato = StatoCarta::InMano;
    }
}

// Fills the forty entries for the card in slot k: signed points of the trick c led, n answering.
// Block by block: the five low cards, then the five scoring ones, the sign by the block's mark.
void Valuta(const StatoGioco& stato, TabellePC& tab, int k, bool cBriscola) {
    const int pc = PuntiDelValore(stato.Carta[k].Valore());
    const int c = IndiceCarta(stato.Carta[k].Valore(), stato.Carta[k].Seme());
    if (c == 0) return;  // an empty slot has nothing to rate
    auto& pv = tab.PreseVirtuali;
    for (int blocco = 0; blocco < 4; ++blocco) {
        const bool bloccoBriscola = pv[blocco * 10 + 1].briscola;
        for (int r = 1; r <= 10; ++r) {
            const int n = blocco * 10 + r;
            const int somma = pc + kPuntiRango[r - 1];
            int v;
            if (!cBriscola)
                v = bloccoBriscola ? -somma : somma;
            else if (!bloccoBriscola)
                v = somma;
            else
                v = n > c ? -somma : somma;  // same block as c: the stronger briscole take
            pv[n].punti = v;
        }
    }
    if (!cBriscola) {
        const int fine = (c - 1) / 10 * 10 + 10;
        for (int n = c + 1; n <= fine; ++n) pv[n].punti = -(pc + kPuntiRango[n - (fine - 9)]);
    }
    pv[c].punti = 0;
}

}  // namespace

int IndiceCarta(int valore, char seme) {
    const int b = BloccoSeme(seme), r = PosizioneRango(valore);
    return b == 0 || r == 0 ? 0 : 10 * (b - 1) + r;
}

void CalcolaPuntiPotenziali(const StatoGioco& stato, TabellePC& tab) {
    for (int s = 1; s <= 6; ++s) {
        const int v = stato.Carta[s].Valore();
        if (PosizioneRango(v) != 0) tab.PuntiPotenziali[s] = static_cast<float>(PuntiDelValore(v));
    }
}

void PreparaPreseVirtuali(const StatoGioco& stato, TabellePC& tab) {
    const int blocco = BloccoSeme(stato.SemeBriscola());
    for (int n = 1; n <= 40; ++n) {
        VocePresa& v = tab.PreseVirtuali[n];
        v.stato = StatoCarta::NonVista;
        v.briscola = blocco != 0 && (n - 1) / 10 + 1 == blocco;
    }
}

void DimenticaCarte(TabellePC& tab) { tab.PreseVirtuali.fill(VocePresa{}); }

void SegnaBriscole(const StatoGioco& stato, TabellePC& tab) {
    const int blocco = BloccoSeme(stato.SemeBriscola());
    if (blocco == 0) return;
    for (int n = 10 * (blocco - 1) + 1; n <= 10 * blocco; ++n) tab.PreseVirtuali[n].briscola = true;
}

void SegnaCartaGiocata(const StatoGioco& stato, TabellePC& tab, int slot) {
    if (slot < 1 || slot > 6) return;
    const int n = stato.Carta[slot].Posizione();
    if (n != 0) tab.PreseVirtuali[n].stato = StatoCarta::Giocata;
}

void SegnaManoDelPC(const StatoGioco& stato, TabellePC& tab) { SegnaMano(stato, tab, 1); }
void SegnaManoDiH(const StatoGioco& stato, TabellePC& tab) { SegnaMano(stato, tab, 4); }
void ValutaCartaNormale(const StatoGioco& stato, TabellePC& tab, int k) { Valuta(stato, tab, k, false); }
void ValutaBriscola(const StatoGioco& stato, TabellePC& tab, int k) { Valuta(stato, tab, k, true); }

void CalcolaPotenziale(const StatoGioco& stato, TabellePC& tab, int k) {
    // In deck order, one card at a time: the single-precision sum depends on it.
    float somma = 0.0f;
    for (const VocePresa& v : tab.PreseVirtuali)
        if (v.stato == StatoCarta::NonVista) somma += static_cast<float>(v.punti.value_or(0));
    tab.MediaValori = somma;
    tab.NumeroPrese = stato.NumeroCarteRimaste + 3;
    float potenziale = somma / static_cast<float>(tab.NumeroPrese);
    if (stato.Carta[k].Seme() == stato.SemeBriscola()) {
        switch (stato.Carta[k].Valore()) {
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

void CalcolaPotenzialeCarte(const StatoGioco& stato, TabellePC& tab) {
    // The played marks are never cleared within a game, so the first trick of a game clears any
    // left by the previous game; only the card being answered may already be this game's.
    if (stato.NumeroCarteRimaste == 34) {
        const int h = stato.TurnoDiGioco == Chi::H ? stato.NumeroCartaGiocataDaH : 0;
        const int sulTavolo = h >= 4 && h <= 6 ? IndiceCarta(stato.Carta[h].Valore(), stato.Carta[h].Seme()) : 0;
        const bool marcata = sulTavolo != 0 && tab.PreseVirtuali[sulTavolo].stato == StatoCarta::Giocata;
        PreparaPreseVirtuali(stato, tab);
        if (marcata) tab.PreseVirtuali[sulTavolo].stato = StatoCarta::Giocata;
    }
    for (int k = 1; k <= 6; ++k) {
        for (VocePresa& v : tab.PreseVirtuali)
            if (v.stato != StatoCarta::Giocata) v.stato = StatoCarta::NonVista;
        if (k < 4)
            SegnaManoDelPC(stato, tab);
        else
            SegnaManoDiH(stato, tab);
        if (stato.Carta[k].Seme() == stato.SemeBriscola())
            ValutaBriscola(stato, tab, k);
        else
            ValutaCartaNormale(stato, tab, k);
        CalcolaPotenziale(stato, tab, k);
    }
}

}  // namespace mrvelto
