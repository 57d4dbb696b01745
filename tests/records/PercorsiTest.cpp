// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>

#include "records/Percorsi.h"

namespace mrvelto {
namespace {

const Radici kRadici{"/opt/mrvelto/share", "/home/u/.local/share/mrvelto"};

TEST(Percorsi, WritableFoldersUnderTheUserRootMediaUnderTheInstallationNothingEscapes) {
    EXPECT_EQ(MappaPercorso("C:\\Programmi\\MrVelto\\Dati\\MVeImpo.txt", kRadici), "/home/u/.local/share/mrvelto/Dati/MVeImpo.txt");
    EXPECT_EQ(MappaPercorso("C:\\Programmi\\MrVelto\\Archivio\\partita.txt", kRadici), "/home/u/.local/share/mrvelto/Archivio/partita.txt");
    EXPECT_EQ(MappaPercorso("C:\\Programmi\\MrVelto\\MVeOpzio.txt", kRadici), "/opt/mrvelto/share/MVeOpzio.txt");
    EXPECT_EQ(MappaPercorso("C:\\Programmi\\MrVelto\\Napoleta\\Ad.jpg", kRadici), "/opt/mrvelto/share/Napoleta/Ad.jpg");
    EXPECT_EQ(MappaPercorso("c:\\programmi\\mrvelto\\dati\\MVeNome.txt", kRadici), "/home/u/.local/share/mrvelto/Dati/MVeNome.txt");
    // Nothing escapes its root.
    EXPECT_EQ(MappaPercorso("C:\\Programmi\\MrVelto\\Archivio\\..\\..\\etc\\passwd", kRadici), "/home/u/.local/share/mrvelto/Archivio/etc/passwd");
    EXPECT_EQ(MappaPercorso("..\\..\\x", kRadici), "/opt/mrvelto/share/x");
}

TEST(Percorsi, EnvironmentMovesTheRoots) {
    const Radici predefinite{"/m", "/u"};
    auto coppia = [](const Radici& r) { return std::pair{r.utente, r.media}; };
    EXPECT_EQ(coppia(RadiciDaAmbiente(predefinite, "/tmp/casa", nullptr)), coppia({"/m", "/tmp/casa"}));
    EXPECT_EQ(coppia(RadiciDaAmbiente(predefinite, nullptr, "/altrove")), coppia({"/altrove", "/u"}));
    EXPECT_EQ(coppia(RadiciDaAmbiente(predefinite, "", "")), coppia(predefinite));  // empty is unset
}

}  // namespace
}  // namespace mrvelto
