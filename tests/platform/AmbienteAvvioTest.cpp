// SPDX-License-Identifier: GPL-3.0-or-later
// The checks made before any window: which environments have a screen for Qt, which media folders
// hold the game's pictures.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/AmbienteAvvio.h"

namespace mrvelto {
namespace {

TEST(AmbienteAvvio, SchermoSecondoLaPiattaformaScelta) {
    EXPECT_FALSE(MessaggioSenzaSchermo(nullptr, nullptr, nullptr).isEmpty()) << "Qt's own choice, no display at all";
    EXPECT_FALSE(MessaggioSenzaSchermo("", "", "").isEmpty()) << "empty variables count as unset";
    EXPECT_TRUE(MessaggioSenzaSchermo(nullptr, ":0", nullptr).isEmpty());
    EXPECT_TRUE(MessaggioSenzaSchermo(nullptr, nullptr, "wayland-0").isEmpty());
    EXPECT_TRUE(MessaggioSenzaSchermo("offscreen", nullptr, nullptr).isEmpty()) << "the tests' platform needs no display";
    EXPECT_TRUE(MessaggioSenzaSchermo("minimal", nullptr, nullptr).isEmpty());
    EXPECT_FALSE(MessaggioSenzaSchermo("xcb", nullptr, "wayland-0").isEmpty()) << "X11 asked for, only Wayland there";
    EXPECT_FALSE(MessaggioSenzaSchermo("wayland", ":0", nullptr).isEmpty());
    EXPECT_TRUE(MessaggioSenzaSchermo("wayland;xcb", ":0", nullptr).isEmpty()) << "Qt falls back along the list";
    EXPECT_TRUE(MessaggioSenzaSchermo("xcb;offscreen", nullptr, nullptr).isEmpty());
    EXPECT_FALSE(MessaggioSenzaSchermo("xcb:dpi=96", nullptr, nullptr).isEmpty()) << "a platform's arguments do not hide its name";
}

TEST(AmbienteAvvio, MediaSoloConLeCartelleDelleImmagini) {
    const auto radice = std::filesystem::path(testing::TempDir()) / "mrvelto-media-avvio";
    std::filesystem::remove_all(radice);
    EXPECT_FALSE(MessaggioSenzaMedia(radice).isEmpty()) << "no folder at all";
    EXPECT_TRUE(MessaggioSenzaMedia(radice).contains(QString::fromStdString(radice.string()))) << "the message says where it looked";
    std::filesystem::create_directories(radice / "Napoleta");
    std::filesystem::create_directories(radice / "Piacenti");
    EXPECT_FALSE(MessaggioSenzaMedia(radice).isEmpty()) << "the symbols and backs are missing";
    std::filesystem::create_directories(radice / "Grafica");
    EXPECT_TRUE(MessaggioSenzaMedia(radice).isEmpty());
    std::filesystem::remove_all(radice);
}

TEST(AmbienteAvvio, SoloTestoPerAiutoEVersione) {
    EXPECT_TRUE(SoloTesto({"mrvelto", "--help"}));
    EXPECT_TRUE(SoloTesto({"mrvelto", "--autoplay", "-v"}));
    EXPECT_FALSE(SoloTesto({"--help"})) << "the program's own name is not an option";
    EXPECT_FALSE(SoloTesto({"mrvelto", "--name", "Vale"}));
    EXPECT_FALSE(SoloTesto({"mrvelto", "--", "--help"}));
}

}  // namespace
}  // namespace mrvelto
