// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start-up window: draws the start-up window's state of the program (texts, the two pictures,
// the four suit symbols) and forwards the typed name, "OK" and Enter. When the name is accepted
// it hides itself and shows the main window.
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "screens/Programma.h"

namespace mrvelto {

class FinestraAvvio : public QWidget {
public:
    // `principale` is shown once the program leaves mode Avvio. `scala`: the window's size and
    // everything in it, against its 640 x 480 layout.
    FinestraAvvio(Programma& programma, QWidget* principale, double scala = 1.0, QWidget* parent = nullptr);
    ~FinestraAvvio() override;
    QLineEdit* Casella() { return nome_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Aggiorna();
    Programma& programma_;
    FinestraIniziale& iniziale_;
    QWidget* principale_;
    QLineEdit* nome_;
    QPushButton* ok_;
    QTimer ridisegno_;
    std::function<void()> cambioModoPrecedente_;  // the main window's, called first
    double scala_;
};

}  // namespace mrvelto
