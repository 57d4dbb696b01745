// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DialoghiArchivio.h"

#include <QFileDialog>
#include <QMessageBox>
#include <cstdlib>

namespace mrvelto {

void ImpostaDialoghiArchivio(Programma& programma, QWidget* finestra) {
    programma.DialogoFile = [finestra](bool salva, const std::filesystem::path& proposto) -> std::optional<std::filesystem::path> {
        // An unattended run (the end-to-end test) names its file here instead of using the dialog.
        if (const char* fisso = std::getenv("MRVELTO_FILE_PARTITA"); fisso && *fisso) return std::filesystem::path(fisso);
        const QString filtro = QStringLiteral("File di testo (*.txt)");
        const QString inizio = QString::fromStdString(proposto.string());
        const QString scelto = salva ? QFileDialog::getSaveFileName(finestra, QStringLiteral("Salva il Gioco"), inizio, filtro)
                                     : QFileDialog::getOpenFileName(finestra, QStringLiteral("Apri un Gioco già salvato"), inizio, filtro);
        if (scelto.isEmpty()) return std::nullopt;
        return std::filesystem::path(scelto.toStdString());
    };
    programma.Messaggio = [finestra](const std::string& testo) {
        QMessageBox::warning(finestra, QStringLiteral("Mr. VELTO"), QString::fromStdString(testo));
    };
}

}  // namespace mrvelto
