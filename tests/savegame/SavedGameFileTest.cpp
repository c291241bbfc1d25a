// SPDX-License-Identifier: GPL-3.0-or-later
#include "savegame/SavedGameFile.h"

#include <gtest/gtest.h>

#include <fstream>

#include "savegame/KeptGame.h"
#include "support/RefusedFiles.h"
#include "support/TempDir.h"

namespace tilora {
namespace {

namespace fs = std::filesystem;

void WriteBytes(const fs::path& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

Board DealtLikeBoard()
{
    Board board;
    board.SetGridSize(8);
    board.FillSolved();
    board.Slide({7, 6}, {7, 7});
    return board;
}

TEST(SavedGameFileTest, WritesTheLayoutAndReadsItBack)
{
    test::TempDir dir;
    const fs::path file = dir / "game.tlr";
    ASSERT_TRUE(WriteSavedGame(file, DealtLikeBoard(), 321));
    EXPECT_EQ(fs::file_size(file), savegame::FileSize(8));

    const ReadResult read = ReadSavedGame(file);
    ASSERT_EQ(read.status, ReadStatus::Loaded);
    EXPECT_EQ(read.game.gridSize, 8);
    EXPECT_EQ(read.game.seconds, 321);
    EXPECT_EQ(read.game.cells[62], 64);  // the blank, one slide from the corner
    EXPECT_EQ(read.game.cells[63], 63);

    // A second save replaces the first entirely.
    Board small;
    small.FillSolved();
    ASSERT_TRUE(WriteSavedGame(file, small, 5));
    EXPECT_EQ(fs::file_size(file), 93u);
    EXPECT_EQ(ReadSavedGame(file).game.gridSize, 4);
}

TEST(SavedGameFileTest, AFailedWriteIsReported)
{
    test::TempDir dir;
    WriteBytes(dir / "plain", "not a folder");
    EXPECT_FALSE(WriteSavedGame(dir / "plain" / "game.tlr", DealtLikeBoard(), 1));
}

TEST(SavedGameFileTest, WhatCannotBeOpenedIsToldApartFromWhatIsInvalid)
{
    test::TempDir dir;
    EXPECT_EQ(ReadSavedGame(dir / "missing.tlr").status, ReadStatus::CannotOpen);
    // Refused at once, as a file that cannot be opened: never waited on, never read on.
    for (const test::RefusedFile& refused : test::MakeRefusedFiles(dir.Path(), "game"))
        EXPECT_EQ(ReadSavedGame(refused.path).status, ReadStatus::CannotOpen) << refused.what;

    WriteBytes(dir / "empty.tlr", "");
    EXPECT_EQ(ReadSavedGame(dir / "empty.tlr").status, ReadStatus::Invalid);
    WriteBytes(dir / "short.tlr", std::string("TL\0" "4\0\0\0\0" "1", 9));
    EXPECT_EQ(ReadSavedGame(dir / "short.tlr").status, ReadStatus::Invalid);
}

TEST(SavedGameFileTest, AHugeFileIsReadOnlyAsFarAsItsFields)
{
    test::TempDir dir;
    const fs::path file = dir / "big.tlr";
    Board board;
    board.FillSolved();
    WriteBytes(file, EncodeSavedGame(board, 99) + std::string(4 << 20, '7'));
    const ReadResult read = ReadSavedGame(file);
    ASSERT_EQ(read.status, ReadStatus::Loaded);
    EXPECT_EQ(read.game.seconds, 99);
}

// The game kept for the next start is read as every file from the player's folders: a
// FIFO, a folder, a device or a file larger than any saved game is refused without being
// waited on or read, and none there is no kept game.
TEST(SavedGameFileTest, AKeptGameIsReadOnlyFromAFileOfASavedGamesSize)
{
    test::TempDir dir;
    Board board;
    board.FillSolved();
    EXPECT_EQ(ReadKeptGame(dir / "none.tlr").status, KeptGameRead::Status::None);
    ASSERT_TRUE(KeepGame(dir / "state" / "kept.tlr", board, -40, false));
    const KeptGameRead kept = ReadKeptGame(dir / "state" / "kept.tlr");
    ASSERT_EQ(kept.status, KeptGameRead::Status::Loaded);
    EXPECT_EQ(kept.game.seconds, -40);
    for (const test::RefusedFile& refused : test::MakeRefusedFiles(dir.Path(), "kept"))
        EXPECT_EQ(ReadKeptGame(refused.path).status, KeptGameRead::Status::Refused) << refused.what;
    WriteBytes(dir / "huge.tlr", "");
    fs::resize_file(dir / "huge.tlr", 64ULL << 30);
    EXPECT_EQ(ReadKeptGame(dir / "huge.tlr").status, KeptGameRead::Status::Refused);
    WriteBytes(dir / "short.tlr", EncodeSavedGame(board, 1).substr(0, 50));
    EXPECT_EQ(ReadKeptGame(dir / "short.tlr").status, KeptGameRead::Status::Refused);
}

}  // namespace
}  // namespace tilora
