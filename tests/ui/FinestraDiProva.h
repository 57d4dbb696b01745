// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window's tests share: a seeded start, a click at a table point, the first deal.
#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include "game/Conduttore.h"
#include "player/GiocatoriDiRiferimento.h"
#include "ui/FinestraPrincipale.h"

namespace mrvelto::test {

inline AvvioFinestra Avvio(quint64 seme, const QString& nome = QStringLiteral("Mario")) {
    AvvioFinestra a;
    a.nome = nome;
    a.seme = seme;
    return a;
}

// A left click at `twip` on the table, whatever the window's size.
inline void Clicca(FinestraPrincipale& f, QPointF twip) {
    const QPointF pixel = f.Trasformazione().map(twip);
    QMouseEvent press(QEvent::MouseButtonPress, pixel, f.mapToGlobal(pixel), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f, &press);
}

// Deals the first game on virtual time, without waiting for real time (the sounds' timers run too).
inline void Distribuisci(FinestraPrincipale& f) {
    while (f.Orologio().Abilitato(f.Tavolo_().Timer().DistribuisciCarte)) f.Orologio().EseguiProssimo();
}

// A game played to its end-of-game frame, the final comment over.
inline void FinoAFineGioco(FinestraPrincipale& f) {
    auto& t = f.Tavolo_();
    GiocatoreCasuale giocatore(3);
    Conduttore c(t, f.Orologio(), giocatore);
    ASSERT_TRUE(c.FinoAGiochi(1, 100000));
    while (t.Orologio().Abilitato(t.Timer().CommentiFinali) || !t.Vista().FineGioco.cmdContinuaOIniziaPartita.abilitata)
        ASSERT_TRUE(f.Orologio().EseguiProssimo());
}

}  // namespace mrvelto::test
