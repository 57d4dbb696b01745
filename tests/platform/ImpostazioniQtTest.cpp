// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/time.h>
#include <unistd.h>

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/ImpostazioniQt.h"

namespace mrvelto {
namespace {

// The file dialog's history lands in the program's private folder, which goes with it, and never
// in the user's configuration.
TEST(ImpostazioniQt, TheFileDialogsHistoryStaysInAPrivateFolderThatGoesAway) {
    QTemporaryDir configurazione;
    ASSERT_TRUE(configurazione.isValid());
    qputenv("XDG_CONFIG_HOME", configurazione.path().toUtf8());
    QString cartella;
    {
        const ImpostazioniQtTemporanee impostazioni;
        cartella = impostazioni.Cartella();
        ASSERT_FALSE(cartella.isEmpty());
        {
            QFileDialog dialogo(nullptr, QStringLiteral("Apri un Gioco già salvato"), configurazione.path());
            dialogo.setOption(QFileDialog::DontUseNativeDialog);
        }  // Qt saves the dialog's settings as it goes
        EXPECT_TRUE(QFileInfo::exists(cartella + QStringLiteral("/QtProject.conf")));
    }
    EXPECT_FALSE(QFileInfo::exists(cartella));
    EXPECT_TRUE(QDir(configurazione.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
}

// A killed run cannot remove its folder: the next run does, and leaves alone those of runs still
// going (their lock is held) and those just made.
TEST(ImpostazioniQt, FoldersOfKilledRunsAreRemovedThoseInUseAreNot) {
    QTemporaryDir base;
    ASSERT_TRUE(base.isValid());
    auto crea = [&](const QString& nome, bool vecchia) {
        const QString c = base.path() + QStringLiteral("/mrvelto-qt-") + nome;
        QDir().mkpath(c);
        QFile f(c + QStringLiteral("/QtProject.conf"));
        f.open(QIODevice::WriteOnly);
        f.close();
        const QByteArray p = QFile::encodeName(c);
        if (vecchia) {
            timeval t[2] = {{1000000000, 0}, {1000000000, 0}};
            ::utimes(p.constData(), t);
        }
        return c;
    };
    const QString uccisa = crea(QStringLiteral("aaaaaa"), true), inUso = crea(QStringLiteral("bbbbbb"), true),
                  nuova = crea(QStringLiteral("cccccc"), false);
    const int fd = ::open(QFile::encodeName(inUso + QStringLiteral("/.in-uso")).constData(), O_RDWR | O_CREAT, 0600);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    timeval t[2] = {{1000000000, 0}, {1000000000, 0}};
    ::utimes(QFile::encodeName(inUso).constData(), t);
    EXPECT_EQ(RimuoviCartelleQtAbbandonate(base.path()), 1);
    EXPECT_FALSE(QFileInfo::exists(uccisa));
    EXPECT_TRUE(QFileInfo::exists(inUso));
    EXPECT_TRUE(QFileInfo::exists(nuova));
    ::close(fd);
}

}  // namespace
}  // namespace mrvelto
