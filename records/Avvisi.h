// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Messages for the player about data files that could not be read or written. Each is said once:
// the window takes them (and so empties the list) and shows them.
#include <string>
#include <vector>

namespace mrvelto {

class Avvisi {
public:
    void Aggiungi(std::string testo);  // an identical message waiting already is not repeated
    bool Vuoto() const { return testi_.empty(); }
    const std::vector<std::string>& Testi() const { return testi_; }
    std::vector<std::string> Prendi();

private:
    std::vector<std::string> testi_;
};

}  // namespace mrvelto
