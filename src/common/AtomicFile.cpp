// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/AtomicFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <iterator>
#include <system_error>
#include <thread>
#include <vector>

#include "common/ReadOnlyFile.h"

namespace tilora {
namespace fs = std::filesystem;

namespace {

// Owns a file descriptor; closes it unless released.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return m_fd; }
    bool Close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

fs::path ResolveLink(const fs::path& target)
{
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec)
            return resolved;
    }
    return target;
}

mode_t PermissionsFor(const fs::path& target)
{
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

bool WriteFileAtomically(const fs::path& requested, std::string_view content)
{
    const fs::path target = ResolveLink(requested);
    fs::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";

    // Built piece by piece: GCC 12 warns wrongly about "literal" + std::string here.
    std::string leaf = ".";
    leaf += target.filename().string();
    leaf += ".XXXXXX";
    const std::string pattern = (folder / leaf).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    Descriptor fd(::mkstemp(name.data()));
    if (fd.Get() < 0)
        return false;
    const fs::path temporary(name.data());

    const bool written = WriteAll(fd.Get(), content) && ::fchmod(fd.Get(), PermissionsFor(target)) == 0
        && ::fsync(fd.Get()) == 0;
    const bool closed = fd.Close();
    if (!written || !closed || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

bool ReadWholeFile(const fs::path& file, std::string& content)
{
    content.clear();
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

FileLock::FileLock(const fs::path& target, const std::stop_token& stop)
{
    const fs::path lockFile = ResolveLink(target).string() + ".lock";
    // Never waits at the open, and only a regular file serves: a FIFO or a device put in
    // the lock file's place leaves the holder unlocked instead of holding it up.
    m_fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (m_fd < 0)
        return;
    if (!IsRegularFile(m_fd)) {
        ::close(m_fd);
        m_fd = -1;
        return;
    }
    const int wait = stop.stop_possible() ? LOCK_EX | LOCK_NB : LOCK_EX;
    while (::flock(m_fd, wait) != 0) {
        const bool held = errno == EWOULDBLOCK && !stop.stop_requested();
        if (errno != EINTR && !held) {
            ::close(m_fd);
            m_fd = -1;
            return;
        }
        if (held)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

FileLock::~FileLock()
{
    if (m_fd >= 0)
        ::close(m_fd);  // closing releases the lock
}

}  // namespace tilora
