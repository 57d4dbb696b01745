// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PittoreRegole.h"

#include <QPainter>
#include <QHash>
#include <QPainterPath>
#include <QStringList>

#include "screens/CornicePrincipale.h"
#include "ui/PittorePannelli.h"
#include "ui/RegistroDisegno.h"
#include "ui/TestoAdattato.h"

namespace mrvelto {

namespace {

QString Qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QRect Area(const AreaTesto& a) {
    const QRect& r = geometria::kRiquadroRegole;
    return {r.left() + a.left, r.top() + a.top, a.larghezza, a.altezza};
}

// The author's portrait of the opponent: a card player in a bowler hat, with the briscola he is
// proudest of in his hand.
void Ritratto(QPainter& p, const QRect& r) {
    p.save();
    p.setPen(QPen(QColor(60, 40, 30), 20));
    p.setBrush(QColor(245, 235, 210));
    p.drawRoundedRect(r, 60, 60);
    const QPointF c(r.center().x(), r.top() + r.height() * 0.45);
    const double u = r.width() / 10.0;
    // Jacket and bow tie.
    p.setBrush(QColor(40, 50, 90));
    p.drawChord(QRectF(c.x() - 4 * u, r.bottom() - 3.2 * u, 8 * u, 6 * u), 0, 180 * 16);
    p.setBrush(QColor(190, 30, 40));
    QPolygonF farfalla;
    farfalla << QPointF(c.x(), r.bottom() - 3 * u) << QPointF(c.x() - 1.2 * u, r.bottom() - 3.6 * u)
             << QPointF(c.x() - 1.2 * u, r.bottom() - 2.4 * u) << QPointF(c.x(), r.bottom() - 3 * u)
             << QPointF(c.x() + 1.2 * u, r.bottom() - 3.6 * u) << QPointF(c.x() + 1.2 * u, r.bottom() - 2.4 * u);
    p.drawPolygon(farfalla);
    // Face, eyes, moustache and a knowing smile.
    p.setBrush(QColor(240, 200, 160));
    p.drawEllipse(c, 2.6 * u, 3 * u);
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(QPointF(c.x() - u, c.y() - 0.5 * u), 0.3 * u, 0.35 * u);
    p.drawEllipse(QPointF(c.x() + u, c.y() - 0.5 * u), 0.3 * u, 0.35 * u);
    QPainterPath baffi;
    baffi.moveTo(c.x() - 1.6 * u, c.y() + 0.9 * u);
    baffi.quadTo(c.x(), c.y() + 0.2 * u, c.x() + 1.6 * u, c.y() + 0.9 * u);
    baffi.quadTo(c.x(), c.y() + 0.6 * u, c.x() - 1.6 * u, c.y() + 0.9 * u);
    p.drawPath(baffi);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 40, 30), 18));
    p.drawArc(QRectF(c.x() - u, c.y() + 0.6 * u, 2 * u, 1.2 * u), 200 * 16, 140 * 16);
    // Bowler hat.
    p.setPen(QPen(QColor(20, 20, 20), 15));
    p.setBrush(QColor(35, 35, 35));
    p.drawRect(QRectF(c.x() - 3.2 * u, c.y() - 2.7 * u, 6.4 * u, 0.5 * u));
    p.drawChord(QRectF(c.x() - 2.2 * u, c.y() - 5 * u, 4.4 * u, 5 * u), 0, 180 * 16);
    // The card: an ace of coins, face out.
    const QRectF carta(r.right() - 2.6 * u, r.bottom() - 4.4 * u, 1.9 * u, 3 * u);
    p.setPen(QPen(QColor(60, 40, 30), 12));
    p.setBrush(Qt::white);
    p.drawRoundedRect(carta, 20, 20);
    p.setBrush(QColor(220, 170, 30));
    p.drawEllipse(carta.center(), 0.6 * u, 0.6 * u);
    p.restore();
}

constexpr int kAltezzaRigaRegole = 195;  // 13 pixels at the smallest scale
constexpr int kBarraRegole = 110;

// `testo` in lines no wider than `larghezza` as the painter draws them, kept per text and scale.
const QStringList& Righe(QPainter& p, const QString& testo, int larghezza) {
    static QHash<QString, QStringList> fatte;
    const QString chiave = QStringLiteral("%1|%2|%3|").arg(larghezza).arg(p.transform().m11()).arg(p.font().pixelSize()) + testo;
    auto it = fatte.find(chiave);
    if (it != fatte.end()) return *it;
    QStringList righe;
    QString riga;
    const QRect spazio(0, 0, 100000, 1000);
    for (const QString& parola : testo.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString prova = riga.isEmpty() ? parola : riga + QLatin1Char(' ') + parola;
        if (riga.isEmpty() || p.boundingRect(spazio, Qt::AlignLeft, prova).width() <= larghezza) {
            riga = prova;
        } else {
            righe << riga;
            riga = parola;
        }
    }
    if (!riga.isEmpty()) righe << riga;
    if (fatte.size() > 64) fatte.clear();
    return *fatte.insert(chiave, righe);
}

}  // namespace

QRect AreaTestoRegole(const CornicePrincipale& c) { return Area(c.Regole().areaTesto); }

bool RegoleVisibili(const CornicePrincipale& c) {
    const MenuComandi& m = c.Menu();
    return !m.fraPannello[PannelloDatiIdx].visibile && !m.fraPannello[PannelloPartitaIdx].visibile;
}

void DisegnaRegole(QPainter& p, const CornicePrincipale& c, const ColoriPannelli& colori, ScorrimentoRegole& scorrimento) {
    if (!RegoleVisibili(c)) return;
    // The link's underline must not leak into the panels drawn after the box.
    p.save();
    const RiquadroRegole& r = c.Regole();
    const QRect& box = geometria::kRiquadroRegole;
    const ScatolaInDisegno scatola(p, TipoScatola::Riquadro, QStringLiteral("regole"), box);
    p.setPen(QPen(colori.pannello.darker(170), 30));
    p.setBrush(colori.pannello);
    p.drawRoundedRect(box, 90, 90);
    QFont f = p.font();
    f.setPixelSize(180);
    f.setBold(true);
    f.setUnderline(false);
    f.setItalic(false);
    p.setFont(f);
    p.setPen(QColor(255, 230, 150));
    // The title keeps its leading spaces: they centre it as the author wanted.
    TestoAdattato(p, QRect(box.left() + 60, box.top() + 60, box.width() - 120, 420), Qt::AlignHCenter | Qt::AlignVCenter, Qs(r.titolo));
    if (r.immagineVisibile) Ritratto(p, Area(kAreaImmagineRegole));
    f.setBold(false);
    f.setPixelSize(kCarattereMinimo);
    p.setFont(f);
    p.setPen(colori.testo);
    // A long page does not fit the column at a readable size: it scrolls under the wheel, and a
    // bar on the right shows how much of it is in view.
    const QRect area = Area(r.areaTesto);
    const QString testo = Qs(r.testo);
    if (scorrimento.pagina != testo) scorrimento = ScorrimentoRegole{0, 0, 0, testo};
    const QStringList& righe = Righe(p, testo, area.width() - kBarraRegole - 40);
    scorrimento.righe = static_cast<int>(righe.size());
    scorrimento.visibili = std::max(1, area.height() / kAltezzaRigaRegole);
    scorrimento.Scorri(0);
    for (int i = 0; i < scorrimento.visibili && scorrimento.prima + i < scorrimento.righe; ++i)
        p.drawText(QRect(area.left(), area.top() + i * kAltezzaRigaRegole, area.width() - kBarraRegole - 40, kAltezzaRigaRegole),
                   Qt::AlignLeft | Qt::AlignVCenter, righe[scorrimento.prima + i]);
    if (scorrimento.righe > scorrimento.visibili) {
        const QRect barra(area.right() - kBarraRegole, area.top(), kBarraRegole, scorrimento.visibili * kAltezzaRigaRegole);
        p.setPen(Qt::NoPen);
        p.setBrush(colori.pannello.darker(140));
        p.drawRoundedRect(barra, 40, 40);
        const int alto = std::max(120, barra.height() * scorrimento.visibili / scorrimento.righe);
        const int top = barra.top() + (barra.height() - alto) * scorrimento.prima / (scorrimento.righe - scorrimento.visibili);
        p.setBrush(QColor(255, 235, 120));
        p.drawRoundedRect(QRect(barra.left(), top, barra.width(), alto), 40, 40);
    }
    f.setBold(true);
    f.setUnderline(true);
    p.setFont(f);
    p.setPen(QColor(255, 235, 120));
    // On two lines the page number stays with the word before it ("ritornare > 5").
    QString link = Qs(c.Continuaregole());
    for (int i = 0, da = static_cast<int>(link.size()); i < 2 && (da = static_cast<int>(link.lastIndexOf(QLatin1Char(' '), da - 1))) > 0; ++i)
        link[da] = QChar(0x00A0);
    TestoAdattato(p, Area(kAreaLinkRegole), Qt::AlignRight | Qt::AlignVCenter, link);
    p.restore();
}

bool ClickRegole(CornicePrincipale& c, QPoint twip) {
    if (!RegoleVisibili(c) || !Area(kAreaLinkRegole).contains(twip)) return false;
    c.lblContinuaregole_Click();
    return true;
}

}  // namespace mrvelto
