// SPDX-License-Identifier: GPL-3.0-or-later
// `mrvelto-sim choose`'s request: any text either is refused with one line of reason or gives a
// decision that plays a card of the computer's hand; nothing else may escape (a JSON type error,
// an overflow the sanitizers see).
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include <nlohmann/json.hpp>

#include "sim/SceltaJson.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mrvelto;
    const std::string testo(reinterpret_cast<const char*>(data), size);
    const nlohmann::json j = nlohmann::json::parse(testo, nullptr, false);
    if (j.is_discarded()) return 0;
    RichiestaScelta r;
    try {
        r = LeggiRichiestaScelta(j);
    } catch (const std::invalid_argument& e) {
        const std::string m = e.what();
        if (m.empty() || m.find('\n') != std::string::npos) std::abort();
        return 0;
    }
    const auto out = RispostaScelta(r);
    const int scelta = out["choice"].get<int>();
    if (scelta < 1 || scelta > 3 || r.posizione.manoPC[static_cast<std::size_t>(scelta - 1)].Vuota()) std::abort();
    return 0;
}
