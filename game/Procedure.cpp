// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Procedure.h"

namespace mrvelto {

int SlotDellaDistribuzione(int passo, Chi giocoIniziatoDa) {
    static constexpr int kComputerDistribuisce[8] = {4, 1, 5, 2, 6, 3, 7, 8};
    static constexpr int kUmanoDistribuisce[8] = {1, 4, 2, 5, 3, 6, 7, 8};
    if (passo < 1 || passo > 8) return 0;
    return giocoIniziatoDa == Chi::H ? kComputerDistribuisce[passo - 1] : kUmanoDistribuisce[passo - 1];
}

bool SlotScoperto(int slot, const Opzioni& opzioni) {
    if (slot == kSlotMazzo) return false;
    if (slot >= 1 && slot <= 3) return opzioni.MostraCartePC();
    return true;
}

bool BordoDelMazzo(const Opzioni& opzioni, int BordoCarteOpzionali) {
    switch (opzioni.StileCarte) {
        case opz::Mazzo::Piacentine: return true;
        case opz::Mazzo::Napoletane: return false;
        default: return BordoCarteOpzionali != 0;
    }
}

Punto PassoAnimazione(int slot) {
    switch (slot) {
        case 1: return {150, 495};
        case 2: return {-150, 495};
        case 3: return {-450, 495};
        case 4: return {450, -495};
        case 5: return {150, -495};
        case 6: return {-150, -495};
        default: return {0, 0};
    }
}

void RegistraCartaGiocata(StatoGioco& stato) {
    const CartaDaGioco c = stato.CartaGiocata.carta;
    if (!c) return;
    stato.Giocate.Aggiungi(c);
    if (stato.CartaGiocata.chi == Chi::H)
        stato.GiocateDaH.Aggiungi(c);
    else
        stato.GiocateDaH.Togli(c);
}

bool CartaGiocataNelGioco(const StatoGioco& stato, int n) { return stato.Giocate.Contiene(CartaDaGioco::DaPosizione(n)); }

void ScriviPresa(const StatoGioco& stato, int m, PannelloDati& dati) {
    if (m <= kManchePannello) {
        const char briscola = stato.SemeBriscola();
        ScriviCarta(dati, CellaDellaManche(m, ColonnaDati::CartaPC), stato.Carta[stato.NumeroCartaGiocataDaPC], briscola, true);
        ScriviCarta(dati, CellaDellaManche(m, ColonnaDati::CartaH), stato.Carta[stato.NumeroCartaGiocataDaH], briscola, true);
        dati(m, ColonnaDati::CartaPC).coloreTesto = colore::Blu;
        dati(m, ColonnaDati::CartaH).coloreTesto = colore::Blu;
        CellaDati& pc = dati(m, ColonnaDati::PuntiPC);
        CellaDati& h = dati(m, ColonnaDati::PuntiH);
        pc.testo = std::to_string(stato.PuntiPC);
        h.testo = std::to_string(stato.PuntiH);
        pc.visibile = h.visibile = true;
        pc.sfondo = stato.TurnoDiGioco == Chi::PC ? colore::Rosso : colore::Bianco;
        h.sfondo = stato.TurnoDiGioco == Chi::H ? colore::RosaUmano : colore::Bianco;
    }
}

void RiponiCarteGiocate(const StatoGioco& stato, Presentazione& vista) {
    for (int k : {stato.NumeroCartaGiocataDaPC, stato.NumeroCartaGiocataDaH}) {
        if (k < 1 || k > 6) continue;
        vista.Slot[k].visibile = false;
        vista.Slot[k].Sposta(PosizioneDiManoDelloSlot(k));
    }
}

std::string NomeLivello(const Opzioni& opzioni) { return std::string("Mr. VELTO ") + opzioni.LetteraLivello(); }

std::pair<std::string, std::string> MessaggiFineGioco(bool partitaFinita) {
    if (!partitaFinita)
        return {"Se vuoi continuare subito la Partita con un nuovo Gioco premi il tasto INVIO, altrimenti clicca su una delle seguenti opzioni:",
                "Ricordati che prima di continuare la Partita puoi ora modificare, se vuoi, anche l'opzione di 'Conclusione del Gioco' nell'apposito 'Pannello Opzioni'."};
    return {"Se vuoi iniziare subito una nuova Partita premi il tasto INVIO, altrimenti clicca su una delle seguenti opzioni:",
            "Ricordati che prima di iniziare una nuova Partita puoi ora modificare, se vuoi, tutte le opzioni presenti nell'apposito 'Pannello Opzioni'."};
}

bool CellaRiservata(int cella) {
    if (cella >= 2 && cella <= 4) return true;
    if (cella < 19 || cella >= PannelloDati::kCelle) return false;
    const int r = (cella - 19) % 6;
    return r == 0 || r == 1;
}

void ScriviCarta(PannelloDati& dati, int cella, CartaDaGioco carta, char semeBriscola, bool visibile) {
    CellaDati& c = dati[cella];
    c.testo = carta.Codice();
    c.sfondo = !carta.Vuota() && carta.Seme() == semeBriscola ? colore::GialloChiaro : colore::Bianco;
    c.visibile = visibile;
}

void SvuotaPannelloDati(PannelloDati& dati) {
    // Field by field: the texts keep their storage for the next game.
    for (int i = 2; i < PannelloDati::kCelle; ++i) {
        CellaDati& c = dati[i];
        c.testo.clear();
        c.sfondo = CellaDati{}.sfondo;
        c.coloreTesto = CellaDati{}.coloreTesto;
        c.visibile = CellaDati{}.visibile;
    }
}

void RipristinaColoriDati(PannelloDati& dati) {
    for (int m = 1; m <= kManchePannello; ++m) {
        dati(m, ColonnaDati::CartaPC).coloreTesto = dati(m, ColonnaDati::CartaH).coloreTesto = colore::Blu;
        dati(m, ColonnaDati::PescaPC).coloreTesto = dati(m, ColonnaDati::PescaH).coloreTesto = colore::Nero;
    }
}

}  // namespace mrvelto
