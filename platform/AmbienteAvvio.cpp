// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AmbienteAvvio.h"

namespace mrvelto {

namespace {

bool Vuoto(const char* s) { return !s || !*s; }

}  // namespace

QString MessaggioSenzaSchermo(const char* piattaforma, const char* display, const char* wayland) {
    // Qt tries the entries in order; with none given it tries Wayland (in a Wayland session) and X11.
    QStringList scelte = QString::fromLocal8Bit(Vuoto(piattaforma) ? "wayland;xcb" : piattaforma).split(u';', Qt::SkipEmptyParts);
    for (QString& s : scelte) s = s.section(u':', 0, 0).trimmed();
    for (const QString& s : scelte) {
        if (s == u"xcb" && !Vuoto(display)) return {};
        if (s == u"wayland" && !Vuoto(wayland)) return {};
        if (s != u"xcb" && s != u"wayland") return {};
    }
    return QStringLiteral(
        "mrvelto: nessuno schermo disponibile (DISPLAY e WAYLAND_DISPLAY non sono impostate).\n"
        "Avvia il gioco da una sessione grafica, oppure, senza finestra, con QT_QPA_PLATFORM=offscreen.");
}

QString MessaggioSenzaMedia(const std::filesystem::path& media) {
    std::error_code errore;
    for (const char* cartella : {"Napoleta", "Piacenti", "Grafica"})
        if (!std::filesystem::is_directory(media / cartella, errore))
            return QStringLiteral(
                       "mrvelto: non trovo le immagini e i suoni del gioco in %1.\n"
                       "Reinstalla il gioco, oppure indica la cartella dei media con MRVELTO_MEDIA.")
                .arg(QString::fromStdString(media.string()));
    return {};
}

bool SoloTesto(const QStringList& argomenti) {
    for (qsizetype i = 1; i < argomenti.size(); ++i) {
        const QString& a = argomenti[i];
        if (a == u"--") break;
        if (a == u"-h" || a == u"--help" || a == u"-v" || a == u"--version") return true;
    }
    return false;
}

}  // namespace mrvelto
