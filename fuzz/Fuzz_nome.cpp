// SPDX-License-Identifier: GPL-3.0-or-later
// MVeNome.txt: any input reads without harm; a name read is a normalised name that writes and
// reads back the same.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "records/FormatoRiga.h"
#include "records/NomeGiocatore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mrvelto;
    const std::string_view byte(reinterpret_cast<const char*>(data), size);
    const auto nome = LeggiNomeGiocatoreDa(byte);
    if (!nome) return 0;
    if (NormalizzaNome(*nome) != *nome) std::abort();
    ScrittoreRighe out;
    out.Testo(*nome);
    if (LeggiNomeGiocatoreDa(out.Byte()) != nome) std::abort();
    return 0;
}
