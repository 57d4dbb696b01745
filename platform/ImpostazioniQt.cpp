#include "platform/ImpostazioniQt.h"

#include <QSettings>

namespace mrvelto {

ImpostazioniQtTemporanee::ImpostazioniQtTemporanee() : cartella_(QDir::tempPath() + QStringLiteral("/mrvelto-qt-XXXXXX")) {
    if (!cartella_.isValid()) return;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, cartella_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, cartella_.path());
}

QString ImpostazioniQtTemporanee::Cartella() const { return cartella_.isValid() ? cartella_.path() : QString(); }

}  // namespace mrvelto
