// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/record/GameTrace.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace tilora::game_trace {
namespace {

constexpr std::string_view kDigits = "0123456789abcdefghijklmnopqrstuvwxyz";

int DigitsPerCell(int size)
{
    return size * size <= 36 ? 1 : 2;
}

int DigitValue(char c)
{
    const std::size_t at = kDigits.find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

// The step of a block that went in `letter`'s direction, in capitals.
std::optional<CellPos> Step(char letter)
{
    switch (letter) {
    case 'U': return CellPos{-1, 0};
    case 'D': return CellPos{1, 0};
    case 'L': return CellPos{0, -1};
    case 'R': return CellPos{0, 1};
    default: return std::nullopt;
    }
}

}  // namespace

std::string FormatBoard(const Board& board)
{
    const int n = board.GridSize();
    const int width = DigitsPerCell(n);
    std::string text;
    text.reserve(static_cast<std::size_t>(n * n * width));
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            // A cell outside 1..n*n (a hand-edited saved game) cannot be written: no board.
            const int value = board.Cell(r, c) - 1;
            if (value < 0 || value >= n * n)
                return {};
            if (width == 2)
                text += kDigits[static_cast<std::size_t>(value / 36)];
            text += kDigits[static_cast<std::size_t>(value % 36)];
        }
    }
    return text;
}

std::optional<Board> ParseBoard(int size, std::string_view text)
{
    if (size < 1 || size > Board::kMaxGridSize)
        return std::nullopt;
    const int width = DigitsPerCell(size);
    if (text.size() != static_cast<std::size_t>(size * size * width))
        return std::nullopt;
    Board board;
    board.SetGridSize(size);
    for (int i = 0; i < size * size; ++i) {
        int value = 0;
        for (int d = 0; d < width; ++d) {
            const int digit = DigitValue(text[static_cast<std::size_t>(i * width + d)]);
            if (digit < 0)
                return std::nullopt;
            value = value * 36 + digit;
        }
        if (value >= size * size)
            return std::nullopt;
        board.SetCell(i / size, i % size, value + 1);
    }
    return board;
}

void AppendMove(std::string& moves, int& second, const Move& move)
{
    if (move.second != second) {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<long long>(move.second) - second).ptr;
        moves.append(digits, end);
        second = move.second;
    }
    const int rows = move.to.row - move.from.row;
    const char letter = rows < 0 ? 'U' : rows > 0 ? 'D' : move.to.column < move.from.column ? 'L' : 'R';
    moves += move.hint ? static_cast<char>(letter - 'A' + 'a') : letter;
}

std::optional<std::vector<Move>> ParseMoves(const Board& start, std::string_view text)
{
    std::vector<Move> moves;
    moves.reserve(text.size());
    const auto blank = start.Blank();
    if (!blank)
        return text.empty() ? std::optional(moves) : std::nullopt;
    CellPos hole = *blank;
    long long second = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '-' || (text[i] >= '0' && text[i] <= '9')) {
            long long delta = 0;
            const auto [at, ec] = std::from_chars(text.data() + i, text.data() + text.size(), delta);
            if (ec != std::errc{} || at == text.data() + text.size())
                return std::nullopt;
            second += delta;
            if (second < std::numeric_limits<int>::min() || second > std::numeric_limits<int>::max())
                return std::nullopt;
            i = static_cast<std::size_t>(at - text.data());
        }
        const char letter = text[i];
        const bool hint = letter >= 'a' && letter <= 'z';
        const auto step = Step(hint ? static_cast<char>(letter - 'a' + 'A') : letter);
        if (!step)
            return std::nullopt;
        // The block went by `step` into the blank: it came from the other side of it.
        const CellPos from{hole.row - step->row, hole.column - step->column};
        if (!start.Contains(from))
            return std::nullopt;
        moves.push_back({from, hole, static_cast<int>(second), hint});
        hole = from;
        ++i;
    }
    return moves;
}

bool IsTraceText(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-';
    });
}

}  // namespace tilora::game_trace
