// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLineEdit>

#include "PuzzleFixture.h"
#include "app/dialogs/BlocksDlg.h"
#include "app/dialogs/LevelDlg.h"

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

}  // namespace
}  // namespace tilora::test
