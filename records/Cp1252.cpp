// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/Cp1252.h"

#include <array>
#include <cstdint>
#include <optional>

namespace mrvelto {

namespace {

// Code points of the bytes 0x80..0x9F; the undefined ones keep their own number.
constexpr std::array<char32_t, 32> kAlti = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AggiungiUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::optional<unsigned char> ByteDi(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < kAlti.size(); ++i)
        if (kAlti[i] == c) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

// Reads one UTF-8 character at `i`, moving `i` past it; nullopt for a malformed sequence (then
// `i` moves by one byte).
std::optional<char32_t> LeggiUtf8(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    int lunghezza = 0;
    char32_t c = 0;
    char32_t minimo = 0;
    if (b0 < 0x80) {
        ++i;
        return b0;
    } else if ((b0 & 0xE0) == 0xC0) {
        lunghezza = 2, c = b0 & 0x1F, minimo = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        lunghezza = 3, c = b0 & 0x0F, minimo = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        lunghezza = 4, c = b0 & 0x07, minimo = 0x10000;
    } else {
        ++i;
        return std::nullopt;
    }
    if (i + static_cast<std::size_t>(lunghezza) > s.size()) {
        ++i;
        return std::nullopt;
    }
    for (int k = 1; k < lunghezza; ++k) {
        const auto b = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return std::nullopt;
        }
        c = (c << 6) | (b & 0x3F);
    }
    if (c < minimo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++i;
        return std::nullopt;
    }
    i += static_cast<std::size_t>(lunghezza);
    return c;
}

}  // namespace

std::string DaCp1252(std::string_view byte) {
    std::string out;
    out.reserve(byte.size());
    for (char ch : byte) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) out += ch;
        else if (b < 0xA0) AggiungiUtf8(out, kAlti[b - 0x80]);
        else AggiungiUtf8(out, b);
    }
    return out;
}

std::string ACp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = LeggiUtf8(utf8, i);
        const auto b = c ? ByteDi(*c) : std::nullopt;
        out += b ? static_cast<char>(*b) : '?';
    }
    return out;
}

bool RappresentabileInCp1252(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = LeggiUtf8(utf8, i);
        if (!c || !ByteDi(*c)) return false;
    }
    return true;
}

}  // namespace mrvelto
