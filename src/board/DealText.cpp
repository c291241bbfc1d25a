// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/DealText.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace tilora::deal_text {
namespace {

constexpr bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

bool PlayedSize(int n)
{
    return n == 4 || n == 5 || n == 8 || n == 10;
}

// A number as written: digits only. A number too large for an int is kept as -1, which no
// cell may hold, so that it counts as a wrong number rather than as no board.
std::optional<int> ReadNumber(std::string_view token)
{
    if (token.empty() || !std::all_of(token.begin(), token.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error == std::errc::result_out_of_range)
        return -1;
    return end == token.data() + token.size() ? std::optional<int>(value) : std::nullopt;
}

// Splits `text` at each of `separators`, trimming every piece.
std::vector<std::string_view> Split(std::string_view text, std::string_view separators)
{
    std::vector<std::string_view> pieces;
    std::size_t begin = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || separators.find(text[i]) != std::string_view::npos) {
            pieces.push_back(Trim(text.substr(begin, i - begin)));
            begin = i + 1;
        }
    }
    return pieces;
}

// The numbers of a row, separated by white space (or commas).
std::optional<std::vector<int>> ReadRow(std::string_view row)
{
    std::vector<int> numbers;
    std::size_t i = 0;
    while (i < row.size()) {
        if (IsSpace(row[i]) || row[i] == ',') {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < row.size() && !IsSpace(row[end]) && row[end] != ',')
            ++end;
        const auto number = ReadNumber(row.substr(i, end - i));
        if (!number)
            return std::nullopt;
        numbers.push_back(*number);
        i = end;
    }
    return numbers;
}

// Checks the numbers of an n x n board and makes the board.
Parsed Build(int n, const std::vector<int>& numbers)
{
    if (!PlayedSize(n))
        return {std::nullopt, Refusal::WrongSize};
    const auto cells = static_cast<std::size_t>(n) * static_cast<std::size_t>(n);
    if (numbers.size() != cells)
        return {std::nullopt, Refusal::WrongCount};
    std::vector<bool> seen(cells, false);
    for (const int number : numbers) {
        if (number < 0 || static_cast<std::size_t>(number) >= cells || seen[static_cast<std::size_t>(number)])
            return {std::nullopt, Refusal::WrongNumbers};
        seen[static_cast<std::size_t>(number)] = true;
    }
    Board board;
    board.SetGridSize(n);
    for (int i = 0; i < n * n; ++i) {
        const int number = numbers[static_cast<std::size_t>(i)];
        board.SetCell(i / n, i % n, number == 0 ? n * n : number);
    }
    if (!Solvable(board))
        return {std::nullopt, Refusal::Unsolvable};
    return {board, Refusal::NotABoard};
}

// "NxN:a,b,...": the size before the colon, every cell after it.
Parsed ParseSized(std::string_view text, std::size_t colon)
{
    const std::string_view size = Trim(text.substr(0, colon));
    const std::size_t x = size.find_first_of("xX");
    if (x == std::string_view::npos)
        return {};
    const auto width = ReadNumber(Trim(size.substr(0, x)));
    const auto height = ReadNumber(Trim(size.substr(x + 1)));
    if (!width || !height)
        return {};
    const auto numbers = ReadRow(text.substr(colon + 1));
    if (!numbers || numbers->empty())
        return {};
    if (*width != *height)
        return {std::nullopt, Refusal::WrongSize};
    return Build(*width, *numbers);
}

// Rows of numbers: as many rows as numbers in each.
Parsed ParseRows(std::string_view text)
{
    std::vector<std::vector<int>> rows;
    std::size_t count = 0;
    for (const std::string_view piece : Split(text, "/\n")) {
        const auto row = ReadRow(piece);
        if (!row)
            return {};
        count += row->size();
        rows.push_back(*row);
    }
    if (count == 0)
        return {};
    // One row alone is every cell in reading order, as a list of numbers is often pasted.
    if (rows.size() == 1) {
        std::size_t n = 1;
        while ((n + 1) * (n + 1) <= count)
            ++n;
        if (n * n != count)
            return {std::nullopt, Refusal::WrongCount};
        return Build(static_cast<int>(n), rows.front());
    }
    const auto n = rows.size();
    // Every row as long as there are rows: a square, of a size played here or not.
    if (!std::all_of(rows.begin(), rows.end(), [n](const auto& row) { return row.size() == n; }))
        return {std::nullopt, Refusal::WrongCount};
    std::vector<int> numbers;
    for (const auto& row : rows)
        numbers.insert(numbers.end(), row.begin(), row.end());
    return Build(static_cast<int>(n), numbers);
}

}  // namespace

std::string Format(const Board& board)
{
    const int n = board.GridSize();
    std::string text;
    for (int r = 0; r < n; ++r) {
        if (r > 0)
            text += '/';
        for (int c = 0; c < n; ++c) {
            if (c > 0)
                text += ' ';
            const int tile = board.Cell(r, c);
            text += std::to_string(tile == board.BlankTile() ? 0 : tile);
        }
    }
    return text;
}

Parsed Parse(std::string_view text)
{
    if (text.size() > kMaxLength)
        return {};
    text = Trim(text);
    const std::size_t colon = text.find(':');
    return colon == std::string_view::npos ? ParseRows(text) : ParseSized(text, colon);
}

bool Solvable(const Board& board)
{
    const int n = board.GridSize();
    std::vector<int> tiles;
    tiles.reserve(static_cast<std::size_t>(n * n));
    int distance = 0;
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            if (board.Cell(r, c) < 1 || board.Cell(r, c) > n * n)
                return false;
            tiles.push_back(board.Cell(r, c));
            if (board.Cell(r, c) == board.BlankTile())
                distance = (n - 1 - r) + (n - 1 - c);
        }
    }
    // The parity of a permutation is that of n*n less its number of cycles.
    std::vector<bool> visited(tiles.size(), false);
    int cycles = 0;
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        if (visited[i])
            continue;
        ++cycles;
        for (std::size_t j = i; !visited[j]; j = static_cast<std::size_t>(tiles[j] - 1))
            visited[j] = true;
    }
    const int swaps = n * n - cycles;
    return swaps % 2 == distance % 2;
}

}  // namespace tilora::deal_text
