// SPDX-License-Identifier: GPL-3.0-or-later
#include "savegame/KeptGame.h"

#include <system_error>

#include "common/ReadOnlyFile.h"
#include "common/UserFolders.h"

namespace tilora {

std::filesystem::path KeptGamePath()
{
    const std::filesystem::path state = UserFolder("XDG_STATE_HOME", std::filesystem::path(".local") / "state");
    return state.empty() ? state : state / "tilora" / "interrupted.tlr";
}

bool KeepGame(const std::filesystem::path& file, const Board& board, int seconds)
{
    if (file.empty())
        return false;
    std::error_code error;
    const std::filesystem::path folder = file.parent_path();
    if (std::filesystem::create_directories(folder, error))
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all, error);
    return WriteSavedGame(file, board, seconds);
}

KeptGameRead ReadKeptGame(const std::filesystem::path& file)
{
    KeptGameRead read;
    if (file.empty())
        return read;
    // The program writes exactly one saved game there: anything larger is not its own.
    WholeFile whole = ReadWholeRegularFile(file, savegame::kLargestFileSize);
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
