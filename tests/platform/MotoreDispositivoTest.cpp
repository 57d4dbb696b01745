// SPDX-License-Identifier: GPL-3.0-or-later
// The device engine on whatever this machine has: with a device it runs its sink, without one it
// goes mute and drops what it is given; either way the game's thread only ever queues.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include "platform/UscitaDispositivo.h"

namespace mrvelto {
namespace {

bool Deciso(const MotoreDispositivo& m) { return m.Muto() || m.FotogrammiBuffer() > 0; }

TEST(MotoreDispositivo, DecideTraDispositivoESilenzioEChiudePulito) {
    MotoreDispositivo motore;
    auto effetti = motore.NuovoLettore(VoceAudio::Effetti);
    auto musica = motore.NuovoLettore(VoceAudio::Musica);
    for (int i = 0; i < 200; ++i) {
        SuonaDaCapo(*effetti, "/nessuna/clip.wav");
        SuonaDaCapo(*musica, "/nessun/brano.mid");
    }
    QElapsedTimer attesa;
    attesa.start();
    while (!Deciso(motore) && attesa.elapsed() < 20000) QThread::msleep(10);
    ASSERT_TRUE(Deciso(motore));
    if (motore.Muto()) {
        // Mute: nothing piles up for a renderer that will never come.
        SuonaDaCapo(*effetti, "/nessuna/clip.wav");
        EXPECT_TRUE(motore.Prendi().empty());
    } else {
        EXPECT_GE(motore.FotogrammiBuffer(), MotoreDispositivo::kBlocco);
        ::testing::Test::RecordProperty("fotogrammi_buffer", motore.FotogrammiBuffer());
    }
}

}  // namespace
}  // namespace mrvelto
