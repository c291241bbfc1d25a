// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLineEdit>

#include "PuzzleFixture.h"
#include "common/AtomicFile.h"
#include "scores/IniText.h"

namespace tilora::test {
namespace {

class ScoresTest : public PuzzleFixture {
protected:
    void SetUp() override
    {
        PuzzleFixture::SetUp();
        window->OnNew();
    }

    // Plays a game of `seconds` and makes the solving move.
    void SolveAfter(int seconds)
    {
        for (int i = 0; i < seconds; ++i)
            window->OnTimer();
        SetOneMoveFromSolved();
        DoubleClick({300, 300});
    }

    void WriteRaw(const std::string& text) { ASSERT_TRUE(WriteFileAtomically(ScoreFile(), text)); }
    std::string ReadRaw() const
    {
        std::string text;
        ReadWholeFile(ScoreFile(), text);
        return text;
    }

    static QString FieldOf(QDialog& dialog, const char* name)
    {
        return dialog.findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    }
};

// The High Score! dialog answered with a typed name and OK.
ScriptedPrompter::DialogScript TypeName(const QString& name)
{
    return [name](QDialog& dialog) {
        QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("nameEdit")), name);
        return ClickButton(dialog, "okButton");
    };
}

const QStringList kVictoryWithBest{"message: Victory", "dialog: Tilora : High Score!", "dialog: Tilora:  Best Scores"};
const QStringList kVictoryWithoutBest{"message: Victory", "dialog: Tilora:  Best Scores"};

TEST_F(ScoresTest, ANewBestAsksTheNameAfterTheVictoryAndBeforeTheTable)
{
    QString shownScore, shownName, shownLevel;
    prompter.Answer(QMessageBox::Ok);
    prompter.OnDialog(TypeName(QStringLiteral("abc")));
    prompter.OnDialog([&](QDialog& dialog) {
        shownScore = FieldOf(dialog, "score4");
        shownName = FieldOf(dialog, "name4");
        shownLevel = FieldOf(dialog, "level4");
        return ClickButton(dialog, "okButton");
    });
    SolveAfter(437);
    EXPECT_EQ(prompter.Log(), kVictoryWithBest);
    EXPECT_EQ(ReadRaw(), "[High]\n4=437.\n40=abc     \n400=10\n");
    EXPECT_EQ(shownScore, "437.");
    EXPECT_EQ(shownName, "abc");
    EXPECT_EQ(shownLevel, "10");
}

TEST_F(ScoresTest, NoNewBestShowsOnlyTheTable)
{
    WriteRaw("[High]\n4=437.\n");
    prompter.Answer(QMessageBox::Ok);
    prompter.OnDialog(PressOk());
    SolveAfter(437);  // equal to the stored best
    EXPECT_EQ(prompter.Log(), kVictoryWithoutBest);
    EXPECT_EQ(ReadRaw(), "[High]\n4=437.\n");
}

TEST_F(ScoresTest, EscInTheNameDialogStillRecordsTimeAndLevel)
{
    prompter.Answer(QMessageBox::Ok);
    prompter.OnDialog([](QDialog& dialog) {
        QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("nameEdit")), QStringLiteral("abc"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        return dialog.result();
    });
    prompter.OnDialog(PressEscape());
    SolveAfter(12);
    EXPECT_EQ(prompter.Log(), kVictoryWithBest);
    EXPECT_EQ(ReadRaw(), "[High]\n4=12.\n40=        \n400=10\n");
}

TEST_F(ScoresTest, TheRecordCarriesTheLevelOfTheDealNotTheCurrentOne)
{
    prompter.OnDialog([](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("levelEdit"))->setText(QStringLiteral("55"));
        return ClickButton(dialog, "okButton");
    });
    window->OnDifficultyLevel();  // counts from the next deal
    prompter.Answer(QMessageBox::Ok);
    prompter.OnDialog(TypeName(QStringLiteral("Jonathan")));
    prompter.OnDialog(PressOk());
    SolveAfter(3);
    EXPECT_EQ(ini::FindValue(ReadRaw(), "High", "400"), "10");
    EXPECT_EQ(ini::FindValue(ReadRaw(), "High", "40"), "Jonathan");
    EXPECT_EQ(ini::FindValue(ReadRaw(), "Level", "number"), "55");
}

TEST_F(ScoresTest, TheMenuCommandShowsTheTableAndLeavesTheGameRunning)
{
    window->OnTimer();
    ASSERT_TRUE(window->Menu().bestScores->isEnabled());
    bool timerRanDuringTheDialog = false;
    prompter.OnDialog([&](QDialog& dialog) {
        timerRanDuringTheDialog = window->TimerRunning();
        EXPECT_EQ(FieldOf(dialog, "score10"), "20000");
        return ClickButton(dialog, "okButton");
    });
    window->Menu().bestScores->trigger();
    EXPECT_EQ(prompter.Log(), QStringList{"dialog: Tilora:  Best Scores"});
    EXPECT_TRUE(timerRanDuringTheDialog);
    EXPECT_TRUE(window->Playing());
    EXPECT_TRUE(window->TimerRunning());
    EXPECT_EQ(window->Seconds(), 1);
    EXPECT_FALSE(std::filesystem::exists(ScoreFile()));
}

TEST_F(ScoresTest, ResetFromTheMenuKeepsTheDifficultyLevel)
{
    WriteRaw("[Level]\nnumber=55\n[High]\n5=3.\n50=Ann     \n500=2\n");
    prompter.OnDialog([](QDialog& dialog) {
        ClickButton(dialog, "resetButton");
        dialog.close();
        return dialog.result();
    });
    window->Menu().bestScores->trigger();
    EXPECT_EQ(Scores().GetString("High", "5", "none"), "20000");
    EXPECT_EQ(Scores().GetString("High", "50", "none"), "Slow");
    EXPECT_EQ(Scores().GetString("Level", "number", "none"), "55");
}

}  // namespace
}  // namespace tilora::test
