// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ReadOnlyFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace tilora {

void UniqueFd::Reset()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool IsRegularFile(int fd)
{
    struct stat st {};
    return ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
}

OpenedFile OpenRegularFile(const std::filesystem::path& file)
{
    OpenedFile opened;
    UniqueFd fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd.IsOpen()) {
        opened.error = errno;
        // A folder opens read-only on Linux; other systems may say EISDIR instead.
        opened.status = errno == ENOENT || errno == ENOTDIR ? OpenStatus::Missing
            : errno == EISDIR || errno == ENXIO             ? OpenStatus::NotAFile
                                                            : OpenStatus::CannotOpen;
        return opened;
    }
    struct stat status {};
    if (::fstat(fd.Get(), &status) != 0) {
        opened.error = errno;
        return opened;
    }
    if (!S_ISREG(status.st_mode)) {
        opened.status = OpenStatus::NotAFile;
        return opened;
    }
    // Reads of a regular file never wait long, but clear the flag so they act as usual.
    const int flags = ::fcntl(fd.Get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
        opened.error = errno;
        return opened;
    }
    opened.size = static_cast<std::uint64_t>(status.st_size);
    opened.status = OpenStatus::Opened;
    opened.fd = std::move(fd);
    return opened;
}

bool ReadAtMost(int fd, std::size_t limit, std::string& content)
{
    content.clear();
    constexpr std::size_t kChunk = 64 * 1024;
    while (content.size() < limit) {
        const std::size_t old = content.size();
        const std::size_t want = std::min(kChunk, limit - old);
        content.resize(old + want);
        const ssize_t got = ::read(fd, content.data() + old, want);
        if (got < 0 && errno == EINTR) {
            content.resize(old);
            continue;
        }
        content.resize(old + static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
        if (got < 0)
            return false;
        if (got == 0)
            break;
    }
    return true;
}

WholeFile ReadWholeRegularFile(const std::filesystem::path& file, std::uint64_t limit)
{
    WholeFile whole;
    const OpenedFile opened = OpenRegularFile(file);
    whole.size = opened.size;
    whole.error = opened.error;
    switch (opened.status) {
    case OpenStatus::Opened:
        break;
    case OpenStatus::Missing:
        whole.status = WholeFile::Status::Missing;
        return whole;
    case OpenStatus::NotAFile:
        whole.status = WholeFile::Status::NotAFile;
        return whole;
    case OpenStatus::CannotOpen:
        whole.status = WholeFile::Status::CannotRead;
        return whole;
    }
    if (opened.size > limit) {
        whole.status = WholeFile::Status::TooLarge;
        whole.error = EFBIG;
        return whole;
    }
    // One byte more than the limit tells a file that grew past it meanwhile.
    const std::size_t most = limit < SIZE_MAX ? static_cast<std::size_t>(limit) + 1 : SIZE_MAX;
    whole.bytes.reserve(static_cast<std::size_t>(opened.size) + 1);
    if (!ReadAtMost(opened.fd.Get(), most, whole.bytes)) {
        whole.error = errno;
        whole.bytes.clear();
        return whole;
    }
    whole.size = whole.bytes.size();
    if (whole.bytes.size() > limit) {
        whole.bytes = std::string();
        whole.status = WholeFile::Status::TooLarge;
        whole.error = EFBIG;
        return whole;
    }
    whole.status = WholeFile::Status::Read;
    return whole;
}

}  // namespace tilora
