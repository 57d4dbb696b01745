// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LivelliMiscela.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace mrvelto {

namespace {
double Db(double ampiezza) { return ampiezza > 0 ? 20 * std::log10(ampiezza) : -std::numeric_limits<double>::infinity(); }
}  // namespace

void LivelliMiscela::Aggiungi(FonteAudio f, float sinistro, float destro) {
    const auto i = static_cast<std::size_t>(f);
    quadrati_[i] += (double(sinistro) * sinistro + double(destro) * destro) / 2;
    picchi_[i] = std::max({picchi_[i], double(std::fabs(sinistro)), double(std::fabs(destro))});
    attiva_[i] = true;
}

void LivelliMiscela::Uscita(float sinistro, float destro) {
    picco_ = std::max({picco_, double(std::fabs(sinistro)), double(std::fabs(destro))});
    quadratiTotali_ += (double(sinistro) * sinistro + double(destro) * destro) / 2;
    ++fotogrammi_;
}

void LivelliMiscela::FineFotogramma() {
    if (++nellaFinestra_ < kFinestra) return;
    for (std::size_t i = 0; i < kFontiAudio; ++i) {
        // A window counts for a source that sounded in it, at the RMS of the whole window.
        if (attiva_[i] && quadrati_[i] > 0) finestre_[i].push_back(static_cast<float>(std::sqrt(quadrati_[i] / kFinestra)));
        quadrati_[i] = 0;
        attiva_[i] = false;
    }
    nellaFinestra_ = 0;
}

double LivelliMiscela::PiccoDb() const { return Db(picco_); }

double LivelliMiscela::PiccoDb(FonteAudio f) const { return Db(picchi_[static_cast<std::size_t>(f)]); }

double LivelliMiscela::RmsDb() const { return fotogrammi_ ? Db(std::sqrt(quadratiTotali_ / static_cast<double>(fotogrammi_))) : Db(0); }

double LivelliMiscela::MedianaDb(FonteAudio f) const {
    std::vector<float> v = finestre_[static_cast<std::size_t>(f)];
    if (v.empty()) return Db(0);
    const auto meta = v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2);
    std::nth_element(v.begin(), meta, v.end());
    return Db(*meta);
}

std::string LivelliMiscela::Riassunto() const {
    char riga[300];
    std::snprintf(riga, sizeof riga,
                  "picco %.1f dBFS, RMS %.1f dBFS; mediane: voce %.1f, rumori %.1f, musica %.1f dBFS; picchi: voce %.1f, rumori %.1f, musica %.1f dBFS",
                  PiccoDb(), RmsDb(), MedianaDb(FonteAudio::Voce), MedianaDb(FonteAudio::Rumori), MedianaDb(FonteAudio::Musica),
                  PiccoDb(FonteAudio::Voce), PiccoDb(FonteAudio::Rumori), PiccoDb(FonteAudio::Musica));
    return riga;
}

}  // namespace mrvelto
