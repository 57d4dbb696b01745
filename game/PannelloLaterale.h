// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which of the two left side panels is open: `PannelloVisualizzato`, saved with the settings.
#include <optional>
#include <string_view>

namespace mrvelto {

enum class PannelloLaterale { Nessuno, Partita, Dati };

std::string_view TestoPannello(PannelloLaterale p);  // "Nessuno", "Partita", "Dati"
std::optional<PannelloLaterale> PannelloDaTesto(std::string_view testo);

}  // namespace mrvelto
