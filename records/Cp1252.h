// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The data files keep text in the Windows-1252 code page (one byte for "à"); in memory every
// text is UTF-8. Both directions are total: decoding never fails, and encoding replaces what
// the code page cannot hold, so a file we write is always valid.
#include <string>
#include <string_view>

namespace mrvelto {

// Every byte becomes one character. The five bytes the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become the control characters of the same number, as Windows reads them, so
// that decoding and encoding give the bytes back.
std::string DaCp1252(std::string_view byte);

// Each character the code page holds becomes its byte; any other character, and every byte of
// malformed UTF-8, becomes "?".
std::string ACp1252(std::string_view utf8);

// True when every character of `utf8` has a byte in the code page (malformed UTF-8 has not).
bool RappresentabileInCp1252(std::string_view utf8);

}  // namespace mrvelto
