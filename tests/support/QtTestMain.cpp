// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

// The main of every widget test program. GoogleTest parses its flags first; the platform
// defaults to offscreen, so that the tests (and test discovery) run on a machine without
// a display. What the game keeps in the player's cache, data and state folders goes to
// the build's own folder, never to the home of whoever runs the tests; the hint's table
// file is then built once per build folder and shared by the test programs.
int main(int argc, char* argv[])
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char* folder : {"XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
        qputenv(folder, QByteArray(TILORA_TEST_HOME "/") + folder);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
