// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/Avvisi.h"

#include <algorithm>

namespace mrvelto {

void Avvisi::Aggiungi(std::string testo) {
    if (std::find(testi_.begin(), testi_.end(), testo) == testi_.end()) testi_.push_back(std::move(testo));
}

std::vector<std::string> Avvisi::Prendi() {
    std::vector<std::string> presi;
    presi.swap(testi_);
    return presi;
}

}  // namespace mrvelto
