#include "ui/PannelloOpzioniQt.h"

#include <QPainter>

#include "screens/PannelloOpzioni.h"
#include "ui/PittorePannelli.h"
#include "ui/TestoAdattato.h"

namespace mrvelto {

namespace {

QString Qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
QColor Qc(Colore c) { return QColor(rosso(c), verde(c), blu(c)); }

constexpr int kAltoRighe = 430;
constexpr int kAltezzaRiga = 185;
constexpr int kAltezzaTitoloGruppo = 210;
constexpr int kLarghezzaDidascalia = 2750;
constexpr int kSpazioGruppi = 40;

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

void DisegnaPannelloOpzioni(QPainter& p, const QRect& r, const PannelloOpzioni& pannello, const ColoriPannelli& colori) {
    Carattere(p, 220, true);
    p.setPen(colori.testo);
    p.drawText(QRect(r.left() + 150, r.top() + 60, r.width() - 300, 340), Qt::AlignCenter, Qs(kTitoloPannelloOpzioni));
    int top = kAltoRighe;
    for (const GruppoOpzioni& g : GruppiOpzioni()) {
        Carattere(p, 165, true);
        p.setPen(QColor(255, 255, 160));
        p.drawText(QRect(r.left() + 120, r.top() + top, r.width() - 240, kAltezzaTitoloGruppo), Qt::AlignLeft | Qt::AlignVCenter, Qs(g.titolo));
        top += kAltezzaTitoloGruppo + kAltezzaRiga * static_cast<int>(g.opzioni.size()) + kSpazioGruppi;
    }
    Carattere(p, 140, false);
    for (int n = 0; n < kNumeroOpzioni; ++n) {
        const RigaOpzione riga = pannello.Riga(n);
        p.setPen(Qc(riga.coloreDidascalia));
        p.drawText(RigaDidascalia(r, n), Qt::AlignLeft | Qt::AlignVCenter, Qs(riga.didascalia));
        const QRect valore = RigaValore(r, n);
        if (riga.evidenziato) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 210));
            p.drawRect(valore.adjusted(-40, 10, 0, -10));
            p.setPen(QColor(40, 20, 10));
        } else {
            p.setPen(colori.testo);
        }
        p.drawText(valore, Qt::AlignLeft | Qt::AlignVCenter, Qs(riga.valore));
    }
    // The two notes under the rows, in a smaller hand: as large as their room allows.
    Carattere(p, 132, false);
    p.setPen(colori.testo);
    const int note = r.top() + TopRiga(kNumeroOpzioni) + 20;
    const int resta = r.bottom() - note - 60;
    TestoAdattato(p, QRect(r.left() + 150, note, r.width() - 300, resta / 2), Qt::AlignLeft | Qt::AlignTop, Qs(kNotaCiclo), 0.75);
    TestoAdattato(p, QRect(r.left() + 150, note + resta / 2, r.width() - 300, resta / 2), Qt::AlignLeft | Qt::AlignTop, Qs(kNotaBlocchi),
                  0.75);
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
