// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// MVeOpzio.txt, written by the installation and only read: whether a third card deck is installed
// in the Opzional image folder, whether its faces get a border, and the name "Stile Carte:" shows.
#include <filesystem>
#include <string>
#include <string_view>

#include "records/Avvisi.h"

namespace mrvelto {

inline constexpr std::string_view kFileCarteOpzionali = "C:\\Programmi\\MrVelto\\MVeOpzio.txt";
inline constexpr std::size_t kMassimoCarteOpzionali = 4 * 1024;

struct CarteOpzionali {
    std::string CarteOpzionali = "No";            // "Carte Opzionali inserite" when installed
    std::string BordoCarteOpzionali = "0";        // a number; not 0 draws a border
    std::string NomeCarteOpzionali = "Opzionali";

    bool Installate() const { return CarteOpzionali == "Carte Opzionali inserite"; }
    bool ConBordo() const;
};

// The three values, each read as text whatever its form (quoted or bare). Returns true when the
// file was intact; what is missing or malformed keeps its value.
bool LeggiCarteOpzionaliDa(std::string_view byte, CarteOpzionali& c);
// A missing file means no third deck, silently; a damaged one is reported once.
void LeggiCarteOpzionali(const std::filesystem::path& percorso, CarteOpzionali& c, Avvisi& avvisi);

}  // namespace mrvelto
