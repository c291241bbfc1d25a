// SPDX-License-Identifier: GPL-3.0-or-later
#include "savegame/SavedGameFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <optional>
#include <span>

#include "common/AtomicFile.h"

namespace tilora {
namespace {

// Reads up to `buffer.size()` bytes from the start of a regular file. A FIFO or a device
// is refused rather than read, so that opening one can neither block nor run on forever.
std::optional<std::size_t> ReadHead(const std::filesystem::path& file, std::span<char> buffer)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    std::optional<std::size_t> total;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        total = 0;
        while (*total < buffer.size()) {
            const ssize_t got = ::read(fd, buffer.data() + *total, buffer.size() - *total);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                total.reset();
                break;
            }
            if (got == 0)
                break;
            *total += static_cast<std::size_t>(got);
        }
    }
    ::close(fd);
    return total;
}

}  // namespace

bool WriteSavedGame(const std::filesystem::path& file, const Board& board, int seconds)
{
    return WriteFileAtomically(file, EncodeSavedGame(board, seconds));
}

ReadResult ReadSavedGame(const std::filesystem::path& file)
{
    std::array<char, savegame::kLargestFileSize> buffer{};
    const auto size = ReadHead(file, buffer);
    if (!size)
        return {ReadStatus::CannotOpen, {}};
    DecodeResult decoded = DecodeSavedGame(std::string_view(buffer.data(), *size));
    if (!decoded.game)
        return {ReadStatus::Invalid, {}};
    return {ReadStatus::Loaded, std::move(*decoded.game)};
}

}  // namespace tilora
