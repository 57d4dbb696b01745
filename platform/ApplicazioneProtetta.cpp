// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ApplicazioneProtetta.h"

#include <QMessageBox>
#include <cstdio>
#include <filesystem>
#include <new>
#include <system_error>

#include "records/FileDati.h"

namespace mrvelto {

std::string MotivoEccezione(const std::exception* e) {
    const std::string seguito = " Il programma continua; se qualcosa non va come dovrebbe, chiudilo e riaprilo.";
    if (const auto* f = dynamic_cast<const std::filesystem::filesystem_error*>(e)) {
        std::string t = "Un'operazione sui file non è riuscita (" + MotivoErrore(f->code().value()) + ")";
        if (!f->path1().empty()) t += ": " + f->path1().string();
        return t + "." + seguito;
    }
    if (const auto* s = dynamic_cast<const std::system_error*>(e))
        return "Un'operazione di sistema non è riuscita (" + MotivoErrore(s->code().value()) + ")." + seguito;
    if (dynamic_cast<const std::bad_alloc*>(e)) return "La memoria non è bastata per l'ultima operazione." + seguito;
    return "Si è verificato un errore imprevisto" + (e ? " (" + std::string(e->what()) + ")" : std::string()) + "." + seguito;
}

ApplicazioneProtetta::ApplicazioneProtetta(int& argc, char** argv) : QApplication(argc, argv) {
    Avvisa = [](const std::string& testo) {
        std::fprintf(stderr, "mrvelto: %s\n", testo.c_str());
        if (platformName() != QStringLiteral("offscreen"))
            QMessageBox::warning(activeWindow(), QStringLiteral("Mr. VELTO"), QString::fromStdString(testo));
    };
}

bool ApplicazioneProtetta::notify(QObject* destinatario, QEvent* evento) {
    std::string testo;
    try {
        return QApplication::notify(destinatario, evento);
    } catch (const std::exception& e) {
        testo = MotivoEccezione(&e);
    } catch (...) {
        testo = MotivoEccezione(nullptr);
    }
    // Outside the handler: the message box runs an event loop of its own.
    if (Avvisa) Avvisa(testo);
    return false;
}

}  // namespace mrvelto
