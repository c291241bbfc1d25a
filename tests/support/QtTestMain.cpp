// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

// The main of every widget test program. GoogleTest parses its flags first; the platform
// defaults to offscreen, so that the tests (and test discovery) run on a machine without
// a display. What the game keeps in the player's cache, data and state folders goes to
// the build's own folder, never to the home of whoever runs the tests; the hint's table
// file is then built once per build folder and shared by the test programs. No test needs
// a session bus: none is used, and none is started where there is none (libdbus would
// start one through dbus-launch where DISPLAY is set, and leave it running).
int main(int argc, char* argv[])
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    for (const char* folder : {"XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
        qputenv(folder, QByteArray(TILORA_TEST_HOME "/") + folder);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
