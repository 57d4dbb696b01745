// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file MVeImpo.txt: 43 values in a fixed order, written when the player confirms the
// exit and read when the main window opens. `Impostazioni` is the snapshot of the window's state
// that those lines hold.
#include <filesystem>
#include <string>
#include <string_view>

#include "game/DataOra.h"
#include "records/Avvisi.h"
#include "game/PannelloLaterale.h"
#include "game/SegnapuntiPartita.h"
#include "game/Opzioni.h"

namespace mrvelto {

inline constexpr int kRigheImpostazioni = 43;
inline constexpr std::size_t kMassimoImpostazioni = 64 * 1024;
inline constexpr std::string_view kFileImpostazioni = "C:\\Programmi\\MrVelto\\Dati\\MVeImpo.txt";

struct Impostazioni {
    Opzioni opzioni;
    bool Sbirciata = false;
    int IntervalloAttesaDelPCaMuovere = 500;
    int IntervalloEffettuaLaPresa = 750;
    int IntervalloAnimazionecartePC = 40;
    int IntervalloAnimazionecarteH = 40;
    SegnapuntiPartita segnapunti = DisposizioneSegnapunti(4);
    bool PuntiPCVisibile = true;          // the computer's points display PuntiPC
    bool PuntiPCScrittaVisibile = true;   // lblPuntiPCScritta
    bool PuntiHVisibile = true;
    bool PuntiHScrittaVisibile = true;
    PannelloLaterale PannelloVisualizzato = PannelloLaterale::Nessuno;
    std::string Continuaregole = "Clicca qui per continuare > 1";  // lblContinuaregole
    bool operator==(const Impostazioni& altro) const;
};

// The 43 lines, byte for byte (CR LF, Windows-1252).
std::string ScriviImpostazioni(const Impostazioni& imp);

// Reads the lines in order into `imp`; a line that is missing, does not convert or holds a value
// the game does not know leaves its field as it was. Options are checked against their choices
// (the deck style only for being non-empty: the optional deck's name is read later), intervals
// and positions against sane ranges, and lines 16, 18, 20 against 15, 17, 19 (the two dot rows
// share their columns, so the first value wins). Returns true when the file was intact.
bool LeggiImpostazioniDa(std::string_view byte, Impostazioni& imp);

// The file operations of the window. A missing file keeps `imp` as it is; a damaged one is kept
// aside under a dated name, read as far as it goes and reported once through `avvisi`.
void LeggiImpostazioni(const std::filesystem::path& percorso, Impostazioni& imp, Avvisi& avvisi, const DataOra& adesso);
bool SalvaImpostazioni(const std::filesystem::path& percorso, const Impostazioni& imp, Avvisi& avvisi);

}  // namespace mrvelto
