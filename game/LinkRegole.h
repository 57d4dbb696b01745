// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules box's link lblContinuaregole: its caption names the page shown and a click moves it on.
#include <string>
#include <string_view>

namespace mrvelto {

inline constexpr std::string_view kPrimaPaginaRegole = "Clicca qui per continuare > 1";

// True for the five captions the link takes (and "Clicca qui per continuare > 5", which an older
// file may hold).
bool CaptionRegoleValida(std::string_view caption);
// The caption after `caption`: "> 1" .. "> 4" move on, "> 5" goes back to the first page; an
// unknown caption goes to the first page as well.
std::string CaptionRegoleSeguente(std::string_view caption);
// The page 1..5 a caption names (1 for an unknown one).
int PaginaRegole(std::string_view caption);

}  // namespace mrvelto
