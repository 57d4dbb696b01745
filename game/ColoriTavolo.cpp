// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ColoriTavolo.h"

namespace mrvelto {

const std::array<ColoreNominato, 24>& TabellaColori() {
    static const std::array<ColoreNominato, 24> tabella{{
        {"Verde Veronese", rgb(78, 146, 81), rgb(67, 124, 70)},
        {"Acqua", rgb(81, 142, 120), rgb(69, 122, 104)},
        {"' 98", rgb(0, 128, 128), rgb(0, 106, 106)},
        {"Azzurro bebé", rgb(82, 145, 152), rgb(66, 118, 125)},
        {"Aviazione", rgb(92, 126, 141), rgb(79, 109, 123)},
        {"Lavanda", rgb(77, 123, 157), rgb(64, 101, 128)},
        {"Blues", rgb(106, 120, 159), rgb(87, 101, 136)},
        {"Grigio cemento", rgb(128, 128, 128), rgb(114, 114, 114)},
        {"Glicine", rgb(136, 125, 172), rgb(121, 109, 163)},
        {"Violetta", rgb(149, 113, 157), rgb(130, 95, 135)},
        {"Viola antico", rgb(139, 105, 124), rgb(125, 94, 111)},
        {"Lambrusco", rgb(147, 87, 102), rgb(135, 78, 92)},
        {"Rosso mattone", rgb(169, 88, 65), rgb(154, 80, 58)},
        {"Legno", rgb(155, 95, 61), rgb(125, 95, 66)},
        {"Cioccolata", rgb(152, 115, 82), rgb(132, 100, 70)},
        {"Caffé", rgb(136, 114, 77), rgb(122, 102, 69)},
        {"Caffelatte", rgb(152, 125, 71), rgb(138, 114, 64)},
        {"Sahara", rgb(173, 139, 61), rgb(150, 120, 52)},
        {"Senape", rgb(152, 150, 54), rgb(121, 119, 43)},
        {"Divisa militare", rgb(129, 131, 50), rgb(104, 107, 41)},
        {"Grigio topo", rgb(123, 132, 102), rgb(118, 114, 88)},
        {"Muschio", rgb(101, 133, 69), rgb(90, 119, 62)},
        {"Verde nobile", rgb(105, 138, 89), rgb(94, 122, 80)},
        {"Salvia", rgb(94, 133, 90), rgb(80, 114, 78)},
    }};
    return tabella;
}

const ColoreNominato* CercaColore(std::string_view nome) {
    for (const auto& c : TabellaColori())
        if (c.nome == nome) return &c;
    return nullptr;
}

}  // namespace mrvelto
