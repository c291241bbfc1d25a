// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGroupBox>

#include "PuzzleFixture.h"
#include "app/dialogs/AboutDlg.h"
#include "app/dialogs/BlocksDlg.h"
#include "app/dialogs/InstructionsDlg.h"
#include "app/dialogs/LevelDlg.h"

namespace tilora::test {
namespace {

using ControlOverlapTest = PuzzleFixture;

// The visible controls placed directly on `parent` that overlap one another. A group box
// may hold controls inside its frame, but never cut across another control or its caption.
QStringList Overlaps(const QWidget& parent)
{
    QList<const QWidget*> controls;
    for (const QObject* child : parent.children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        if (widget != nullptr && !widget->isWindow() && widget->isVisible())
            controls << widget;
    }
    QStringList found;
    for (qsizetype i = 0; i < controls.size(); ++i) {
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            const QRect a = controls[i]->geometry();
            const QRect b = controls[j]->geometry();
            const bool framed = (qobject_cast<const QGroupBox*>(controls[i]) != nullptr && a.contains(b)) ||
                                (qobject_cast<const QGroupBox*>(controls[j]) != nullptr && b.contains(a));
            if (a.intersects(b) && !framed)
                found << controls[i]->objectName() + " / " + controls[j]->objectName();
        }
    }
    return found;
}

TEST_F(ControlOverlapTest, NoControlOverlapsAnother)
{
    window->show();
    CAboutDlg about;
    CInstructionsDlg instructions;
    CBlocksDlg blocks;
    CLevelDlg level(Scores(), prompter);
    const std::pair<const char*, QWidget*> layouts[] = {
        {"main window", window->ClientArea()}, {"About", &about}, {"How To Play", &instructions},
        {"No. of Blocks", &blocks},           {"Level", &level},
    };
    for (const auto& [name, widget] : layouts) {
        widget->show();
        EXPECT_EQ(Overlaps(*widget).join(QStringLiteral(", ")).toStdString(), "") << name;
    }
}

}  // namespace
}  // namespace tilora::test
