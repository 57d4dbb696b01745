// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SIGTERM, SIGINT and SIGHUP end the program the orderly way, on the event loop. The handler only
// writes the signal's number to a pipe, all it may safely do; a QSocketNotifier reads it on the
// window's thread and calls `Esci` for the first signal. Later ones are read and dropped, so a
// second signal while leaving neither saves twice nor cuts the save short.
#include <QObject>
#include <QSocketNotifier>
#include <functional>

namespace mrvelto {

class SegnaliDiUscita : public QObject {
public:
    // Installs the handlers; once installed they stay until FinisciCome, so that a signal during
    // the teardown after the event loop is absorbed too. One object at a time.
    explicit SegnaliDiUscita(std::function<void(int segnale)> esci, QObject* parent = nullptr);

    // The first signal received since the handlers were installed; 0 if none.
    static int Ricevuto();
    // Ends the process as the signal would have, once everything is written: a parent sees it
    // killed by that signal, a shell 128 + its number.
    [[noreturn]] static void FinisciCome(int segnale);

private:
    void Leggi();

    std::function<void(int)> esci_;
    QSocketNotifier* notifica_ = nullptr;
};

}  // namespace mrvelto
