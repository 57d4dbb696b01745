// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's edge: every event the window handles passes through notify(). An exception that
// got that far (a file-system call that threw, memory exhausted) is caught here, the player is
// told the reason in Italian, and the program goes on instead of aborting.
#include <QApplication>
#include <exception>
#include <functional>
#include <string>

namespace mrvelto {

// The Italian sentence for an exception that reached the edge.
std::string MotivoEccezione(const std::exception* e);

class ApplicazioneProtetta : public QApplication {
public:
    ApplicazioneProtetta(int& argc, char** argv);
    bool notify(QObject* destinatario, QEvent* evento) override;

    // Who tells the player; by default a message box (or standard error without a screen).
    std::function<void(const std::string&)> Avvisa;
};

}  // namespace mrvelto
