// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/BestScores.h"

#include <gtest/gtest.h>

#include "ScoreFileFixture.h"
#include "scores/IniText.h"

namespace tilora {
namespace {

class BestScoresTest : public ScoreFileFixture {
protected:
    std::optional<std::string> Stored(std::string_view key) const { return ini::FindValue(ReadRaw(), "High", key); }

    // Runs the step with a name answer, counting how often the name is asked.
    BestScoreOutcome Record(int gridSize, int seconds, int level, std::string name = "abc")
    {
        return RecordBestScore(m_store, gridSize, seconds, level, [&] {
            ++m_asked;
            return name;
        });
    }

    int m_asked = 0;
};

TEST_F(BestScoresTest, WithNoFileEveryRowShowsTheDefaults)
{
    for (const BestScoreRow& row : ReadBestScores(m_store)) {
        EXPECT_EQ(row.name, "Slow");
        EXPECT_EQ(row.score, "20000");
        EXPECT_EQ(row.level, "1");
    }
    EXPECT_EQ(ReadBestScores(m_store)[3].gridSize, 10);
    EXPECT_EQ(StoredBest(m_store, 8), 20000.0);
}

TEST_F(BestScoresTest, FirstBestWritesOnlyItsGridsThreeKeys)
{
    EXPECT_EQ(Record(4, 437, 37), BestScoreOutcome::Recorded);
    EXPECT_EQ(m_asked, 1);
    // In the file: the full stop, the name padded to eight characters, the dealt level.
    EXPECT_EQ(ReadRaw(), "[High]\n4=437.\n40=abc     \n400=37\n");
    for (const char* key : {"5", "8", "10", "50", "80", "100", "500", "800", "1000"})
        EXPECT_FALSE(Stored(key)) << key;
    const BestScoreTable table = ReadBestScores(m_store);
    EXPECT_EQ(table[0].score, "437.");
    EXPECT_EQ(table[0].name, "abc");  // the profile store drops the trailing blanks of a value
    EXPECT_EQ(table[0].level, "37");
    EXPECT_EQ(table[1].score, "20000");
    EXPECT_EQ(table[1].name, "Slow");
}

TEST_F(BestScoresTest, OnlyAStrictlyLowerTimeIsANewBest)
{
    WriteRaw("[High]\n4=437.\n40=Ann     \n400=5\n");
    const std::string before = ReadRaw();
    EXPECT_EQ(Record(4, 437, 9), BestScoreOutcome::NotABest);  // equal: no new best
    EXPECT_EQ(Record(4, 500, 9), BestScoreOutcome::NotABest);
    EXPECT_EQ(m_asked, 0);
    EXPECT_EQ(ReadRaw(), before);
    // The old name and level play no part: they are overwritten.
    EXPECT_EQ(Record(4, 436, 9, "Bo"), BestScoreOutcome::Recorded);
    EXPECT_EQ(ReadRaw(), "[High]\n4=436.\n40=Bo      \n400=9\n");
}

TEST_F(BestScoresTest, AStoredZeroOrTextWithoutANumberIsBeatenByNothing)
{
    for (const char* stored : {"0.", "abc", "", "-", "0x1A"}) {
        WriteRaw(std::string("[High]\n4=") + stored + "\n");
        EXPECT_EQ(StoredBest(m_store, 4), 0.0) << stored;
        EXPECT_EQ(Record(4, 0, 3), BestScoreOutcome::NotABest) << stored;
    }
    EXPECT_EQ(m_asked, 0);
    // A stored best read as atof does: blanks before it, an exponent.
    WriteRaw("[High]\n4=\" 4e2\"\n");
    EXPECT_EQ(StoredBest(m_store, 4), 400.0);
    EXPECT_EQ(Record(4, 400, 3), BestScoreOutcome::NotABest);
    EXPECT_EQ(Record(4, 399, 3), BestScoreOutcome::Recorded);
}

TEST_F(BestScoresTest, TheNameValueHasEightCharactersWhateverWasTyped)
{
    EXPECT_EQ(Record(5, 100, 1, ""), BestScoreOutcome::Recorded);  // Esc or the close box
    EXPECT_EQ(Stored("50"), "");                                   // read back: blanks dropped
    EXPECT_NE(ReadRaw().find("50=        \n"), std::string::npos);
    EXPECT_EQ(Record(5, 99, 1, "Jonathan"), BestScoreOutcome::Recorded);
    EXPECT_NE(ReadRaw().find("50=Jonathan\n"), std::string::npos);
    EXPECT_EQ(Record(5, 98, 1, "Christopher"), BestScoreOutcome::Recorded);
    EXPECT_NE(ReadRaw().find("50=Christop\n"), std::string::npos);
}

TEST_F(BestScoresTest, TimesFromTenThousandHaveNoFullStop)
{
    EXPECT_EQ(Record(10, 19999, 100), BestScoreOutcome::Recorded);
    EXPECT_EQ(Stored("10"), "19999");
    EXPECT_EQ(Stored("1000"), "100");
    EXPECT_EQ(Record(10, 10000, 100), BestScoreOutcome::Recorded);
    EXPECT_EQ(Stored("10"), "10000");
    EXPECT_EQ(Record(10, 9999, 100), BestScoreOutcome::Recorded);
    EXPECT_EQ(Stored("10"), "9999.");
}

TEST_F(BestScoresTest, ValuesLongerThanNineCharactersAreReadCut)
{
    // Read whole, 12345678901 would lose to 200000000; cut to 123456789 it wins.
    WriteRaw("[High]\n8=12345678901\n80=Maximilian\n800=1234567890\n");
    EXPECT_EQ(StoredBest(m_store, 8), 123456789.0);
    EXPECT_EQ(Record(8, 200000000, 1), BestScoreOutcome::NotABest);
    const BestScoreRow row = ReadBestScores(m_store)[2];
    EXPECT_EQ(row.score, "123456789");
    EXPECT_EQ(row.name, "Maximilia");
    EXPECT_EQ(row.level, "123456789");
    EXPECT_EQ(Record(8, 123456788, 1), BestScoreOutcome::Recorded);
    EXPECT_EQ(Stored("8"), "1.2346e+008");
}

TEST_F(BestScoresTest, ResetWritesTheTwelveDefaultsAndLeavesTheLevelAlone)
{
    WriteRaw("[Level]\nnumber=55\n[High]\n4=437.\n40=abc     \n400=37\n10=3.\n");
    ASSERT_TRUE(ResetBestScores(m_store));
    EXPECT_EQ(ReadRaw(),
              "[Level]\nnumber=55\n[High]\n4=20000\n40=Slow\n400=1\n10=20000\n5=20000\n8=20000\n"
              "50=Slow\n80=Slow\n100=Slow\n500=1\n800=1\n1000=1\n");
    for (const BestScoreRow& row : ReadBestScores(m_store))
        EXPECT_EQ(row.score + row.name + row.level, "20000Slow1");
}

TEST_F(BestScoresTest, ABetterTimeStoredMeanwhileByAnotherCopyIsKept)
{
    // While this copy asks for the name, another one stores a better time for the grid.
    const auto outcome = RecordBestScore(m_store, 4, 300, 7, [&] {
        m_store.WriteString("High", "4", "250.");
        return std::string("late");
    });
    EXPECT_EQ(outcome, BestScoreOutcome::Overtaken);
    EXPECT_EQ(ReadRaw(), "[High]\n4=250.\n");
}

TEST_F(BestScoresTest, AFailedWriteIsReportedToTheCaller)
{
    WriteRaw("not a folder");
    const ProfileStore unwritable(File() / "Tilora.hi");
    EXPECT_EQ(RecordBestScore(unwritable, 4, 1, 1, [] { return std::string("x"); }), BestScoreOutcome::WriteFailed);
    EXPECT_EQ(ReadRaw(), "not a folder");
}

}  // namespace
}  // namespace tilora
