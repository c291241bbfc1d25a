// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/ByteSource.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "common/ReadOnlyFile.h"

namespace tilora {

std::uint64_t ByteSource::Skip(std::uint64_t count)
{
    std::array<std::uint8_t, 4096> scratch{};
    std::uint64_t skipped = 0;
    while (skipped < count) {
        const std::size_t chunk = static_cast<std::size_t>(std::min<std::uint64_t>(count - skipped, scratch.size()));
        const std::size_t got = Read(std::span(scratch).first(chunk));
        skipped += got;
        if (got < chunk)
            break;
    }
    return skipped;
}

std::size_t MemorySource::Read(std::span<std::uint8_t> out)
{
    const std::size_t n = std::min(out.size(), m_bytes.size() - m_position);
    if (n > 0)
        std::memcpy(out.data(), m_bytes.data() + m_position, n);
    m_position += n;
    return n;
}

std::uint64_t MemorySource::Skip(std::uint64_t count)
{
    const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(count, m_bytes.size() - m_position));
    m_position += n;
    return n;
}

FileSource::FileSource(const std::filesystem::path& path) : m_fd(OpenRegularFile(path).fd.Release())
{
    if (m_fd >= 0)
        ::posix_fadvise(m_fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    else
        m_ended = true;
}

FileSource::~FileSource()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

std::size_t FileSource::Read(std::span<std::uint8_t> out)
{
    std::size_t done = 0;
    while (done < out.size()) {
        if (m_begin < m_end) {
            const std::size_t n = std::min(out.size() - done, m_end - m_begin);
            std::memcpy(out.data() + done, m_buffer.data() + m_begin, n);
            m_begin += n;
            done += n;
            continue;
        }
        if (m_ended)
            break;
        const std::span<std::uint8_t> rest = out.subspan(done);
        if (rest.size() >= kBufferSize) {
            // A long read bypasses the buffer.
            const std::size_t got = ReadFromFile(rest);
            done += got;
            if (got < rest.size())
                break;
        } else {
            m_begin = 0;
            m_end = ReadFromFile(m_buffer);
            if (m_end == 0)
                break;
        }
    }
    return done;
}

std::size_t FileSource::ReadFromFile(std::span<std::uint8_t> out)
{
    std::size_t done = 0;
    while (!m_ended && done < out.size()) {
        const ssize_t got = ::read(m_fd, out.data() + done, out.size() - done);
        if (got > 0)
            done += static_cast<std::size_t>(got);
        else if (got < 0 && errno == EINTR)
            continue;
        else
            m_ended = true;
    }
    return done;
}

}  // namespace tilora
