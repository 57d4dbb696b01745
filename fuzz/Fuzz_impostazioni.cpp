// SPDX-License-Identifier: GPL-3.0-or-later
// MVeImpo.txt: any input reads without harm, and whatever was read writes a file that reads back
// whole and the same (the peek flag as the saved option sets it).
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "records/Impostazioni.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mrvelto;
    const std::string_view byte(reinterpret_cast<const char*>(data), size);
    Impostazioni imp;
    LeggiImpostazioniDa(byte, imp);
    // The peek flag is not written: line 5 repeats "Mostra carte di Mr. Velto:" and sets it.
    imp.Sbirciata = imp.opzioni.MostraCarte;
    const std::string scritto = ScriviImpostazioni(imp);
    Impostazioni riletto;
    if (!LeggiImpostazioniDa(scritto, riletto) || !(riletto == imp)) std::abort();
    return 0;
}
