// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/RegistroDisegno.h"

#include <QPainter>

namespace mrvelto {

RegistroDisegno*& RegistroDisegno::Attivo() {
    static RegistroDisegno* attivo = nullptr;
    return attivo;
}

void RegistroDisegno::Testo(const QRectF& pixel, double carattere, const QString& testo) {
    scatole_.push_back({TipoScatola::Testo, testo, pixel, carattere, aperte_.empty() ? -1 : aperte_.back()});
}

int RegistroDisegno::Apri(TipoScatola tipo, const QString& nome, const QRectF& pixel) {
    scatole_.push_back({tipo, nome, pixel, 0, aperte_.empty() ? -1 : aperte_.back()});
    aperte_.push_back(static_cast<int>(scatole_.size()) - 1);
    return aperte_.back();
}

ScatolaInDisegno::ScatolaInDisegno(const QPainter& p, TipoScatola tipo, const QString& nome, const QRectF& r) {
    if (RegistroDisegno* registro = RegistroDisegno::Attivo()) {
        registro->Apri(tipo, nome, p.transform().mapRect(r));
        aperta_ = true;
    }
}

ScatolaInDisegno::~ScatolaInDisegno() {
    if (aperta_ && RegistroDisegno::Attivo()) RegistroDisegno::Attivo()->Chiudi();
}

}  // namespace mrvelto
