// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/Impostazioni.h"

#include "records/FileDati.h"
#include "records/FormatoRiga.h"
#include "game/LinkRegole.h"

namespace mrvelto {

namespace {

constexpr int kMassimoIntervallo = 60000;
constexpr float kMassimaPosizione = 100000;

// Reads option `n`, keeping the old value unless the new one is among its choices.
void Opzione(LettoreRighe& in, Opzioni& o, int n) {
    std::string v;
    if (!in.Testo(v)) return;
    if (!o.ImpostaTesto(n, v)) in.Scarta();
}

void ScriviOpzione(ScrittoreRighe& out, const Opzioni& o, int n) { out.Testo(o.Testo(n)); }

void Posizione(LettoreRighe& in, float& x) { in.Decimale(x, -kMassimaPosizione, kMassimaPosizione); }

// A line that must repeat the one before it (the other dot row of the same column).
void Ripetizione(LettoreRighe& in, float atteso, float& x) {
    float letto = atteso;
    if (!in.Decimale(letto, -kMassimaPosizione, kMassimaPosizione)) {
        x = atteso;
        return;
    }
    if (letto != atteso) in.Scarta();
    x = atteso;
}

}  // namespace

bool Impostazioni::operator==(const Impostazioni& altro) const {
    return opzioni == altro.opzioni && Sbirciata == altro.Sbirciata &&
           IntervalloAttesaDelPCaMuovere == altro.IntervalloAttesaDelPCaMuovere && IntervalloEffettuaLaPresa == altro.IntervalloEffettuaLaPresa &&
           IntervalloAnimazionecartePC == altro.IntervalloAnimazionecartePC && IntervalloAnimazionecarteH == altro.IntervalloAnimazionecarteH &&
           segnapunti == altro.segnapunti && PuntiPCVisibile == altro.PuntiPCVisibile && PuntiPCScrittaVisibile == altro.PuntiPCScrittaVisibile &&
           PuntiHVisibile == altro.PuntiHVisibile && PuntiHScrittaVisibile == altro.PuntiHScrittaVisibile &&
           PannelloVisualizzato == altro.PannelloVisualizzato && Continuaregole == altro.Continuaregole;
}

std::string ScriviImpostazioni(const Impostazioni& imp) {
    const Opzioni& o = imp.opzioni;
    const SegnapuntiPartita& s = imp.segnapunti;
    ScrittoreRighe out;
    ScriviOpzione(out, o, OpzAbilita);                // 1
    ScriviOpzione(out, o, OpzVelocitaRisposta);       // 2
    out.Intero(imp.IntervalloAttesaDelPCaMuovere);    // 3
    ScriviOpzione(out, o, OpzMostraCarte);            // 4
    ScriviOpzione(out, o, OpzMostraCarte);            // 5: read back as the peek flag
    ScriviOpzione(out, o, OpzPresaAutomatica);        // 6
    out.Intero(imp.IntervalloEffettuaLaPresa);        // 7
    ScriviOpzione(out, o, OpzConclusioneGioco);       // 8
    ScriviOpzione(out, o, OpzConclusionePartita);     // 9
    out.Decimale(s.SinistraLineaV[2]);                // 10
    out.Decimale(s.SinistraLineaV[4]);                // 11
    out.SiNo(s.LineaVVisibile[2]);                    // 12
    out.SiNo(s.LineaVVisibile[3]);                    // 13
    out.SiNo(s.LineaVVisibile[4]);                    // 14
    for (int k = 2; k <= 4; ++k) {                    // 15..20: each column once per row
        out.Decimale(s.SinistraPuntiPC[k]);
        out.Decimale(s.SinistraPuntiPC[k]);
    }
    ScriviOpzione(out, o, OpzCerimonia);              // 21
    ScriviOpzione(out, o, OpzVariazioniGrafiche);     // 22
    ScriviOpzione(out, o, OpzColoreTavolo);           // 23
    ScriviOpzione(out, o, OpzColoreRetro);            // 24
    ScriviOpzione(out, o, OpzMotivoRetro);            // 25
    ScriviOpzione(out, o, OpzStileCarte);             // 26
    ScriviOpzione(out, o, OpzAnimazione);             // 27
    out.Intero(imp.IntervalloAnimazionecartePC);      // 28
    out.Intero(imp.IntervalloAnimazionecarteH);       // 29
    ScriviOpzione(out, o, OpzPunteggio);              // 30
    out.SiNo(imp.PuntiPCVisibile);                    // 31
    out.SiNo(imp.PuntiPCScrittaVisibile);             // 32
    out.SiNo(imp.PuntiHVisibile);                     // 33
    out.SiNo(imp.PuntiHScrittaVisibile);              // 34
    ScriviOpzione(out, o, OpzTitoli);                 // 35
    out.Testo(TestoPannello(imp.PannelloVisualizzato));  // 36
    out.Testo(imp.Continuaregole);                    // 37
    ScriviOpzione(out, o, OpzCambioBrano);            // 38
    ScriviOpzione(out, o, OpzAudioAnalisi);           // 39
    ScriviOpzione(out, o, OpzFrequenzaMusica);        // 40
    ScriviOpzione(out, o, OpzRumori);                 // 41
    ScriviOpzione(out, o, OpzLoquacita);              // 42
    ScriviOpzione(out, o, OpzCarattere);              // 43
    return out.Byte();
}

bool LeggiImpostazioniDa(std::string_view byte, Impostazioni& imp) {
    LettoreRighe in(byte);
    Opzioni& o = imp.opzioni;
    SegnapuntiPartita& s = imp.segnapunti;
    Opzione(in, o, OpzAbilita);
    Opzione(in, o, OpzVelocitaRisposta);
    in.Intero(imp.IntervalloAttesaDelPCaMuovere, 1, kMassimoIntervallo);
    Opzione(in, o, OpzMostraCarte);
    {
        std::string v;
        if (in.Testo(v)) {
            if (v == "Si" || v == "No") imp.Sbirciata = v == "Si";
            else in.Scarta();
        }
    }
    Opzione(in, o, OpzPresaAutomatica);
    in.Intero(imp.IntervalloEffettuaLaPresa, 0, kMassimoIntervallo);
    Opzione(in, o, OpzConclusioneGioco);
    Opzione(in, o, OpzConclusionePartita);
    Posizione(in, s.SinistraLineaV[2]);
    Posizione(in, s.SinistraLineaV[4]);
    in.SiNo(s.LineaVVisibile[2]);
    in.SiNo(s.LineaVVisibile[3]);
    in.SiNo(s.LineaVVisibile[4]);
    for (int k = 2; k <= 4; ++k) {
        Posizione(in, s.SinistraPuntiPC[k]);
        Ripetizione(in, s.SinistraPuntiPC[k], s.SinistraPuntiH[k]);
    }
    Opzione(in, o, OpzCerimonia);
    Opzione(in, o, OpzVariazioniGrafiche);
    Opzione(in, o, OpzColoreTavolo);
    Opzione(in, o, OpzColoreRetro);
    Opzione(in, o, OpzMotivoRetro);
    Opzione(in, o, OpzStileCarte);
    Opzione(in, o, OpzAnimazione);
    in.Intero(imp.IntervalloAnimazionecartePC, 1, kMassimoIntervallo);
    in.Intero(imp.IntervalloAnimazionecarteH, 1, kMassimoIntervallo);
    Opzione(in, o, OpzPunteggio);
    in.SiNo(imp.PuntiPCVisibile);
    in.SiNo(imp.PuntiPCScrittaVisibile);
    in.SiNo(imp.PuntiHVisibile);
    in.SiNo(imp.PuntiHScrittaVisibile);
    Opzione(in, o, OpzTitoli);
    {
        std::string v;
        if (in.Testo(v)) {
            if (auto p = PannelloDaTesto(v)) imp.PannelloVisualizzato = *p;
            else in.Scarta();
        }
    }
    {
        std::string v;
        if (in.Testo(v)) {
            if (CaptionRegoleValida(v)) imp.Continuaregole = v;
            else in.Scarta();
        }
    }
    Opzione(in, o, OpzCambioBrano);
    Opzione(in, o, OpzAudioAnalisi);
    Opzione(in, o, OpzFrequenzaMusica);
    Opzione(in, o, OpzRumori);
    Opzione(in, o, OpzLoquacita);
    Opzione(in, o, OpzCarattere);
    return in.Integro();
}

void LeggiImpostazioni(const std::filesystem::path& percorso, Impostazioni& imp, Avvisi& avvisi, const DataOra& adesso) {
    const FileLetto f = LeggiFile(percorso, kMassimoImpostazioni);
    if (f.stato == FileLetto::Stato::Mancante) return;
    if (f.stato == FileLetto::Stato::Illeggibile || f.stato == FileLetto::Stato::NonUnFile) {
        // Not damaged: left where it is, for the player to put right.
        avvisi.Aggiungi(AvvisoIlleggibile(percorso, f) + " Si usano le impostazioni iniziali.");
        return;
    }
    bool integro = false;
    if (f.stato == FileLetto::Stato::Letto) integro = LeggiImpostazioniDa(f.byte, imp);
    if (integro) return;
    const auto copia = MettiDaParte(percorso, adesso);
    std::string testo = f.stato == FileLetto::Stato::TroppoGrande
                            ? AvvisoTroppoGrande(percorso, f.dimensione, kMassimoImpostazioni)
                            : "Il file delle impostazioni " + percorso.filename().string() + " è incompleto o danneggiato.";
    testo += " Le impostazioni che non si sono potute leggere tornano ai valori iniziali.";
    if (copia) testo += " Il file è stato conservato come " + copia->filename().string() + ".";
    avvisi.Aggiungi(std::move(testo));
}

bool SalvaImpostazioni(const std::filesystem::path& percorso, const Impostazioni& imp, Avvisi& avvisi) {
    std::string errore;
    // A file that cannot be read (no permission, a pipe, a folder) is the player's to put right:
    // the settings go beside it instead.
    const FileLetto f = LeggiFile(percorso, kMassimoImpostazioni);
    if (f.stato == FileLetto::Stato::Illeggibile || f.stato == FileLetto::Stato::NonUnFile) {
        const std::filesystem::path accanto =
            percorso.parent_path() / (percorso.stem().string() + "-nuove" + percorso.extension().string());
        std::string testo = AvvisoIlleggibile(percorso, f) + " Non è stato sovrascritto: ";
        if (ScriviFileAtomico(accanto, ScriviImpostazioni(imp), &errore)) {
            avvisi.Aggiungi(testo + "le impostazioni sono state salvate in " + accanto.string() + ".");
            return true;
        }
        avvisi.Aggiungi(testo + "le impostazioni non sono state salvate. " + errore);
        return false;
    }
    if (ScriviFileAtomico(percorso, ScriviImpostazioni(imp), &errore)) return true;
    avvisi.Aggiungi("Le impostazioni non sono state salvate. " + errore);
    return false;
}

}  // namespace mrvelto
