// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RadiciQt.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <cstdlib>

#ifndef MRVELTO_MEDIA_DA_BIN
#define MRVELTO_MEDIA_DA_BIN "../share/mrvelto"
#endif

namespace mrvelto {

Radici RadiciDelProgramma() {
    const QDir eseguibile(QCoreApplication::applicationDirPath());
    QString media = eseguibile.filePath(QStringLiteral("share/mrvelto"));
    if (!QDir(media).exists()) media = QDir::cleanPath(eseguibile.filePath(QStringLiteral(MRVELTO_MEDIA_DA_BIN)));
    QString utente = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (utente.isEmpty()) utente = QDir::home().filePath(QStringLiteral(".local/share/mrvelto"));
    return RadiciDaAmbiente({media.toStdString(), utente.toStdString()}, std::getenv("MRVELTO_HOME"), std::getenv("MRVELTO_MEDIA"));
}

}  // namespace mrvelto
