// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/Percorsi.h"

#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

namespace mrvelto {

namespace {

bool UgualeSenzaMaiuscole(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

std::vector<std::string> Componenti(std::string_view percorso) {
    std::vector<std::string> parti;
    std::string corrente;
    for (char c : percorso) {
        if (c == '\\' || c == '/') {
            if (!corrente.empty()) parti.push_back(std::move(corrente));
            corrente.clear();
        } else {
            corrente += c;
        }
    }
    if (!corrente.empty()) parti.push_back(std::move(corrente));
    std::vector<std::string> pulite;
    for (auto& p : parti)
        if (p != "." && p != "..") pulite.push_back(std::move(p));
    return pulite;
}

}  // namespace

std::filesystem::path MappaPercorso(std::string_view percorso, const Radici& radici) {
    std::string_view resto = percorso;
    if (resto.size() >= kPrefissoInstallazione.size() &&
        UgualeSenzaMaiuscole(resto.substr(0, kPrefissoInstallazione.size()), kPrefissoInstallazione))
        resto.remove_prefix(kPrefissoInstallazione.size());
    const auto parti = Componenti(resto);
    const bool scrivibile = !parti.empty() && (UgualeSenzaMaiuscole(parti[0], "Dati") || UgualeSenzaMaiuscole(parti[0], "Archivio"));
    std::filesystem::path risultato = scrivibile ? radici.utente : radici.media;
    for (std::size_t i = 0; i < parti.size(); ++i) {
        // The writable folders keep one spelling on a case-sensitive file system.
        if (i == 0 && scrivibile)
            risultato /= UgualeSenzaMaiuscole(parti[0], "Dati") ? "Dati" : "Archivio";
        else
            risultato /= parti[i];
    }
    return risultato;
}

Radici RadiciDaAmbiente(Radici radici, const char* casa, const char* media) {
    if (casa && *casa) radici.utente = casa;
    if (media && *media) radici.media = media;
    return radici;
}

}  // namespace mrvelto
