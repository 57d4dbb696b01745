// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DisegnoMusica.h"

#include <QImage>
#include <QPainterPath>

#include "ui/RegistroDisegno.h"
#include "ui/TestoAdattato.h"
#include <map>
#include <string>

namespace mrvelto {

namespace {

void Tricolore(QPainter& p, const QRectF& r) {
    const double terzo = r.width() / 3;
    p.fillRect(QRectF(r.left(), r.top(), terzo, r.height()), QColor(0, 146, 70));
    p.fillRect(QRectF(r.left() + terzo, r.top(), terzo, r.height()), QColor(244, 245, 240));
    p.fillRect(QRectF(r.left() + 2 * terzo, r.top(), r.width() - 2 * terzo, r.height()), QColor(206, 43, 55));
}

void UnionJack(QPainter& p, const QRectF& r) {
    const QColor blu(1, 33, 105), rosso(200, 16, 46), bianco(255, 255, 255);
    p.save();
    p.setClipRect(r);
    p.fillRect(r, blu);
    const double h = r.height();
    // The saltires: white, then the thinner red ones set off the diagonal, counterchanged.
    p.setPen(QPen(bianco, h / 5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    const QPointF c = r.center();
    const double s = h / 30;
    p.setPen(QPen(rosso, h / 15, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(r.left(), r.top() + s), QPointF(c.x(), c.y() + s));
    p.drawLine(QPointF(c.x(), c.y() - s), QPointF(r.right(), r.bottom() - s));
    p.drawLine(QPointF(r.left(), r.bottom() - s), QPointF(c.x() - s * 2, c.y()));
    p.drawLine(QPointF(c.x() + s * 2, c.y()), QPointF(r.right(), r.top() + s));
    // St George's cross on its white border.
    p.fillRect(QRectF(c.x() - h / 6, r.top(), h / 3, h), bianco);
    p.fillRect(QRectF(r.left(), c.y() - h / 6, r.width(), h / 3), bianco);
    p.fillRect(QRectF(c.x() - h / 10, r.top(), h / 5, h), rosso);
    p.fillRect(QRectF(r.left(), c.y() - h / 10, r.width(), h / 5), rosso);
    p.restore();
}

// Bitmaps read once; a missing one is remembered as null.
const QImage& Immagine(const std::filesystem::path& file) {
    static std::map<std::string, QImage> lette;
    auto it = lette.find(file.string());
    if (it == lette.end()) it = lette.emplace(file.string(), QImage(QString::fromStdString(file.string()))).first;
    return it->second;
}

}  // namespace

void DisegnaBandieraDipinta(QPainter& p, const QRectF& r, Chi di) {
    if (di == Chi::PC)
        UnionJack(p, r);
    else
        Tricolore(p, r);
}

void DisegnaBandiera(QPainter& p, const QRectF& r, Chi di, const std::filesystem::path& media, const char* file) {
    const QImage& immagine = (file && *file) ? Immagine(media / file) : Immagine({});
    if (!immagine.isNull())
        p.drawImage(r, immagine);
    else
        DisegnaBandieraDipinta(p, r, di);
    p.setPen(QPen(QColor(30, 20, 10), r.height() / 60));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

void DisegnaMusica(QPainter& p, const VistaMusica& v, const std::filesystem::path& media, QFont font, bool titoloCoperto) {
    if (v.BandieraVisibile)
        DisegnaBandiera(p, QRectF(v.Bandiera.left, v.Bandiera.top, kLarghezzaBandiera, kAltezzaBandiera), v.BandieraDi, media,
                        v.FileBandiera);
    if (!v.Titolo.visibile || v.Titolo.testo.empty() || titoloCoperto) return;
    font.setPixelSize(180);
    font.setBold(true);
    font.setItalic(true);
    p.setFont(font);
    const QString testo = QString::fromStdString(v.Titolo.testo);
    // The free column left of the hands, where a long title wraps; the dark band under the text
    // keeps it readable on every cloth colour and stays inside the column.
    const QRect colonna(kSinistraTitolo, v.TitoloTop, kLarghezzaTitolo, kFondoTitolo - v.TitoloTop);
    const QRect spazio = colonna.adjusted(120, 40, -120, -40);
    const QRect occupato = p.boundingRect(spazio, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, testo).intersected(spazio);
    const QRect banda = occupato.adjusted(-120, -40, 120, 40);
    const ScatolaInDisegno scatola(p, TipoScatola::Riquadro, QStringLiteral("titolo"), banda);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawRoundedRect(banda, 80, 80);
    p.setPen(QColor(255, 250, 225));
    TestoAdattato(p, spazio, Qt::AlignHCenter | Qt::AlignTop, testo);
}

}  // namespace mrvelto
