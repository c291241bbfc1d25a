// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace tilora {

// Owns a file descriptor and closes it when it goes.
class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : m_fd(fd) {}
    ~UniqueFd() { Reset(); }
    UniqueFd(UniqueFd&& other) noexcept : m_fd(other.Release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept
    {
        if (this != &other) {
            Reset();
            m_fd = other.Release();
        }
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int Get() const { return m_fd; }
    bool IsOpen() const { return m_fd >= 0; }
    int Release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    void Reset();

private:
    int m_fd = -1;
};

enum class OpenStatus {
    Opened,
    Missing,     // no such file (a dangling link included)
    NotAFile,    // a folder, a FIFO, a device or a socket, or a link to one
    CannotOpen,  // anything else: no permission, too many open files...
};

struct OpenedFile {
    OpenStatus status = OpenStatus::CannotOpen;
    UniqueFd fd;
    std::uint64_t size = 0;  // of the file opened, as it was at the open
    int error = 0;           // the system's error number when it could not be opened
};

// Opens a file that the program reads from outside. Only a regular file is accepted, and
// the kind is judged from what was opened, not from the name, so nothing can be swapped in
// between the check and the reads. The open itself never waits (a FIFO with no writer
// would otherwise hold it for good); the descriptor handed back reads normally.
OpenedFile OpenRegularFile(const std::filesystem::path& file);

// The same check for a descriptor that is already open, for example a lock file opened for
// writing: true when it is a regular file.
bool IsRegularFile(int fd);

// Reads from `fd` until its end or `limit` bytes, whichever comes first, into `content`.
// Returns false on a read error. A file longer than the limit is cut there, so nothing
// the program reads can run on without end.
bool ReadAtMost(int fd, std::size_t limit, std::string& content);

// A whole file from the player's folders, read as OpenRegularFile opens it.
struct WholeFile {
    enum class Status {
        Read,
        Missing,
        NotAFile,
        TooLarge,  // larger than the limit: not a byte of it was read
        CannotRead,
    };
    Status status = Status::CannotRead;
    std::string bytes;
    std::uint64_t size = 0;  // the file's size, also when it was too large to read
    int error = 0;           // the system's error number, for CannotRead and TooLarge
};

// Reads a whole regular file of at most `limit` bytes. The size is checked before the
// first read, so a file of any size costs no memory beyond the limit; one that grows past
// the limit while it is read is TooLarge as well.
WholeFile ReadWholeRegularFile(const std::filesystem::path& file, std::uint64_t limit);

}  // namespace tilora
