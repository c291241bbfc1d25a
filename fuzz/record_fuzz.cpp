// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the record file's reader: every whole line of a record is either a game
// or a line kept as it is, and writing what was read gives a file that reads back the
// same games and the same kept lines, in the same places.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/record/RecordFile.h"

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tilora;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const record_file::Contents read = record_file::Parse(text);
    if (read.state != record_file::State::Fine)
        return 0;

    // The version line, then the whole lines; a torn last line is none.
    const std::size_t lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) - 1;
    Check(read.games.size() + read.unread.size() == lines);
    for (const record_file::UnreadLine& line : read.unread)
        Check(line.gamesBefore <= read.games.size() && line.text.find('\n') == std::string::npos);

    const std::string written = record_file::Format(read.games, read.unread);
    const record_file::Contents again = record_file::Parse(written);
    Check(again.state == record_file::State::Fine);
    Check(again.games == read.games);
    Check(again.unread == read.unread);
    Check(record_file::Format(again.games, again.unread) == written);
    return 0;
}
