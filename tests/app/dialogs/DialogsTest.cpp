// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLineEdit>

#include "PuzzleFixture.h"
#include "app/dialogs/BlocksDlg.h"
#include "app/dialogs/LevelDlg.h"
#include "scores/BestScoresDlg.h"

namespace tilora::test {
namespace {

using DialogsTest = PuzzleFixture;

ScriptedPrompter::DialogScript EnterLevel(const QString& text)
{
    return [text](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("levelEdit"))->setText(text);
        return ClickButton(dialog, "okButton");
    };
}

TEST_F(DialogsTest, LevelDialogOpensWithTheStoredLevel)
{
    QString shown;
    prompter.OnDialog([&](QDialog& dialog) {
        shown = dialog.findChild<QLineEdit*>(QStringLiteral("levelEdit"))->text();
        return ClickButton(dialog, "okButton");
    });
    window->OnDifficultyLevel();
    EXPECT_EQ(prompter.DialogTitles(), QStringList{"Tilora : Level of Difficulty"});
    EXPECT_EQ(shown, "10");
    EXPECT_EQ(Scores().GetString("Level", "number", "none"), "10");  // OK writes what it shows
}

TEST_F(DialogsTest, AcceptedLevelIsStoredAndUsedFromTheNextDeal)
{
    window->OnNew();
    prompter.OnDialog(EnterLevel("55"));
    window->OnDifficultyLevel();
    EXPECT_EQ(window->Level(), 55);
    EXPECT_EQ(window->DealtLevel(), 10);  // the game in progress is not affected
    EXPECT_EQ(Scores().GetString("Level", "number", "none"), "55");
    EXPECT_TRUE(window->Playing());
}

TEST_F(DialogsTest, InvalidLevelsAreRefusedAndNothingIsWritten)
{
    struct Case {
        QString entry;
        QString message;
    };
    const Case cases[] = {{"150", "Please enter an integer between 1 and 100."},
                          {"0", "Please enter an integer between 1 and 100."},
                          {"-3", "Please enter an integer between 1 and 100."},
                          {"abc", "Please enter an integer."},
                          {"", "Please enter an integer."},
                          {"5x", "Please enter an integer."}};
    for (const Case& c : cases) {
        prompter.Clear();
        bool stayedOpen = false;
        prompter.OnDialog([&](QDialog& dialog) {
            dialog.findChild<QLineEdit*>(QStringLiteral("levelEdit"))->setText(c.entry);
            ClickButton(dialog, "okButton");
            stayedOpen = dialog.result() != QDialog::Accepted;
            dialog.reject();
            return dialog.result();
        });
        prompter.Answer(QMessageBox::Ok);
        window->OnDifficultyLevel();
        ASSERT_EQ(prompter.Messages().size(), 1u) << c.entry.toStdString();
        EXPECT_EQ(prompter.Messages()[0].text, c.message);
        EXPECT_TRUE(stayedOpen);
        EXPECT_FALSE(std::filesystem::exists(ScoreFile()));
        EXPECT_EQ(window->Level(), 10);  // cancelled: the value read on opening
    }
}

TEST_F(DialogsTest, CancelledLevelDialogTakesTheStoredValueUnchecked)
{
    ASSERT_TRUE(Scores().WriteString("Level", "number", "250"));
    prompter.OnDialog(PressEscape());
    window->OnDifficultyLevel();
    EXPECT_EQ(window->Level(), 250);
    EXPECT_EQ(Scores().GetString("Level", "number", "none"), "250");
}

TEST_F(DialogsTest, AcceptedLevelAllowsBlanksAroundTheNumber)
{
    prompter.OnDialog(EnterLevel(" 7 "));
    window->OnDifficultyLevel();
    EXPECT_EQ(window->Level(), 7);
    EXPECT_EQ(Scores().GetString("Level", "number", "none"), "7");
}

TEST_F(DialogsTest, BlocksDialogAlwaysOpensOnFourByFour)
{
    for (int run = 0; run < 2; ++run) {
        bool firstChecked = false;
        prompter.OnDialog([&](QDialog& dialog) {
            firstChecked = dialog.findChild<QAbstractButton*>(QStringLiteral("blocks0"))->isChecked();
            dialog.findChild<QAbstractButton*>(QStringLiteral("blocks1"))->click();
            return ClickButton(dialog, "okButton");
        });
        window->OnNoOfBlocks();
        EXPECT_TRUE(firstChecked);
        EXPECT_EQ(window->GetBoard().GridSize(), 5);
    }
}

TEST_F(DialogsTest, BlocksDialogCancelButtonYieldsFour)
{
    CBlocksDlg dialog;
    EXPECT_EQ(dialog.Choice(), 0);
    ClickButton(dialog, "cancelButton");
    EXPECT_EQ(dialog.Choice(), CBlocksDlg::kCancelled);
    EXPECT_EQ(CBlocksDlg::GridSizeFor(dialog.Choice()), 4);
    EXPECT_EQ(CBlocksDlg::GridSizeFor(2), 8);
}

// A screen reader cannot see a field's heading or the group around it: every field of
// Best Scores and Difficulty Level has a name of its own, and the level's range prompt is
// its description.
TEST_F(DialogsTest, EveryFieldOfTheScoreAndLevelDialogsHasItsOwnName)
{
    CLevelDlg level(Scores(), prompter, window.get());
    CBestScoresDlg scores(Scores(), window.get());
    QStringList names;
    for (const QDialog* dialog : {static_cast<QDialog*>(&level), static_cast<QDialog*>(&scores)})
        for (const QLineEdit* field : dialog->findChildren<QLineEdit*>())
            names.append(field->accessibleName());
    ASSERT_EQ(names.size(), 13);
    EXPECT_EQ(names.constFirst(), "Level of difficulty");
    EXPECT_EQ(names.filter(QStringLiteral(", 10 x 10")).size(), 3);
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), 13) << names.join(u'|').toStdString();
    EXPECT_EQ(level.findChild<QLineEdit*>()->accessibleDescription(), "Please Choose Level of Difficulty(1 - 100)");
}

}  // namespace
}  // namespace tilora::test
