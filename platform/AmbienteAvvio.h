// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the game checks before it opens a window, so that a missing display or a missing media
// folder is told in words rather than by Qt's abort or by a table without cards.
#include <QString>
#include <QStringList>
#include <filesystem>

namespace mrvelto {

// The message to print when no display the chosen Qt platform needs is available, or empty.
// `piattaforma` is QT_QPA_PLATFORM (a list separated by ';', nullptr or empty for Qt's own
// choice), `display` and `wayland` are DISPLAY and WAYLAND_DISPLAY. Platforms that need no
// display (offscreen, minimal, vnc, ...) always pass.
QString MessaggioSenzaSchermo(const char* piattaforma, const char* display, const char* wayland);

// The message to print when `media` lacks the game's pictures, or empty.
QString MessaggioSenzaMedia(const std::filesystem::path& media);

// True when the arguments only ask for text (--help, --version): no window is opened.
bool SoloTesto(const QStringList& argomenti);

}  // namespace mrvelto
