// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ImpostazioniQt.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace mrvelto {

namespace {

constexpr const char* kBlocco = "/.in-uso";

int Blocca(const QString& cartella, bool attendi) {
    const QByteArray percorso = QFile::encodeName(cartella + QLatin1String(kBlocco));
    const int fd = ::open(percorso.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | (attendi ? 0 : LOCK_NB)) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

int RimuoviCartelleQtAbbandonate(const QString& base) {
    int rimosse = 0;
    const QDateTime limite = QDateTime::currentDateTimeUtc().addSecs(-10);
    const auto voci = QDir(base).entryInfoList({QStringLiteral("mrvelto-qt-*")}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo& v : voci) {
        if (v.isSymLink() || v.ownerId() != ::geteuid() || v.lastModified().toUTC() > limite) continue;
        const int fd = Blocca(v.absoluteFilePath(), false);
        if (fd < 0) continue;  // its run is still going
        rimosse += QDir(v.absoluteFilePath()).removeRecursively() ? 1 : 0;
        ::close(fd);
    }
    return rimosse;
}

ImpostazioniQtTemporanee::ImpostazioniQtTemporanee() : cartella_(QDir::tempPath() + QStringLiteral("/mrvelto-qt-XXXXXX")) {
    if (!cartella_.isValid()) return;
    blocco_ = Blocca(cartella_.path(), true);
    RimuoviCartelleQtAbbandonate(QDir::tempPath());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, cartella_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, cartella_.path());
}

ImpostazioniQtTemporanee::~ImpostazioniQtTemporanee() {
    if (blocco_ >= 0) ::close(blocco_);
}

QString ImpostazioniQtTemporanee::Cartella() const { return cartella_.isValid() ? cartella_.path() : QString(); }

}  // namespace mrvelto
