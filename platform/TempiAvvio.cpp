// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TempiAvvio.h"

#include <QEvent>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace mrvelto {

namespace {
constexpr const char* kNome = "mrvelto_tempi_avvio";

long long AdessoNs() {
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return static_cast<long long>(t.tv_sec) * 1'000'000'000LL + t.tv_nsec;
}
}  // namespace

bool TempiAvvio::Richiesti() { return std::getenv("MRVELTO_TEMPI_AVVIO") != nullptr; }

void TempiAvvio::Osserva(QWidget* finestra, const QString& nome) {
    finestra->setProperty(kNome, nome);
    finestra->installEventFilter(this);
}

bool TempiAvvio::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::Paint) {
        const QString nome = oggetto->property(kNome).toString();
        oggetto->removeEventFilter(this);
        // Queued behind the paint, so that the frame has been drawn and handed to the screen.
        QTimer::singleShot(0, this, [nome] {
            std::fprintf(stderr, "tempo %s %lld\n", qPrintable(nome), AdessoNs());
            std::fflush(stderr);
        });
    }
    return false;
}

}  // namespace mrvelto
