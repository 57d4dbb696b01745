#include "ui/FinestraPrincipale.h"

#include <QPainter>

#include "table/ColoriTavolo.h"
#include "table/Opzioni.h"

namespace mrvelto {

FinestraPrincipale::FinestraPrincipale(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Mr. VELTO"));
    resize(kLarghezzaTwip / kTwipPerPixel, kAltezzaTwip / kTwipPerPixel);
    const Opzioni opzioni;
    const ColoreNominato* c = CercaColore(opzioni[OpzColoreTavolo]);
    const Colore v = c ? c->tavolo : rgb(169, 88, 65);
    coloreTavolo_ = QColor(rosso(v), verde(v), blu(v));
}

void FinestraPrincipale::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), coloreTavolo_);
}

}  // namespace mrvelto
