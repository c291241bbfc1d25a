// SPDX-License-Identifier: GPL-3.0-or-later
// The record's text: its header, and one line per game, written and read back.
#include "app/record/RecordFile.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>

#include "app/record/GameTrace.h"

namespace tilora::record_file {
namespace {

constexpr std::string_view kMagic = "tilora-games ";

template <typename Number>
bool ReadNumber(std::string_view& rest, Number& value)
{
    const char* end = rest.data() + rest.size();
    const auto [at, ec] = std::from_chars(rest.data(), end, value);
    if (ec != std::errc{} || at == rest.data())
        return false;
    rest.remove_prefix(static_cast<std::size_t>(at - rest.data()));
    return true;
}

bool Comma(std::string_view& rest)
{
    if (rest.empty() || rest.front() != ',')
        return false;
    rest.remove_prefix(1);
    return true;
}

bool ReadShortest(std::string_view& rest, KeptGame& game)
{
    game.shortest = KeptGame::kUnknown;
    game.atLeast = rest.starts_with(">=");
    if (game.atLeast)
        rest.remove_prefix(2);
    else if (!rest.empty() && rest.front() == ',')
        return true;
    return ReadNumber(rest, game.shortest) && game.shortest >= 0;
}

bool ReadResult(std::string_view& rest, KeptGame& game)
{
    if (rest.empty() || (rest.front() != 'w' && rest.front() != 'a'))
        return false;
    game.won = rest.front() == 'w';
    rest.remove_prefix(1);
    game.helped = !rest.empty() && rest.front() == 'h';
    if (game.helped)
        rest.remove_prefix(1);
    game.pasted = !rest.empty() && rest.front() == 'p';
    if (game.pasted)
        rest.remove_prefix(1);
    return true;
}

// A field of the game's trace, up to the next comma or the line's end.
bool ReadTrace(std::string_view& rest, std::string& field)
{
    const std::size_t end = std::min(rest.find(','), rest.size());
    const std::string_view text = rest.substr(0, end);
    if (!game_trace::IsTraceText(text))
        return false;
    field.assign(text);
    rest.remove_prefix(end);
    return true;
}

// The start field, empty or 16 hexadecimal digits, then the board and the moves; what
// follows is left to the caller.
bool ReadWhole(std::string_view& rest, KeptGame& game)
{
    game.start = 0;
    if (!Comma(rest))
        return false;
    if (!rest.empty() && rest.front() != ',') {
        const char* end = rest.data() + std::min<std::size_t>(rest.size(), 16);
        const auto [at, ec] = std::from_chars(rest.data(), end, game.start, 16);
        if (ec != std::errc{} || at != rest.data() + 16)
            return false;
        rest.remove_prefix(16);
    }
    if (!Comma(rest) || !ReadTrace(rest, game.board) || !Comma(rest))
        return false;
    game.movesAt = 0;
    game.movesLength = 0;
    if (!rest.empty() && rest.front() != ',') {
        if (!ReadNumber(rest, game.movesAt) || rest.empty() || rest.front() != '+')
            return false;
        rest.remove_prefix(1);
        if (!ReadNumber(rest, game.movesLength))
            return false;
    }
    return rest.empty() || rest.front() == ',';
}

// Version 1's optional start board.
bool ReadStart(std::string_view& rest, KeptGame& game)
{
    game.start = 0;
    if (rest.empty())
        return true;
    if (!Comma(rest))
        return false;
    const char* end = rest.data() + std::min<std::size_t>(rest.size(), 16);
    const auto [at, ec] = std::from_chars(rest.data(), end, game.start, 16);
    if (ec != std::errc{} || at != rest.data() + 16)
        return false;
    rest.remove_prefix(16);
    return true;
}

}  // namespace

int HeaderVersion(std::string_view line)
{
    int version = 0;
    if (!line.starts_with(kMagic))
        return 0;
    line.remove_prefix(kMagic.size());
    return ReadNumber(line, version) && line.empty() && version >= 1 ? version : 0;
}

std::string Header()
{
    return std::string(kMagic) + std::to_string(kVersion) + '\n';
}

void AppendLine(std::string& out, const KeptGame& game)
{
    const auto number = [&out](auto value, int base = 10, std::size_t width = 0) {
        char digits[24];
        const std::size_t count = static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, value, base).ptr - digits);
        out.append(width > count ? width - count : 0, '0');
        out.append(digits, count);
    };
    number(game.finished);
    for (const int value : {game.size, game.level, game.seconds, game.moves}) {
        out += ',';
        number(value);
    }
    out += ',';
    if (game.shortest != KeptGame::kUnknown) {
        if (game.atLeast)
            out += ">=";
        number(game.shortest);
    }
    out += game.won ? ",w" : ",a";
    if (game.helped)
        out += 'h';
    if (game.pasted)
        out += 'p';
    out += ',';
    // Always 16 digits, so that a line is read back the same whatever its board.
    if (game.start != 0)
        number(game.start, 16, 16);
    out += ',';
    out += game.board;
    out += ',';
    if (game.movesLength > 0) {
        number(game.movesAt);
        out += '+';
        number(game.movesLength);
    }
    out += '\n';
}

std::string FormatLine(const KeptGame& game)
{
    std::string line;
    AppendLine(line, game);
    return line;
}

bool ParseLine(std::string_view rest, KeptGame& game, int version, bool laterFields)
{
    game.board.clear();
    game.played.clear();
    game.movesAt = 0;
    game.movesLength = 0;
    return ReadNumber(rest, game.finished) && Comma(rest) && ReadNumber(rest, game.size) && game.size > 0 &&
           Comma(rest) && ReadNumber(rest, game.level) && Comma(rest) && ReadNumber(rest, game.seconds) &&
           Comma(rest) && ReadNumber(rest, game.moves) && game.moves >= 0 && Comma(rest) &&
           ReadShortest(rest, game) && Comma(rest) && ReadResult(rest, game) &&
           (version == 1 ? ReadStart(rest, game) : ReadWhole(rest, game)) && (rest.empty() || laterFields);
}

Contents Parse(std::string_view text)
{
    Contents contents;
    if (text.empty())
        return contents;
    const std::size_t headerEnd = text.find('\n');
    const int version = headerEnd == std::string_view::npos ? 0 : HeaderVersion(text.substr(0, headerEnd));
    if (version == 0) {
        contents.state = State::Damaged;
        return contents;
    }
    contents.state = version > kVersion ? State::Newer : State::Fine;
    contents.version = version;
    contents.games.reserve(text.size() / 30);
    std::size_t at = headerEnd + 1;
    while (at < text.size()) {
        const std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            break;  // torn by a crash while it was appended: no game
        const std::string_view line = text.substr(at, end - at);
        KeptGame game;
        if (ParseLine(line, game, version, contents.state == State::Newer))
            contents.games.push_back(game);
        else
            contents.unread.push_back({contents.games.size(), std::string(line)});
        at = end + 1;
    }
    return contents;
}

std::string Format(const std::vector<KeptGame>& games, const std::vector<UnreadLine>& unread)
{
    std::string text = Header();
    text.reserve(text.size() + games.size() * 32);
    auto next = unread.begin();
    const auto unreadUpTo = [&](std::size_t gamesBefore) {
        for (; next != unread.end() && next->gamesBefore <= gamesBefore; ++next) {
            text += next->text;
            text += '\n';
        }
    };
    for (std::size_t i = 0; i < games.size(); ++i) {
        unreadUpTo(i);
        AppendLine(text, games[i]);
    }
    // Those after the last game, and those whose games are gone (a reset).
    unreadUpTo(SIZE_MAX);
    return text;
}

}  // namespace tilora::record_file
