// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the table shows: the card slots, the names and their highlights, the scores, the stock
// counter, the take button, the won-game dots, the end-of-game frame and the data panel. The flow
// tells it what happened; it decides nothing about the game and writes no game state.
#include <string>

#include "game/Giocatore.h"
#include "game/Opzioni.h"
#include "game/PannelloDati.h"
#include "game/Procedure.h"
#include "game/Presentazione.h"
#include "game/StatoGioco.h"

namespace mrvelto {

class VistaTavolo {
public:
    const Presentazione& Vista() const { return vista_; }
    const PannelloDati& Dati() const { return dati_; }

    // ---- Options.
    // What option `n` drives on the table: colours, dot columns, score captions, the level name.
    // The score captions follow the option only while a game runs or no end-of-game frame shows.
    void ApplicaOpzione(int n, const Opzioni& o, bool giocoInCorso);
    // What a change from the panel shows at once on the cards already dealt.
    void MostraOpzioneSulleCarte(int n, const StatoGioco& s, const Opzioni& o);
    void ImpostaBordoCarteOpzionali(int bordo) { vista_.BordoCarteOpzionali = bordo; }
    // The computer's display name by playing level, on its label and in data cell 0.
    void MostraNomeLivello(const Opzioni& o);

    // ---- Names, scores, counter, button.
    void ImpostaNomeGiocatore(const std::string& nome);
    void Evidenzia(Chi chi, bool si);
    void SpegniNomi() { vista_.NomeH.evidenziata = vista_.NomePC.evidenziata = false; }
    void ImpostaPunteggi(const StatoGioco& s);
    // The score captions: every one (`tutti`) or as "Visualizzazione Punteggio:" asks.
    void VisibilitaPunteggi(bool tutti, const Opzioni& o);
    struct PunteggiVisibili {
        bool PuntiPC, PuntiPCScritta, PuntiH, PuntiHScritta;
    };
    void RipristinaPunteggi(const PunteggiVisibili& p);
    void CarteRimaste(int n) { vista_.CarteRimaste.testo = std::to_string(n); }
    void MostraCarteRimaste(bool si) { vista_.CarteRimaste.visibile = vista_.CarteRimasteScritta.visibile = si; }
    // The take button: shown (and enabled) while a trick waits for the player's click.
    void PulsantePresa(bool visibile);
    void NascondiIstruzione() { vista_.IstruzioneIniziale.visibile = false; }
    void ImpostaDomandaUscita(bool visibile) { vista_.EsciVisibile = visibile; }

    // ---- Card slots.
    // A freshly dealt or drawn card: face or back by the rules.
    void MostraSlot(int slot, const StatoGioco& s, const Opzioni& o);
    // Face up: fill white, the deck's picture and border.
    void Scopri(int slot, const StatoGioco& s, const Opzioni& o);
    void Nascondi(int slot) { vista_.Slot[slot].visibile = false; }
    // A played card straight on its table place.
    void InTavola(int slot);
    // One tick of a played card's movement; true when it reached its table place (and lies there).
    bool AvanzaVersoLaTavola(int slot);
    // One tick of the taken cards' movement towards the winner; true when they are out of sight.
    bool AvanzaVersoIlVincitore(int pc, int h, bool versoH);
    // RiponiCarteGiocate: the two played cards hidden and back at their hand places.
    void RiponiCarteGiocate(const StatoGioco& s);
    // Every slot hidden at its hand place, the button and the counter hidden.
    void SgombraTavolo();

    // ---- End of game, new game.
    // A won game: the winner's name highlighted, his dot shown.
    void GiocoVinto(Chi vincitore, int giochiVinti);
    // The end-of-game frame's two messages, then (ApriFineGioco) the frame itself with its button
    // enabled and every filled data cell shown.
    void MostraFineGioco(bool partitaFinita);
    void ApriFineGioco();
    // The end-of-game frame hidden, the data panel emptied, the names plain.
    void ChiudiFineGioco();
    void AzzeraPallini();
    void CarteRimasteNuovoGioco() { vista_.CarteRimaste.testo = "34"; }

    // ---- Data panel.
    void ImpostaIntestazioneDati(std::string riga1, std::string riga2);
    void ImpostaIntestazione2(std::string riga2) { dati_.Intestazione2 = std::move(riga2); }
    // The deal's cards in cells 2..8 and the leader's colour in cell 8.
    void DatiDistribuzione(const StatoGioco& s, const Opzioni& o, bool umanoInizia);
    // The trick just taken (the take has moved Manche on) into its row.
    void DatiPresa(const StatoGioco& s) { ScriviPresa(s, s.Manche - 1, dati_); }
    // The two cards just drawn into the row of the trick before.
    void DatiPesca(const StatoGioco& s, const Opzioni& o);
    void CaricaPannelloDati(const PannelloDati& dati);
    void ImpostaCellaDati(int i, std::string testo, Colore sfondo);
    void ColoraTestoDati(int i, Colore coloreTesto) { dati_[i].coloreTesto = coloreTesto; }

private:
    Presentazione vista_;
    PannelloDati dati_;
};

}  // namespace mrvelto
