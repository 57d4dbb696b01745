// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PannelloOpzioniQt.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "screens/PannelloOpzioni.h"
#include "ui/PittorePannelli.h"
#include "ui/TestoAdattato.h"

namespace mrvelto {

namespace {

QString Qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
QColor Qc(Colore c) { return QColor(rosso(c), verde(c), blu(c)); }

constexpr int kAltoRighe = 400;
constexpr int kAltezzaRiga = 190;
constexpr int kAltezzaTitoloGruppo = 200;
constexpr int kLarghezzaDidascalia = 3000;
constexpr int kSpazioGruppi = 0;

// The vertical place of option n's row: the groups one after the other, each under its title.
int TopRiga(int n) {
    int top = kAltoRighe;
    for (const GruppoOpzioni& g : GruppiOpzioni()) {
        top += kAltezzaTitoloGruppo;
        for (int o : g.opzioni) {
            if (o == n) return top;
            top += kAltezzaRiga;
        }
        top += kSpazioGruppi;
    }
    return top;
}

void Carattere(QPainter& p, int pixel, bool grassetto) {
    QFont f = p.font();
    f.setPixelSize(pixel);
    f.setBold(grassetto);
    f.setItalic(false);
    p.setFont(f);
}

}  // namespace

QRect RigaDidascalia(const QRect& r, int n) { return {r.left() + 150, r.top() + TopRiga(n), kLarghezzaDidascalia, kAltezzaRiga}; }
QRect RigaValore(const QRect& r, int n) {
    return {r.left() + 150 + kLarghezzaDidascalia + 80, r.top() + TopRiga(n), r.width() - kLarghezzaDidascalia - 380, kAltezzaRiga};
}

// A caption in its lock colour, on a dark outline: the light green and the pink must read on
// every table colour, the sand and mustard ones too.
void Didascalia(QPainter& p, const QRect& r, const QString& testo, const QColor& colore) {
    const QFontMetricsF m(p.font());
    const QString visibile = m.elidedText(testo, Qt::ElideRight, r.width());
    QPainterPath contorno;
    contorno.addText(QPointF(r.left(), r.center().y() + (m.ascent() - m.descent()) / 2), p.font(), visibile);
    p.save();
    p.setPen(QPen(QColor(45, 20, 20), 36, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(contorno);
    p.restore();
    p.setPen(colore);
    p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, visibile);
    if (visibile != testo)
        if (std::vector<TestoTagliato>* raccolta = TestiTagliati()) raccolta->push_back({r, testo});
}

void DisegnaPannelloOpzioni(QPainter& p, const QRect& r, const PannelloOpzioni& pannello, const ColoriPannelli& colori) {
    Carattere(p, 220, true);
    p.setPen(colori.testo);
    p.drawText(QRect(r.left() + 150, r.top() + 60, r.width() - 300, 320), Qt::AlignCenter, Qs(kTitoloPannelloOpzioni));
    int top = kAltoRighe;
    for (const GruppoOpzioni& g : GruppiOpzioni()) {
        Carattere(p, 175, true);
        p.setPen(QColor(255, 255, 160));
        p.drawText(QRect(r.left() + 120, r.top() + top, r.width() - 240, kAltezzaTitoloGruppo), Qt::AlignLeft | Qt::AlignVCenter, Qs(g.titolo));
        top += kAltezzaTitoloGruppo + kAltezzaRiga * static_cast<int>(g.opzioni.size()) + kSpazioGruppi;
    }
    for (int n = 0; n < kNumeroOpzioni; ++n) {
        const RigaOpzione riga = pannello.Riga(n);
        Carattere(p, kCarattereMinimo, true);
        Didascalia(p, RigaDidascalia(r, n), Qs(riga.didascalia), Qc(riga.coloreDidascalia));
        Carattere(p, kCarattereMinimo, false);
        const QRect valore = RigaValore(r, n);
        if (riga.evidenziato) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 210));
            p.drawRect(valore.adjusted(-40, 5, 0, -5));
            p.setPen(QColor(40, 20, 10));
        } else {
            p.setPen(colori.testo);
        }
        TestoAdattato(p, valore, Qt::AlignLeft | Qt::AlignVCenter, Qs(riga.valore), kCarattereMinimo, true);
    }
    // The two notes under the rows, as much of them as their room holds; the rest is in the
    // tooltip.
    Carattere(p, kCarattereMinimo, false);
    p.setPen(colori.testo);
    const int note = r.top() + TopRiga(kNumeroOpzioni) + 20;
    const int resta = r.bottom() - note - 40;
    const int primo = (resta / 195 + 1) / 2 * 195;  // whole lines, the odd one to the first note
    TestoAdattato(p, QRect(r.left() + 150, note, r.width() - 300, primo), Qt::AlignLeft | Qt::AlignTop, Qs(kNotaCiclo));
    TestoAdattato(p, QRect(r.left() + 150, note + primo, r.width() - 300, resta - primo), Qt::AlignLeft | Qt::AlignTop, Qs(kNotaBlocchi));
}

SottoIlMouse CosaCeSotto(const QRect& r, QPoint t) {
    SottoIlMouse s;
    for (int n = 0; n < kNumeroOpzioni; ++n) {
        if (RigaDidascalia(r, n).contains(t)) s.didascalia = n;
        if (RigaValore(r, n).contains(t)) s.valore = n;
    }
    return s;
}

QString SuggerimentoOpzione(int n) { return QStringLiteral("<p>%1</p>").arg(Qs(SpiegazioneOpzione(n)).toHtmlEscaped()); }

}  // namespace mrvelto
