// SPDX-License-Identifier: GPL-3.0-or-later
// MVeClass.txt, MVeAlbo.txt and MVePart.txt: the input is split into the three files at the first
// two bytes 0x00 (a missing part is a missing file). Whatever was read writes files that read back
// whole and the same.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "records/Record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mrvelto;
    std::string resto(reinterpret_cast<const char*>(data), size);
    std::optional<std::string> parti[3];
    for (int i = 0; i < 3 && !resto.empty(); ++i) {
        const auto fine = i < 2 ? resto.find('\0') : std::string::npos;
        parti[i] = resto.substr(0, fine);
        resto = fine == std::string::npos ? std::string() : resto.substr(fine + 1);
    }
    Record r;
    LeggiRecordDa(parti[0] ? &*parti[0] : nullptr, parti[1] ? &*parti[1] : nullptr, parti[2] ? &*parti[2] : nullptr, r);
    const FileRecord f = ScriviRecord(r);
    Record riletto;
    if (!LeggiRecordDa(&f.classifica, &f.albo, &f.partite, riletto).Integro() || !(riletto == r)) std::abort();
    return 0;
}
