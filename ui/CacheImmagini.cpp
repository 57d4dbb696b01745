// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CacheImmagini.h"

#include <QFile>
#include <QImage>

namespace mrvelto {

QImage CacheImmagini::Originale(const std::string& percorso) {
    const QString chiave = QString::fromStdString(percorso);
    auto it = file_.find(chiave);
    if (it == file_.end()) {
        QFile file(QString::fromStdString(MappaPercorso(percorso, radici_).string()));
        it = file_.insert(chiave, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
    if (it->isEmpty()) return {};
    return QImage::fromData(*it).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QPixmap CacheImmagini::Immagine(const std::string& percorso, QSize dimensione) {
    if (percorso.empty() || dimensione.isEmpty()) return {};
    const QString chiave = QStringLiteral("%1@%2x%3").arg(QString::fromStdString(percorso)).arg(dimensione.width()).arg(dimensione.height());
    auto it = scalate_.find(chiave);
    if (it != scalate_.end()) return *it;
    const QImage originale = Originale(percorso);
    QPixmap p;
    if (!originale.isNull())
        p = QPixmap::fromImage(originale.scaled(dimensione, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    scalate_.insert(chiave, p);
    return p;
}

}  // namespace mrvelto
