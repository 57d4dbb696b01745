// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For the start-up benchmark (bench/misura_avvio.py): with MRVELTO_TEMPI_AVVIO set, the moment each
// watched window has first been drawn is written to standard error as "tempo <name> <ns>", on the
// system's real-time clock, so that a script that noted the time before starting the program can
// tell how long each took from exec.
#include <QObject>
#include <QString>

class QWidget;

namespace mrvelto {

class TempiAvvio : public QObject {
public:
    // Nothing is watched or written unless the environment asks for it.
    static bool Richiesti();
    // Reports `nome` once, after the first paint of `finestra` has been done.
    void Osserva(QWidget* finestra, const QString& nome);

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
};

}  // namespace mrvelto
