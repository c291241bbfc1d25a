// SPDX-License-Identifier: GPL-3.0-or-later
// Statistics, Best Scores and High Score! as a screen reader reads them: each figure with
// its row and column and times with their unit, the keys between the table and the
// buttons, and every field named; nothing of it shows on screen.
#include <QAccessible>
#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <cstring>

#include "PuzzleFixture.h"
#include "app/dialogs/FigureReading.h"
#include "app/dialogs/LevelDlg.h"
#include "app/dialogs/StatisticsDlg.h"
#include "app/record/PlayerRecord.h"
#include "scores/BestScoresDlg.h"
#include "scores/HighScoreDlg.h"
#include "ui/LineEditAccessible.h"

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
    CStatisticsDlg dialog(window->Record(), prompter, nullptr, [](const KeptGame&) {});
    auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("statisticsTable"));
    // That the figure is then told after the table is Orca's to hear (orca_play).
    QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(table, &in);
    EXPECT_EQ(table->currentIndex(), table->model()->index(0, 0));
    EXPECT_TRUE(table->selectedItems().isEmpty()) << "nothing is highlighted";

    // Tab leaves the figures and the chart's times alike.
    for (const char* name : {"statisticsTable", "chartTable"})
        EXPECT_FALSE(dialog.findChild<QTableWidget*>(QString::fromLatin1(name))->tabKeyNavigation()) << name;
    QStringList chain;
    for (QWidget* w = table->nextInFocusChain(); w != table; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            if (auto* button = qobject_cast<QPushButton*>(w))
                chain << button->text();
    EXPECT_EQ(chain, QStringList({"Re&play...", "&Reset...", "Close"}));
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

namespace tilora::test {
namespace {

TEST(LineEditAccessibleTest, AFieldOfAMarkedDialogIsOneRunOfTextReadWholeAndNamedByItsLabel)
{
    for (const char* text : {"Blin", "5", "10", "Maximili"}) {
        QDialog dialog;
        InstallLineEditAccessibility(dialog);
        auto* label = new QLabel(QStringLiteral("Please enter your name below"), &dialog);
        auto* edit = new QLineEdit(QString::fromLatin1(text), &dialog);
        label->setBuddy(edit);
        QAccessibleInterface* field = QAccessible::queryAccessibleInterface(edit);
        ASSERT_NE(field->textInterface(), nullptr);
        const int count = field->textInterface()->characterCount();
        EXPECT_EQ(count, static_cast<int>(std::strlen(text)));
        EXPECT_EQ(field->textInterface()->text(0, count).toStdString(), text);
        for (int offset = 0; offset <= count; ++offset) {
            int start = -1;
            int end = -1;
            field->textInterface()->attributes(offset, &start, &end);
            EXPECT_EQ(start, 0) << text << " at " << offset;
            EXPECT_EQ(end, count) << text << " at " << offset;
        }
        EXPECT_EQ(field->role(), QAccessible::EditableText);
        EXPECT_EQ(field->text(QAccessible::Name), "Please enter your name below");
        EXPECT_EQ(field->text(QAccessible::Value).toStdString(), text);
    }
    // A line edit elsewhere keeps Qt's own reading.
    QDialog other;
    QLineEdit plain(QStringLiteral("42"), &other);
    EXPECT_EQ(dynamic_cast<LineEditAccessible*>(QAccessible::queryAccessibleInterface(&plain)), nullptr);
}

class LevelSelectionTest : public PuzzleFixture {};

TEST_F(LevelSelectionTest, TheLevelIsSelectedOnlyOnceTheDialogIsActiveAndNotOverWhatWasTyped)
{
    struct Case {
        const char* typed;
        const char* selected;
    };
    for (const Case& c : {Case{"", "10"}, Case{"7", ""}}) {
        CLevelDlg dialog(Scores(), prompter);
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("levelEdit"));
        // The dialog's own focus at its show.
        QFocusEvent shown(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(edit, &shown);
        QCoreApplication::processEvents();
        EXPECT_EQ(edit->selectedText(), "") << "nothing selected before the dialog is active";
        QFocusEvent active(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(edit, &active);
        if (*c.typed) {
            edit->setCursorPosition(edit->text().size());
            QTest::keyClicks(edit, QString::fromLatin1(c.typed));
        }
        QTest::qWait(500);
        EXPECT_EQ(edit->selectedText().toStdString(), c.selected) << c.typed;
    }
}

}  // namespace
}  // namespace tilora::test
