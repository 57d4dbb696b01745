#include "ui/TestoAdattato.h"

#include <QPainter>

#include <algorithm>

namespace mrvelto {

int TestoAdattato(QPainter& p, const QRect& r, int allineamento, const QString& testo, double minimo, bool unaRiga) {
    const QFont originale = p.font();
    QFont f = originale;
    const int base = originale.pixelSize();
    const int flags = unaRiga ? allineamento : allineamento | Qt::TextWordWrap;
    if (base > 0) {
        const int piccolo = static_cast<int>(base * minimo);
        for (int px = base; px >= piccolo; px -= std::max(1, base / 30)) {
            f.setPixelSize(px);
            p.setFont(f);
            // The painter measures as it will draw: through its scale, with the hinting of the device.
            const QRect occupato = p.boundingRect(r, flags, testo);
            if (occupato.width() <= r.width() && occupato.height() <= r.height()) break;
        }
    }
    p.drawText(r, flags, testo);
    p.setFont(originale);
    return f.pixelSize();
}

}  // namespace mrvelto
