// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDialog>
#include <QWindow>

#include "PuzzleFixture.h"

namespace tilora::test {
namespace {

using WindowActivationTest = PuzzleFixture;

// A dialog closes while a popup of its own is open (a file dialog's completions when
// Return takes the name), and the window system gives the main window the keys before the
// popup is gone. Qt drops that activation; the window takes it up once the popup closes,
// and its board gets the keys back, which is when a screen reader hears the window again.
TEST_F(WindowActivationTest, KeysGivenWhileAPopupOfAClosingDialogIsOpenReachTheBoard)
{
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window.get(); }));
    QDialog dialog(window.get());
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
    QWidget popup(&dialog, Qt::Popup);
    popup.show();
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));

    dialog.hide();
    window->windowHandle()->requestActivate();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == window->windowHandle(); }));
    popup.close();

    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window.get(); }, 2000))
        << "the window never became active";
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->ClientArea()->hasFocus(); }, 2000))
        << "the board never got the keys back";
}

}  // namespace
}  // namespace tilora::test
