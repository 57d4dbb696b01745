// SPDX-License-Identifier: GPL-3.0-or-later
// Test main for the Qt tests: runs offscreen unless a display platform was chosen, so that test
// discovery at build time needs no display.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The windows read and write settings and records: keep them out of the user's own folder.
    QTemporaryDir casa;
    if (!std::getenv("MRVELTO_HOME")) setenv("MRVELTO_HOME", casa.path().toLocal8Bit().constData(), 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
