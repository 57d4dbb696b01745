#include <gtest/gtest.h>

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

}  // namespace
}  // namespace mrvelto
