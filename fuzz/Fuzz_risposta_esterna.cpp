// SPDX-License-Identifier: GPL-3.0-or-later
// An external opponent's answer line: whatever it says, the answer is a slot the seat may play
// now, or a refusal with a reason on one line; never both, never neither.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cards/Carta.h"
#include "sim/RispostaEsterna.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mrvelto;
    // Two bytes set the table: which slots hold a card (and which of them may be played), the seat.
    if (size < 2) return 0;
    const unsigned piene = data[0] & 0x3F, ammesse = data[1] & 0x3F;
    const Chi posto = data[1] & 0x80 ? Chi::PC : Chi::H;
    const std::string_view riga(reinterpret_cast<const char*>(data + 2), size - 2);
    StatoGioco s;
    const auto& mazzo = MazzoOrdinato();
    for (int k = 1; k <= 6; ++k)
        if (piene & (1u << (k - 1))) s.Metti(k, mazzo[k * 5 + (data[0] >> 6)]);
    auto ammessa = [&](int k) { return k >= 1 && k <= 6 && !s.Carta[k].Vuota() && (ammesse & (1u << (k - 1))); };
    const sim::RispostaEsterna r = sim::LeggiRispostaEsterna(riga, s, posto, ammessa);
    if (r.slot != 0) {
        if (!r.errore.empty() || !ammessa(r.slot)) std::abort();
        const bool suo = posto == Chi::H ? r.slot >= 4 : r.slot <= 3;
        if (!suo) std::abort();
    } else if (r.errore.empty() || r.errore.find('\n') != std::string::npos) {
        std::abort();
    }
    const std::string una = sim::SuUnaRiga(riga, 64);
    if (una.size() > 64 + 16 || una.find('\n') != std::string::npos) std::abort();
    return 0;
}
