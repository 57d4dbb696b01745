// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/LinkRegole.h"

namespace mrvelto {

namespace {

constexpr std::string_view kContinua = "Clicca qui per continuare > ";
constexpr std::string_view kUltima = "Clicca qui per ritornare > 5";

}  // namespace

int PaginaRegole(std::string_view caption) {
    if (caption == kUltima) return 5;
    if (caption.size() == kContinua.size() + 1 && caption.substr(0, kContinua.size()) == kContinua) {
        const char c = caption.back();
        if (c >= '1' && c <= '5') return c - '0';
    }
    return 1;
}

bool CaptionRegoleValida(std::string_view caption) {
    if (caption == kUltima) return true;
    return caption.size() == kContinua.size() + 1 && caption.substr(0, kContinua.size()) == kContinua && caption.back() >= '1' &&
           caption.back() <= '5';
}

std::string CaptionRegoleSeguente(std::string_view caption) {
    const int pagina = CaptionRegoleValida(caption) ? PaginaRegole(caption) : 5;
    if (pagina == 4) return std::string(kUltima);
    if (pagina == 5) return std::string(kPrimaPaginaRegole);
    return std::string(kContinua) + static_cast<char>('1' + pagina);
}

}  // namespace mrvelto
