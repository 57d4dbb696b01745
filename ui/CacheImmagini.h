// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures the table shows, each read from the media once and kept scaled to every size it is
// drawn at, so that painting a frame costs a lookup. The file itself is kept as read (compressed),
// not decoded: a full-size face decoded is twenty times its file, and only a new size needs it.
// A missing file gives a null pixmap: the slot is drawn without its picture.
#include <QByteArray>
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
    int Lette() const { return static_cast<int>(file_.size()); }

private:
    QImage Originale(const std::string& percorso);

    Radici radici_;
    QHash<QString, QByteArray> file_;  // empty when the file could not be read
    QHash<QString, QPixmap> scalate_;
};

}  // namespace mrvelto
