// SPDX-License-Identifier: GPL-3.0-or-later
#include "savegame/SavedGame.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <utility>

namespace tilora {
namespace {

using namespace std::string_literals;

Board SolvedBoard(int n)
{
    Board board;
    board.SetGridSize(n);
    board.FillSolved();
    return board;
}

// A board whose cells read back in a known order: the solved board with the last two
// tiles of the first row exchanged.
Board ScrambledBoard(int n)
{
    Board board = SolvedBoard(n);
    board.SetCell(0, n - 2, n);
    board.SetCell(0, n - 1, n - 1);
    return board;
}

std::optional<SavedGame> Decode(std::string_view bytes)
{
    return DecodeSavedGame(bytes).game;
}

TEST(SavedGameTest, FourByFourAt125SecondsIsTheDocumentedNinetyThreeBytes)
{
    const std::string expected = "TL\0"s + "4\0\0\0\0"s                              //
        + "1\0\0\0\0"s + "2\0\0\0\0"s + "4\0\0\0\0"s + "3\0\0\0\0"s                  //
        + "5\0\0\0\0"s + "6\0\0\0\0"s + "7\0\0\0\0"s + "8\0\0\0\0"s                  //
        + "9\0\0\0\0"s + "10\0\0\0"s + "11\0\0\0"s + "12\0\0\0"s                     //
        + "13\0\0\0"s + "14\0\0\0"s + "15\0\0\0"s + "16\0\0\0"s                      //
        + "125\0\0"s;
    ASSERT_EQ(expected.size(), 93u);
    EXPECT_EQ(EncodeSavedGame(ScrambledBoard(4), 125), expected);
    EXPECT_EQ(savegame::FileSize(4), 93u);
    EXPECT_EQ(savegame::FileSize(5), 138u);
    EXPECT_EQ(savegame::FileSize(8), 333u);
    EXPECT_EQ(savegame::FileSize(10), 513u);
}

TEST(SavedGameTest, LongCountsFillTheFieldAndLongerOnesAreCut)
{
    EXPECT_EQ(savegame::EncodeField(10000), "10000");  // exactly five: no zero byte
    EXPECT_EQ(savegame::EncodeField(123456), "12345");
    EXPECT_EQ(savegame::EncodeField(0), "0\0\0\0\0"s);

    for (const auto& [saved, restored] : {std::pair{10000, 10000}, {99999, 99999}, {123456, 12345}}) {
        const std::string bytes = EncodeSavedGame(SolvedBoard(4), saved);
        ASSERT_EQ(bytes.size(), 93u) << saved;
        EXPECT_EQ(bytes.substr(88), savegame::EncodeField(saved));
        ASSERT_TRUE(Decode(bytes)) << saved;
        EXPECT_EQ(Decode(bytes)->seconds, restored);
    }
}

TEST(SavedGameTest, EveryGridSizeRoundTripsAndRestoresOnlyItsCells)
{
    for (const int n : {4, 5, 8, 10}) {
        const Board board = ScrambledBoard(n);
        const std::string bytes = EncodeSavedGame(board, 4321);
        ASSERT_EQ(bytes.size(), savegame::FileSize(n));
        const auto game = Decode(bytes);
        ASSERT_TRUE(game) << n;
        EXPECT_EQ(game->gridSize, n);
        EXPECT_EQ(game->seconds, 4321);

        // The cells outside the restored n x n corner keep what they held.
        Board restored;
        for (int r = 0; r < Board::kMaxGridSize; ++r)
            for (int c = 0; c < Board::kMaxGridSize; ++c)
                restored.SetCell(r, c, -7);
        RestoreBoard(*game, restored);
        EXPECT_EQ(restored.GridSize(), n);
        for (int r = 0; r < Board::kMaxGridSize; ++r)
            for (int c = 0; c < Board::kMaxGridSize; ++c)
                EXPECT_EQ(restored.Cell(r, c), r < n && c < n ? board.Cell(r, c) : -7) << n << ": " << r << "," << c;
    }
}

TEST(SavedGameTest, NegativeNumbersAreWrittenAndReadWithTheirSign)
{
    EXPECT_EQ(savegame::EncodeField(-5), "-5\0\0\0"s);
    EXPECT_EQ(savegame::EncodeField(-1234), "-1234");
    EXPECT_EQ(savegame::EncodeField(-12345), "-1234");  // the sign counts among the five
    EXPECT_EQ(savegame::EncodeField(std::numeric_limits<int>::min()), "-2147");

    Board board = SolvedBoard(4);
    board.SetCell(2, 1, -3);
    const auto game = Decode(EncodeSavedGame(board, -60));
    ASSERT_TRUE(game);
    EXPECT_EQ(game->seconds, -60);
    EXPECT_EQ(game->cells[9], -3);
}

TEST(SavedGameTest, FieldsAreReadAsAtoiReadsThemWithinFiveBytes)
{
    EXPECT_EQ(savegame::DecodeField("  12\0"s), 12);
    EXPECT_EQ(savegame::DecodeField("\t\n 7\0"s), 7);
    EXPECT_EQ(savegame::DecodeField("+3\0\0\0"s), 3);
    EXPECT_EQ(savegame::DecodeField(" -42\0"s), -42);
    EXPECT_EQ(savegame::DecodeField("1 2\0\0"s), 1);
    EXPECT_EQ(savegame::DecodeField("12ab\0"s), 12);
    EXPECT_EQ(savegame::DecodeField("     "), 0);
    EXPECT_EQ(savegame::DecodeField("-\0\0\0\0"s), 0);
    EXPECT_EQ(savegame::DecodeField("\0" "99\0\0"s), 0);  // the text ends at the zero byte
    EXPECT_EQ(savegame::DecodeField("1234567"), 12345);   // never past the fifth byte

    // A five-digit field runs straight into the next one without being joined to it.
    std::string bytes = EncodeSavedGame(SolvedBoard(4), 0);
    bytes.replace(8, 10, "12345" "67890");
    const auto game = Decode(bytes);
    ASSERT_TRUE(game);
    EXPECT_EQ(game->cells[0], 12345);
    EXPECT_EQ(game->cells[1], 67890);

    // The grid size too is read with leading blanks.
    bytes = EncodeSavedGame(SolvedBoard(10), 8);
    bytes.replace(3, 5, "  10\0"s);
    ASSERT_TRUE(Decode(bytes));
    EXPECT_EQ(Decode(bytes)->gridSize, 10);
}

TEST(SavedGameTest, OnlyTheTagAndFourGridSizesAreAccepted)
{
    const std::string good = EncodeSavedGame(SolvedBoard(4), 1);
    for (const std::string& tag : {"TX\0"s, "tl\0"s, "TL "s, "LT\0"s, "\0\0\0"s}) {
        std::string bytes = good;
        bytes.replace(0, 3, tag);
        const DecodeResult result = DecodeSavedGame(bytes);
        EXPECT_FALSE(result.game);
        EXPECT_EQ(result.error, DecodeError::BadTag);
    }
    // A bitmap file chosen by mistake.
    EXPECT_EQ(DecodeSavedGame("BM\x36\x04\0\0\0\0\0\0\x36\0\0\0"s + std::string(600, 'x')).error, DecodeError::BadTag);

    for (const std::string& field : {"0\0\0\0\0"s, "3\0\0\0\0"s, "6\0\0\0\0"s, "9\0\0\0\0"s, "-4\0\0\0"s, "100\0\0"s,
                                     "x4\0\0\0"s, "     "s}) {
        std::string bytes = EncodeSavedGame(SolvedBoard(10), 1);  // long enough for any n
        bytes.replace(3, 5, field);
        const DecodeResult result = DecodeSavedGame(bytes);
        EXPECT_FALSE(result.game);
        EXPECT_EQ(result.error, DecodeError::BadGridSize);
    }
}

TEST(SavedGameTest, AFileCutShortIsRefusedWhereverItEnds)
{
    const std::string good = EncodeSavedGame(ScrambledBoard(5), 77);
    for (std::size_t size = 0; size < good.size(); ++size) {
        const DecodeResult result = DecodeSavedGame(std::string_view(good).substr(0, size));
        EXPECT_FALSE(result.game) << size;
        const DecodeError expected = size < 3 ? DecodeError::BadTag : size < 8 ? DecodeError::BadGridSize : DecodeError::Truncated;
        EXPECT_EQ(result.error, expected) << size;
    }
    // Bytes after the last field are ignored.
    const auto game = Decode(good + "trailing bytes");
    ASSERT_TRUE(game);
    EXPECT_EQ(game->seconds, 77);
}

TEST(SavedGameTest, CellsAreTakenWithoutAnyTest)
{
    std::string bytes = "TL\0"s + "4\0\0\0\0"s;
    const std::vector<int> cells{0, 1, 1, 999, -1, 17, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    for (const int cell : cells)
        bytes += savegame::EncodeField(cell);
    bytes += "-9\0\0\0"s;
    const auto game = Decode(bytes);
    ASSERT_TRUE(game);
    EXPECT_EQ(game->cells, cells);
    EXPECT_EQ(game->seconds, -9);
}

}  // namespace
}  // namespace tilora
