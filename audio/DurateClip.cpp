// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/DurateClip.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace mrvelto {

namespace {

// The lengths the game's timers have always used, whatever the files last.
constexpr std::pair<std::string_view, int> kDurateNote[] = {
    {"Rumori/liscio.wav", 338},        {"Rumori/fante.wav", 338},         {"Rumori/cavallo.wav", 360},
    {"Rumori/re.wav", 376},            {"Rumori/tre.wav", 262},           {"Rumori/asso.wav", 356},
    {"Commenti/2v/2v01.wav", 1893},    {"Commenti/2v/2v02.wav", 1644},    {"Commenti/2v/2v03.wav", 1094},
    {"Commenti/2v/2v04.wav", 3037},    {"Commenti/2v/2v05.wav", 1682},    {"Commenti/2v/2v06.wav", 1313},
    {"Commenti/Inizio/Inizio01.wav", 3414}, {"Commenti/Inizio/Inizio02.wav", 4999},
    {"Commenti/Inizio/Inizio03.wav", 3095},
    // Without the measured table, the other noises get lengths of their kind.
    {"Rumori/carta1.wav", 250},        {"Rumori/carta2.wav", 250},        {"Rumori/carta3.wav", 250},
    {"Rumori/carta4.wav", 250},        {"Rumori/Presa1.wav", 600},        {"Rumori/Presa2.wav", 600},
};

}  // namespace

DurateClip DurateClip::Da(std::string_view testo) {
    DurateClip d;
    std::istringstream in{std::string(testo)};
    std::string riga;
    while (std::getline(in, riga)) {
        if (!riga.empty() && riga.back() == '\r') riga.pop_back();
        const auto tab = riga.find('\t');
        if (tab == std::string::npos || tab == 0) continue;
        const std::string_view ms = std::string_view(riga).substr(tab + 1);
        int valore = 0;
        const auto [fine, errore] = std::from_chars(ms.data(), ms.data() + ms.size(), valore);
        if (errore != std::errc{} || fine != ms.data() + ms.size() || valore <= 0) continue;
        d.durate_[riga.substr(0, tab)] = valore;
    }
    return d;
}

DurateClip DurateClip::Leggi(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return DurateClip{};
    std::ostringstream testo;
    testo << in.rdbuf();
    return Da(testo.str());
}

std::optional<int> DurateClip::DallaTabella(const std::string& percorso) const {
    const auto it = durate_.find(percorso);
    if (it == durate_.end()) return std::nullopt;
    return it->second;
}

int DurateClip::Durata(const std::string& percorso) const {
    if (const auto d = DallaTabella(percorso)) return *d;
    for (const auto& [p, ms] : kDurateNote)
        if (p == percorso) return ms;
    return kPredefinita;
}

}  // namespace mrvelto
