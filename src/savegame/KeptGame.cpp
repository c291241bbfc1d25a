// SPDX-License-Identifier: GPL-3.0-or-later
#include "savegame/KeptGame.h"

#include <system_error>

#include "common/AtomicFile.h"
#include "common/ReadOnlyFile.h"
#include "common/UserFolders.h"

namespace tilora {
namespace {

// Follows the seconds field of a kept game that a hint helped.
constexpr std::string_view kHelpedMark{"helped\n"};

}  // namespace

std::filesystem::path KeptGamePath()
{
    const std::filesystem::path state = UserFolder("XDG_STATE_HOME", std::filesystem::path(".local") / "state");
    return state.empty() ? state : state / "tilora" / "interrupted.tlr";
}

bool KeepGame(const std::filesystem::path& file, const Board& board, int seconds, bool helped)
{
    if (file.empty())
        return false;
    std::error_code error;
    const std::filesystem::path folder = file.parent_path();
    if (std::filesystem::create_directories(folder, error))
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all, error);
    std::string bytes = EncodeSavedGame(board, seconds);
    if (helped)
        bytes += kHelpedMark;
    return WriteFileAtomically(file, bytes);
}

bool KeptGameHelped(const std::filesystem::path& file)
{
    const OpenedFile opened = OpenRegularFile(file);
    std::string bytes;
    if (!opened.fd.IsOpen() || !ReadAtMost(opened.fd.Get(), savegame::kLargestFileSize + kHelpedMark.size(), bytes))
        return false;
    const DecodeResult decoded = DecodeSavedGame(bytes);
    if (!decoded.game)
        return false;
    return std::string_view(bytes).substr(savegame::FileSize(decoded.game->gridSize)) == kHelpedMark;
}

KeptGameRead ReadKeptGame(const std::filesystem::path& file)
{
    KeptGameRead read;
    if (file.empty())
        return read;
    // The program writes exactly one saved game there, with its helped mark: anything larger
    // is not its own.
    WholeFile whole = ReadWholeRegularFile(file, savegame::kLargestFileSize + kHelpedMark.size());
    if (whole.status == WholeFile::Status::Missing)
        return read;
    DecodeResult decoded;
    if (whole.status == WholeFile::Status::Read)
        decoded = DecodeSavedGame(whole.bytes);
    if (!decoded.game) {
        read.status = KeptGameRead::Status::Refused;
        return read;
    }
    read.status = KeptGameRead::Status::Loaded;
    read.game = std::move(*decoded.game);
    return read;
}

void ForgetKeptGame(const std::filesystem::path& file)
{
    std::error_code error;
    if (!file.empty())
        std::filesystem::remove(file, error);
}

}  // namespace tilora
