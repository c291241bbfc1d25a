// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/record/RecordFile.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <optional>
#include <system_error>

#include "app/record/GameTrace.h"
#include "common/AtomicFile.h"
#include "common/ReadOnlyFile.h"
#include "common/UserFolders.h"

namespace tilora::record_file {
namespace {

namespace fs = std::filesystem;

// The version its first line names; 0 when that line cannot be read as a record's.
int FileVersion(const fs::path& file)
{
    const OpenedFile opened = OpenRegularFile(file);
    if (opened.status != OpenStatus::Opened)
        return 0;
    char head[64];
    const ssize_t n = ::pread(opened.fd.Get(), head, sizeof head, 0);
    std::string_view line(head, n > 0 ? static_cast<std::size_t>(n) : 0);
    return HeaderVersion(line.substr(0, line.find('\n')));
}

// Adds the moves on a line of their own at the end of the moves file, under its own lock;
// returns where they begin.
std::optional<std::uint64_t> AppendMoves(const fs::path& file, std::string_view moves)
{
    const FileLock lock(file);
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0644);
    if (fd < 0)
        return std::nullopt;
    const off_t at = IsRegularFile(fd) ? ::lseek(fd, 0, SEEK_END) : -1;
    std::string line(moves);
    line += '\n';
    std::size_t written = 0;
    bool ok = at >= 0;
    while (ok && written < line.size()) {
        const ssize_t n = ::write(fd, line.data() + written, line.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        written += ok ? static_cast<std::size_t>(n) : 0;
    }
    ok = ok && ::fdatasync(fd) == 0;
    if (!ok && at >= 0)
        (void)!::ftruncate(fd, at);
    ::close(fd);
    return ok ? std::optional<std::uint64_t>(static_cast<std::uint64_t>(at)) : std::nullopt;
}

// A copy of the whole file, written in one step.
bool CopyFile(const fs::path& from, const fs::path& to)
{
    const WholeFile whole = ReadWholeRegularFile(from, kSizeLimit);
    return whole.status == WholeFile::Status::Read && WriteFileAtomically(to, whole.bytes);
}

std::string Why(int error)
{
    return std::generic_category().message(error);
}

// Where the whole lines of the open file end: a torn last line (no line end, left by a
// crash) is no game. -1 when that cannot be read.
off_t WholeLinesEnd(int fd, off_t size)
{
    char tail[4096];
    const off_t from = size > static_cast<off_t>(sizeof tail) ? size - static_cast<off_t>(sizeof tail) : 0;
    const ssize_t n = ::pread(fd, tail, static_cast<std::size_t>(size - from), from);
    if (n != size - from)
        return -1;
    for (ssize_t i = n; i > 0; --i)
        if (tail[i - 1] == '\n')
            return from + i;
    return -1;
}

// The line goes after the whole lines of the file as it is now, so that games another
// running copy added stay; a failed write is cut off again.
std::string AppendToFile(const fs::path& file, std::string_view line)
{
    const FileLock lock(file);
    // Never waits at the open: a FIFO put in the record's place is refused, not written.
    const int fd = ::open(file.c_str(), O_RDWR | O_APPEND | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return Why(errno);
    if (!IsRegularFile(fd)) {
        ::close(fd);
        return Why(EINVAL);
    }
    std::string error;
    const off_t size = ::lseek(fd, 0, SEEK_END);
    const off_t whole = size > 0 ? WholeLinesEnd(fd, size) : -1;
    if (whole < 0)
        error = Why(size < 0 ? errno : EILSEQ);
    else if (whole != size && ::ftruncate(fd, whole) != 0)
        error = Why(errno);
    std::size_t written = 0;
    while (error.empty() && written < line.size()) {
        const ssize_t n = ::write(fd, line.data() + written, line.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            error = Why(n < 0 ? errno : ENOSPC);
        else
            written += static_cast<std::size_t>(n);
    }
    if (error.empty() && ::fdatasync(fd) != 0)
        error = Why(errno);
    if (!error.empty() && written > 0)
        (void)!::ftruncate(fd, whole);
    if (::close(fd) != 0 && error.empty())
        error = Why(errno);
    return error;
}

}  // namespace

Contents Read(const fs::path& file)
{
    const WholeFile whole = ReadWholeRegularFile(file, kSizeLimit);
    Contents contents;
    switch (whole.status) {
    case WholeFile::Status::Read:
        return Parse(whole.bytes);
    case WholeFile::Status::Missing:
        // No file there, nor a folder for one: a record not yet begun.
        return contents;
    case WholeFile::Status::NotAFile:
        contents.error = Why(EINVAL);
        break;
    case WholeFile::Status::TooLarge:
    case WholeFile::Status::CannotRead:
        contents.error = Why(whole.error != 0 ? whole.error : EIO);
        break;
    }
    contents.state = State::Unreadable;
    return contents;
}

std::string Append(const fs::path& file, const KeptGame& kept)
{
    KeptGame game = kept;
    // The moves first: a crash between the two writes leaves moves that no game names,
    // never a game whose moves are missing.
    if (!game.played.empty() && game.movesLength == 0) {
        std::error_code made;
        fs::create_directories(file.parent_path(), made);
        const auto at = AppendMoves(MovesPath(file), game.played);
        if (!at)
            return Why(errno != 0 ? errno : EIO);
        game.movesAt = *at;
        game.movesLength = static_cast<std::uint32_t>(game.played.size());
    }
    const std::string line = FormatLine(game);
    std::error_code ec;
    if (fs::file_size(file, ec) > 0 && !ec) {
        // A file of an older version takes no line of this one: it is converted whole.
        if (const int version = FileVersion(file); version > 0 && version < kVersion)
            return Rewrite(file, [&game](std::vector<KeptGame>& games) { games.push_back(game); });
        return AppendToFile(file, line);
    }
    fs::create_directories(file.parent_path(), ec);
    errno = 0;
    if (!WriteFileAtomically(file, Header() + line))
        return ec ? ec.message() : Why(errno != 0 ? errno : EIO);
    return {};
}

std::string Rewrite(const fs::path& file, const std::function<void(std::vector<KeptGame>&)>& change)
{
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    const FileLock lock(file);
    Contents contents = Read(file);
    switch (contents.state) {
    case State::Missing:
    case State::Fine:
        break;
    case State::Unreadable:
        return contents.error;
    case State::Newer:
        return "written by a newer version";
    case State::Damaged:
        // Set aside at the start; one that turned bad since is left for the next start.
        return "not a game record";
    }
    // The older version's text is kept beside the new once, as it was.
    if (contents.state == State::Fine && contents.version < kVersion) {
        const fs::path old = OldVersionPath(file, contents.version);
        if (!fs::exists(fs::symlink_status(old, ec)) && !CopyFile(file, old))
            return "could not keep the older record as " + old.filename().string();
    }
    change(contents.games);
    if (!WriteFileAtomically(file, Format(contents.games, contents.unread)))
        return Why(errno != 0 ? errno : EIO);
    return {};
}

fs::path SetAside(const fs::path& file)
{
    for (int n = 1; n < 100; ++n) {
        fs::path aside = file;
        aside += n == 1 ? std::string(".damaged") : ".damaged-" + std::to_string(n);
        // Never over a record set aside before: the move fails where the name is taken.
        if (::renameat2(AT_FDCWD, file.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0)
            return aside;
        if (errno == EEXIST)
            continue;
        if (errno != EINVAL && errno != ENOSYS)
            return {};
        // A file system that cannot refuse to replace: the name is looked at first.
        std::error_code ec;
        if (fs::exists(fs::symlink_status(aside, ec)))
            continue;
        fs::rename(file, aside, ec);
        return ec ? fs::path() : aside;
    }
    return {};
}

fs::path MovesPath(const fs::path& file)
{
    fs::path moves = file;
    moves += ".moves";
    return moves;
}

void ReadPlayed(const fs::path& file, std::vector<KeptGame>& games)
{
    const bool wanted = std::any_of(games.begin(), games.end(), [](const KeptGame& g) { return g.played.empty() && g.movesLength > 0; });
    if (!wanted)
        return;
    const OpenedFile opened = OpenRegularFile(MovesPath(file));
    if (opened.status != OpenStatus::Opened)
        return;
    for (KeptGame& game : games) {
        if (!game.played.empty() || game.movesLength == 0 || game.movesAt + game.movesLength > opened.size)
            continue;
        std::string moves(game.movesLength, '\0');
        const ssize_t n = ::pread(opened.fd.Get(), moves.data(), moves.size(), static_cast<off_t>(game.movesAt));
        if (n == static_cast<ssize_t>(moves.size()) && game_trace::IsTraceText(moves))
            game.played = std::move(moves);
    }
}

fs::path OldVersionPath(const fs::path& file, int version)
{
    fs::path old = file;
    // In two steps: "." + to_string(...) trips a false -Wrestrict of GCC 12.
    old += '.';
    old += std::to_string(version);
    return old;
}

fs::path DefaultPath()
{
    const fs::path data = UserFolder("XDG_DATA_HOME", fs::path(".local") / "share");
    return data.empty() ? data : data / "tilora" / "games";
}

}  // namespace tilora::record_file