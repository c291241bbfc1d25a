// SPDX-License-Identifier: GPL-3.0-or-later
#include <QWindow>

#include "PuzzleFixture.h"
#include "app/dialogs/AboutDlg.h"

namespace tilora::test {
namespace {

using WindowTypeTest = PuzzleFixture;

// What the window manager is told about the main window and a dialog it opens, read from
// the window flags (the X11 properties themselves are read back by window_hints.sh).
TEST_F(WindowTypeTest, MainWindowIsANormalTopLevelWindowAndItsDialogsAreItsDialogs)
{
    window->show();
    CAboutDlg about(window.get());
    about.show();

    struct Rule {
        const char* what;
        bool holds;
    };
    const Rule rules[] = {
        {"main window is a normal window, not a dialog", window->windowType() == Qt::Window},
        {"main window is transient for nothing", window->windowHandle()->transientParent() == nullptr},
        {"main window has a minimise box", window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint)},
        {"main window has a close box", window->windowFlags().testFlag(Qt::WindowCloseButtonHint)},
        {"dialog is a dialog", about.windowType() == Qt::Dialog},
        {"dialog belongs to the main window", about.windowHandle()->transientParent() == window->windowHandle()},
    };
    for (const Rule& rule : rules)
        EXPECT_TRUE(rule.holds) << rule.what;
}

}  // namespace
}  // namespace tilora::test
