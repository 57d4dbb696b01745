// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules box's five pages: two of rules and three where the author presents the game and its
// opponent, the last one with a picture. The box's text area is moved down and shortened for the
// picture on page 5 and put back on page 1.
#include <string>
#include <string_view>

namespace mrvelto {

inline constexpr std::string_view kTitoloRegole = " REGOLE DEL GIOCO DELLA BRISCOLA";
inline constexpr std::string_view kTitoloPresentazione = "      PRESENTAZIONE      (A CURA DELL'AUTORE)";

// Twips from the box's top left corner.
struct AreaTesto {
    int left = 0, top = 0, larghezza = 0, altezza = 0;
    bool operator==(const AreaTesto&) const = default;
};
inline constexpr int kLarghezzaRegole = 2700;
inline constexpr int kAltezzaRegole = 4670;
// The link lblContinuaregole at the foot of the box, room for two lines.
inline constexpr AreaTesto kAreaLinkRegole{100, kAltezzaRegole - 470, kLarghezzaRegole - 200, 420};
inline constexpr AreaTesto kAreaTestoRegole{100, 520, kLarghezzaRegole - 200, kAreaLinkRegole.top - 20 - 520};
// Page 5: the picture takes the top of the box, the text goes under it.
inline constexpr AreaTesto kAreaImmagineRegole{(kLarghezzaRegole - 1350) / 2, 500, 1350, 1500};
inline constexpr AreaTesto kAreaTestoConImmagine{100, 2060, kLarghezzaRegole - 200, kAreaLinkRegole.top - 20 - 2060};

struct TestoRegole {
    std::string_view titolo;
    std::string testo;
    bool immagine = false;
};
// Page 1..5 (anything else reads as page 1).
TestoRegole PaginaDelleRegole(int pagina);

// What the box shows now.
struct RiquadroRegole {
    std::string titolo;
    std::string testo;
    bool immagineVisibile = false;
    AreaTesto areaTesto = kAreaTestoRegole;
};

}  // namespace mrvelto
