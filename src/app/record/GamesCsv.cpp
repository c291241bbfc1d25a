// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/record/GamesCsv.h"

#include <ctime>

#include "app/record/GameTrace.h"
#include "board/DealText.h"

namespace tilora {

std::string IsoUtc(std::int64_t secondsSince1970)
{
    const std::time_t time = static_cast<std::time_t>(secondsSince1970);
    std::tm utc{};
    char text[32] = "";
    if (gmtime_r(&time, &utc) != nullptr)
        std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

std::string GamesCsv(const std::vector<KeptGame>& games)
{
    std::string csv = "finished,size,level,seconds,moves,shortest,helped,result,start,moves\n";
    csv.reserve(csv.size() + games.size() * 48);
    for (const KeptGame& game : games) {
        csv += IsoUtc(game.finished);
        for (const int number : {game.size, game.level, game.seconds, game.moves})
            csv += ',' + std::to_string(number);
        csv += ',';
        if (game.shortest != KeptGame::kUnknown)
            csv += (game.atLeast ? ">=" : "") + std::to_string(game.shortest);
        csv += game.helped ? ",1," : ",0,";
        csv += game.won ? "won," : "abandoned,";
        // The start as Paste Deal reads it, and the moves in the record's own text.
        if (const auto start = game_trace::ParseBoard(game.size, game.board))
            csv += deal_text::Format(*start);
        csv += ',';
        csv += game.played;
        csv += '\n';
    }
    return csv;
}

}  // namespace tilora
