#include "ui/DisegnoCarta.h"

#include <QPainter>
#include <QPainterPath>

namespace mrvelto {

namespace {

QColor ColoreSeme(char seme) {
    switch (seme) {
        case 'd': return QColor(196, 150, 20);
        case 's': return QColor(40, 70, 140);
        case 'c': return QColor(180, 30, 40);
        default: return QColor(40, 110, 40);
    }
}

QString NomeRango(char rango) {
    switch (rango) {
        case 'A': return QStringLiteral("A");
        case 'F': return QStringLiteral("F");
        case 'C': return QStringLiteral("C");
        case 'R': return QStringLiteral("R");
        default: return QString(QChar(rango));
    }
}

}  // namespace

void DisegnaSeme(QPainter& p, const QRectF& r, char seme) {
    p.save();
    const QColor c = ColoreSeme(seme);
    p.setPen(QPen(c.darker(140), r.width() * 0.05));
    p.setBrush(c);
    const QPointF m = r.center();
    const double w = r.width(), h = r.height();
    switch (seme) {
        case 'd': {  // a coin with a ring
            p.drawEllipse(m, w * 0.42, w * 0.42);
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(m, w * 0.26, w * 0.26);
            break;
        }
        case 's': {  // a sword: blade, guard, hilt
            QPainterPath lama;
            lama.moveTo(m.x(), r.top());
            lama.lineTo(m.x() + w * 0.1, r.top() + h * 0.65);
            lama.lineTo(m.x() - w * 0.1, r.top() + h * 0.65);
            lama.closeSubpath();
            p.drawPath(lama);
            p.drawRect(QRectF(m.x() - w * 0.3, r.top() + h * 0.65, w * 0.6, h * 0.07));
            p.drawRect(QRectF(m.x() - w * 0.06, r.top() + h * 0.72, w * 0.12, h * 0.25));
            break;
        }
        case 'c': {  // a cup: bowl, stem, foot
            QPainterPath coppa;
            coppa.moveTo(r.left() + w * 0.1, r.top() + h * 0.1);
            coppa.lineTo(r.right() - w * 0.1, r.top() + h * 0.1);
            coppa.quadTo(r.right() - w * 0.1, r.top() + h * 0.55, m.x(), r.top() + h * 0.55);
            coppa.quadTo(r.left() + w * 0.1, r.top() + h * 0.55, r.left() + w * 0.1, r.top() + h * 0.1);
            p.drawPath(coppa);
            p.drawRect(QRectF(m.x() - w * 0.06, r.top() + h * 0.55, w * 0.12, h * 0.28));
            p.drawEllipse(QRectF(m.x() - w * 0.3, r.top() + h * 0.8, w * 0.6, h * 0.12));
            break;
        }
        default: {  // a club: a knotty stick
            QPainterPath bastone;
            bastone.moveTo(m.x() - w * 0.12, r.bottom());
            bastone.lineTo(m.x() - w * 0.2, r.top() + h * 0.1);
            bastone.quadTo(m.x(), r.top() - h * 0.02, m.x() + w * 0.2, r.top() + h * 0.1);
            bastone.lineTo(m.x() + w * 0.12, r.bottom());
            bastone.closeSubpath();
            p.drawPath(bastone);
            p.setBrush(c.darker(150));
            for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(m.x() + (i % 2 ? w * 0.14 : -w * 0.15), r.top() + h * (0.3 + 0.2 * i)), w * 0.07, w * 0.07);
            break;
        }
    }
    p.restore();
}

void DisegnaFaccia(QPainter& p, const QRectF& r, std::string_view codice, bool cornice) {
    p.save();
    p.setPen(cornice ? QPen(Qt::black, r.width() * 0.012) : Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, r.width() * 0.06, r.width() * 0.06);
    if (codice.size() == 2) {
        const char seme = codice[1];
        QFont f = p.font();
        f.setPixelSize(std::max(6, static_cast<int>(r.width() * 0.28)));
        f.setBold(true);
        p.setFont(f);
        p.setPen(ColoreSeme(seme).darker(130));
        const QRectF angolo(r.left() + r.width() * 0.06, r.top() + r.height() * 0.02, r.width() * 0.5, r.height() * 0.16);
        p.drawText(angolo, Qt::AlignLeft | Qt::AlignTop, NomeRango(codice[0]));
        const QRectF angoloBasso(r.right() - r.width() * 0.56, r.bottom() - r.height() * 0.18, r.width() * 0.5, r.height() * 0.16);
        p.drawText(angoloBasso, Qt::AlignRight | Qt::AlignBottom, NomeRango(codice[0]));
        const double lato = r.width() * 0.62;
        DisegnaSeme(p, QRectF(r.center().x() - lato / 2, r.center().y() - lato / 2, lato, lato), seme);
    }
    p.restore();
}

void DisegnaRetro(QPainter& p, const QRectF& r, const QColor& colore) {
    p.save();
    p.setPen(QPen(colore.darker(140), r.width() * 0.012));
    p.setBrush(colore);
    p.drawRoundedRect(r, r.width() * 0.06, r.width() * 0.06);
    p.restore();
}

}  // namespace mrvelto
