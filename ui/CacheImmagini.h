#pragma once
// The pictures the table shows, each read from the media once and kept scaled to the size it was
// last drawn at, so that painting a frame costs a lookup. A missing file gives a null pixmap: the
// slot is drawn without its picture.
#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <string>

#include "records/Percorsi.h"

namespace mrvelto {

class CacheImmagini {
public:
    explicit CacheImmagini(Radici radici) : radici_(std::move(radici)) {}
    // `percorso` is an installation path ("C:\Programmi\MrVelto\Piacenti\Rb2.jpg").
    QPixmap Immagine(const std::string& percorso, QSize dimensione);
    int Lette() const { return static_cast<int>(originali_.size()); }

private:
    const QImage& Originale(const std::string& percorso);

    Radici radici_;
    QHash<QString, QImage> originali_;
    QHash<QString, QPixmap> scalate_;
};

}  // namespace mrvelto
