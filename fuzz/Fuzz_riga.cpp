// SPDX-License-Identifier: GPL-3.0-or-later
// The line format itself: every line of any input analyses and converts without harm; the code
// page round trip gives the bytes back; a text read writes a line that reads back the same.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "records/Cp1252.h"
#include "records/FormatoRiga.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mrvelto;
    const std::string_view byte(reinterpret_cast<const char*>(data), size);
    if (ACp1252(DaCp1252(byte)) != byte) std::abort();
    (void)ACp1252(byte);  // the input taken as UTF-8, malformed or not
    const std::string sicuro = TestoSicuro(byte);
    if (TestoSicuro(sicuro) != sicuro) std::abort();
    for (std::string_view riga : DividiRighe(byte)) {
        const ValoreRiga v = AnalizzaRiga(riga);
        (void)ComeIntero(v);
        (void)ComeDecimale(v);
        (void)ComeSiNo(v);
        if (const auto t = ComeTesto(v)) {
            ScrittoreRighe out;
            out.Testo(*t);
            const auto righe = DividiRighe(out.Byte());
            if (righe.size() != 1 || ComeTesto(AnalizzaRiga(righe[0])) != t) std::abort();
        }
        if (const auto x = ComeDecimale(v)) {
            ScrittoreRighe out;
            out.Decimale(*x);
            if (ComeDecimale(AnalizzaRiga(DividiRighe(out.Byte())[0])) != x) std::abort();
        }
    }
    return 0;
}
