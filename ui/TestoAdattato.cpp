// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TestoAdattato.h"

#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace mrvelto {

namespace {

bool Entra(QPainter& p, const QRect& r, int flags, const QString& testo) {
    // The painter measures as it will draw: through its scale, with the hinting of the device.
    // One line is as tall as its type: only its width can be too much.
    const QRect occupato = p.boundingRect(r, flags, testo);
    return occupato.width() <= r.width() && (occupato.height() <= r.height() || !(flags & Qt::TextWordWrap));
}

// The longest start of `testo`, ended at a word and followed by an ellipsis, that fits `r`.
QString Tagliato(QPainter& p, const QRect& r, int flags, bool unaRiga, const QString& testo) {
    const QChar puntini(0x2026);
    if (!unaRiga) {
        const QStringList parole = testo.split(QLatin1Char(' '));
        int si = 0, no = static_cast<int>(parole.size());
        while (no - si > 1) {
            const int m = (si + no) / 2;
            if (Entra(p, r, flags, parole.mid(0, m).join(QLatin1Char(' ')) + puntini)) si = m;
            else no = m;
        }
        if (si > 0) return parole.mid(0, si).join(QLatin1Char(' ')) + puntini;
    }
    // One line, or one word too long for the box: cut inside it.
    QString s = testo;
    while (!s.isEmpty() && !Entra(p, r, flags, s + puntini)) s.chop(1);
    return s + puntini;
}

}  // namespace

std::vector<TestoTagliato>*& TestiTagliati() {
    static std::vector<TestoTagliato>* raccolta = nullptr;
    return raccolta;
}

int TestoAdattato(QPainter& p, const QRect& r, int allineamento, const QString& testo, int minimo, bool unaRiga) {
    const QFont originale = p.font();
    QFont f = originale;
    const int base = originale.pixelSize();
    const int flags = unaRiga ? allineamento : allineamento | Qt::TextWordWrap;
    bool entra = true;
    if (base > 0) {
        const int piccolo = std::min(base, minimo);
        for (int px = base;; px = std::max(piccolo, px - std::max(1, base / 30))) {
            f.setPixelSize(px);
            p.setFont(f);
            entra = Entra(p, r, flags, testo);
            if (entra || px == piccolo) break;
        }
    }
    if (entra) {
        p.drawText(r, flags, testo);
    } else {
        p.drawText(r, flags, Tagliato(p, r, flags, unaRiga, testo));
        if (std::vector<TestoTagliato>* raccolta = TestiTagliati()) raccolta->push_back({r, testo});
    }
    p.setFont(originale);
    return f.pixelSize();
}

}  // namespace mrvelto
