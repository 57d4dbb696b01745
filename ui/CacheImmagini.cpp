#include "ui/CacheImmagini.h"

#include <QImageReader>


namespace mrvelto {

const QImage& CacheImmagini::Originale(const std::string& percorso) {
    const QString chiave = QString::fromStdString(percorso);
    auto it = originali_.find(chiave);
    if (it == originali_.end()) {
        QImage immagine(QString::fromStdString(MappaPercorso(percorso, radici_).string()));
        it = originali_.insert(chiave, immagine.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
    return *it;
}

QPixmap CacheImmagini::Immagine(const std::string& percorso, QSize dimensione) {
    if (percorso.empty() || dimensione.isEmpty()) return {};
    const QString chiave = QStringLiteral("%1@%2x%3").arg(QString::fromStdString(percorso)).arg(dimensione.width()).arg(dimensione.height());
    auto it = scalate_.find(chiave);
    if (it != scalate_.end()) return *it;
    const QImage& originale = Originale(percorso);
    QPixmap p;
    if (!originale.isNull())
        p = QPixmap::fromImage(originale.scaled(dimensione, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    scalate_.insert(chiave, p);
    return p;
}

}  // namespace mrvelto
