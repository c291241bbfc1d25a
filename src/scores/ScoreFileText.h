// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace tilora {

// The score file's text is read whole, but never more than this: a file that a player made
// huge, or a link to an endless file, cannot hold the program up or fill its memory.
inline constexpr std::size_t kScoreFileLimit = 1024 * 1024;

enum class ScoreFileState {
    Read,      // the text is the whole file
    Missing,   // no file yet: the text is empty
    Cut,       // longer than the limit: the text is its first kScoreFileLimit bytes
    Refused,   // a folder, a FIFO, a device, or a link to one: never read, never replaced
    Failed,    // exists but cannot be opened or read
};

// Reads the score file as UTF-8 text (see AsUtf8). `text` is empty unless the state is
// Read or Cut.
ScoreFileState ReadScoreFile(const std::filesystem::path& file, std::string& text);

// The text itself when it is valid UTF-8. Otherwise it was written in the Windows code
// page (a score file carried over from Windows, where names such as "Müller" are single
// bytes), and each byte is taken as a Windows-1252 character.
std::string AsUtf8(std::string_view text);

}  // namespace tilora
