// SPDX-License-Identifier: GPL-3.0-or-later
// MVeOpzio.txt: any input reads without harm, and the three texts read write and read back.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "records/CarteOpzionali.h"
#include "records/FormatoRiga.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mrvelto;
    const std::string_view byte(reinterpret_cast<const char*>(data), size);
    CarteOpzionali c;
    LeggiCarteOpzionaliDa(byte, c);
    (void)c.ConBordo();
    ScrittoreRighe out;
    out.Testo(c.CarteOpzionali);
    out.Testo(c.BordoCarteOpzionali);
    out.Testo(c.NomeCarteOpzionali);
    CarteOpzionali riletto;
    if (!LeggiCarteOpzionaliDa(out.Byte(), riletto) || riletto.CarteOpzionali != c.CarteOpzionali ||
        riletto.BordoCarteOpzionali != c.BordoCarteOpzionali || riletto.NomeCarteOpzionali != c.NomeCarteOpzionali)
        std::abort();
    return 0;
}
