// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>

#include "records/Percorsi.h"

namespace mrvelto {
namespace {

const Radici kRadici{"/opt/mrvelto/share", "/home/u/.local/share/mrvelto"};

TEST(Percorsi, WritableFoldersGoUnderTheUserRootMediaUnderTheInstallation) {
    EXPECT_EQ(MappaPercorso("C:\\Programmi\\MrVelto\\Dati\\MVeImpo.txt", kRadici), "/home/u/.local/share/mrvelto/Dati/MVeImpo.txt");
    EXPECT_EQ(MappaPercorso("C:\\Programmi\\MrVelto\\Archivio\\partita.txt", kRadici), "/home/u/.local/share/mrvelto/Archivio/partita.txt");
    EXPECT_EQ(MappaPercorso("C:\\Programmi\\MrVelto\\MVeOpzio.txt", kRadici), "/opt/mrvelto/share/MVeOpzio.txt");
    EXPECT_EQ(MappaPercorso("C:\\Programmi\\MrVelto\\Napoleta\\Ad.jpg", kRadici), "/opt/mrvelto/share/Napoleta/Ad.jpg");
    EXPECT_EQ(MappaPercorso("c:\\programmi\\mrvelto\\dati\\MVeNome.txt", kRadici), "/home/u/.local/share/mrvelto/Dati/MVeNome.txt");
}

TEST(Percorsi, NothingEscapesItsRoot) {
    EXPECT_EQ(MappaPercorso("C:\\Programmi\\MrVelto\\Archivio\\..\\..\\etc\\passwd", kRadici), "/home/u/.local/share/mrvelto/Archivio/etc/passwd");
    EXPECT_EQ(MappaPercorso("..\\..\\x", kRadici), "/opt/mrvelto/share/x");
}

TEST(Percorsi, EnvironmentMovesTheRoots) {
    const Radici predefinite{"/m", "/u"};
    auto r = RadiciDaAmbiente(predefinite, "/tmp/casa", nullptr);
    EXPECT_EQ(r.utente, "/tmp/casa");
    EXPECT_EQ(r.media, "/m");
    EXPECT_EQ(RadiciDaAmbiente(predefinite, nullptr, "/altrove").media, "/altrove");
    EXPECT_EQ(RadiciDaAmbiente(predefinite, "", "").utente, "/u");
    EXPECT_EQ(RadiciDaAmbiente(predefinite, "", "").media, "/m");
}

}  // namespace
}  // namespace mrvelto
