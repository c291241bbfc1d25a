// SPDX-License-Identifier: GPL-3.0-or-later
// Statistics, Best Scores and High Score! as a screen reader reads them: each figure with
// its row and column and times with their unit, the keys between the table and the
// buttons, and every field named; nothing of it shows on screen.
#include <QAccessible>
#include <QFocusEvent>
#include <QPushButton>
#include <QTableWidget>

#include "PuzzleFixture.h"
#include "app/dialogs/FigureReading.h"
#include "app/dialogs/StatisticsDlg.h"
#include "app/record/PlayerRecord.h"
#include "scores/BestScoresDlg.h"
#include "scores/HighScoreDlg.h"

namespace tilora::test {
namespace {

TEST(FigureReadingTest, AFigureIsReadWithItsRowAndColumnAndADashAsNone)
{
    struct Case {
        const char* row;
        const char* column;
        const char* value;
        const char* said;
    };
    const Case cases[] = {
        {"Best time", "4 x 4", "77.0 seconds", "Best time, 4 x 4: 77.0 seconds"},
        {"Games played", "5 x 5", "3", "Games played, 5 x 5: 3"},
        {"Fewest moves", "4 x 4", "-", "Fewest moves, 4 x 4: none"},
        {"Helped games (won)", "4 x 4", "0 (0)", "Helped games (won), 4 x 4: 0 (0)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FigureReading(c.row, c.column, c.value).toStdString(), c.said);
}

class StatisticsReadingTest : public PuzzleFixture {
protected:
    void SetUp() override
    {
        PuzzleFixture::SetUp();
        Board board;
        board.SetGridSize(4);
        board.FillSolved();
        window->Record().Begin(board, 5);
        window->Record().Won(77, false);
    }
};

TEST_F(StatisticsReadingTest, EachFigureIsReadWithItsRowAndColumnAndTimesWithTheirUnit)
{
    CStatisticsDlg dialog(window->Record(), prompter);
    const auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("statisticsTable"));
    ASSERT_EQ(table->columnCount(), 1);
    for (int row = 0; row < table->rowCount(); ++row) {
        const QString read = table->item(row, 0)->data(Qt::AccessibleTextRole).toString();
        const QString prefix = table->verticalHeaderItem(row)->text() + QStringLiteral(", 4 x 4: ");
        EXPECT_TRUE(read.startsWith(prefix)) << read.toStdString();
        EXPECT_FALSE(read.endsWith(QStringLiteral("-"))) << read.toStdString();
    }
    struct Case {
        int row;
        const char* shown;
        const char* read;
    };
    const Case cases[] = {
        {0, "1", "Games played, 4 x 4: 1"},
        {2, "77.0 s", "Best time, 4 x 4: 77.0 seconds"},
        {3, "77.0 s", "Mean time, 4 x 4: 77.0 seconds"},
        {8, "-", "Best average of 5, 4 x 4: none"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(table->item(c.row, 0)->text().toStdString(), c.shown) << "the screen shows it as before";
        EXPECT_EQ(table->item(c.row, 0)->data(Qt::AccessibleTextRole).toString().toStdString(), c.read);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(const_cast<QTableWidget*>(table))
                      ->tableInterface()
                      ->cellAt(c.row, 0)
                      ->text(QAccessible::Name)
                      .toStdString(),
                  c.read);
    }
}

TEST_F(StatisticsReadingTest, TheTableOpensOnItsFirstFigureUnselectedAndTabLeavesItForTheButtons)
{
    CStatisticsDlg dialog(window->Record(), prompter);
    auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("statisticsTable"));
    // That the figure is then told after the table is Orca's to hear (orca_play).
    QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(table, &in);
    EXPECT_EQ(table->currentIndex(), table->model()->index(0, 0));
    EXPECT_TRUE(table->selectedItems().isEmpty()) << "nothing is highlighted";

    EXPECT_FALSE(table->tabKeyNavigation());
    QStringList chain;
    for (QWidget* w = table->nextInFocusChain(); w != table; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            if (auto* button = qobject_cast<QPushButton*>(w))
                chain << button->text();
    EXPECT_TRUE(chain.contains(QStringLiteral("&Reset..."))) << chain.join(u'|').toStdString();
    EXPECT_EQ(chain.size(), 2) << chain.join(u'|').toStdString();
}

TEST_F(StatisticsReadingTest, BestScoresAndHighScoreNameTheirFieldsWithUnitAndPrompt)
{
    CBestScoresDlg scores(Scores());
    CHighScoreDlg high;
    struct Case {
        QWidget* dialog;
        const char* field;
        const char* name;
    };
    const Case cases[] = {
        {&scores, "score4", "Score in seconds, 4 x 4"},
        {&scores, "score10", "Score in seconds, 10 x 10"},
        {&scores, "name5", "Name, 5 x 5"},
        {&high, "nameEdit", "Please enter your name below"},
    };
    for (const Case& c : cases) {
        auto* field = c.dialog->findChild<QLineEdit*>(QString::fromLatin1(c.field));
        ASSERT_NE(field, nullptr) << c.field;
        EXPECT_EQ(QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name).toStdString(), c.name);
    }
}

}  // namespace
}  // namespace tilora::test
