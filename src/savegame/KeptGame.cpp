// SPDX-License-Identifier: GPL-3.0-or-later
#include "savegame/KeptGame.h"

#include <cstdlib>
#include <system_error>

namespace tilora {
namespace {

std::filesystem::path Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::filesystem::path(value) : std::filesystem::path();
}

}  // namespace

std::filesystem::path KeptGamePath()
{
    std::filesystem::path state = Variable("XDG_STATE_HOME");
    // The base directory specification ignores a relative path.
    if (!state.is_absolute()) {
        const std::filesystem::path home = Variable("HOME");
        if (!home.is_absolute())
            return {};
        state = home / ".local" / "state";
    }
    return state / "tilora" / "interrupted.tlr";
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

void ForgetKeptGame(const std::filesystem::path& file)
{
    std::error_code error;
    if (!file.empty())
        std::filesystem::remove(file, error);
}

}  // namespace tilora
