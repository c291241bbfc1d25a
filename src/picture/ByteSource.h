// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

namespace tilora {

// Bytes taken front to back, as the bitmap reader consumes a file. A read returns fewer
// bytes than asked only at the end of the data; after that every read returns none.
class ByteSource {
public:
    virtual ~ByteSource() = default;

    // Copies up to out.size() next bytes into `out`; returns how many were copied. The
    // bytes of `out` past that count are left as they were.
    virtual std::size_t Read(std::span<std::uint8_t> out) = 0;

    // Passes over up to `count` bytes; returns how many there were.
    virtual std::uint64_t Skip(std::uint64_t count);
};

// The bytes of a block of memory, which must outlive the source.
class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}
    std::size_t Read(std::span<std::uint8_t> out) override;
    std::uint64_t Skip(std::uint64_t count) override;

private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_position = 0;
};

// A file opened for sequential reading through a buffer of its own, so that the many
// small reads of the headers cost no system call each, while a long read (the pixel rows)
// goes straight into the caller's memory. Only a regular file opens: a FIFO, a device or a
// folder leaves the source closed, as a file that cannot be opened does.
class FileSource final : public ByteSource {
public:
    explicit FileSource(const std::filesystem::path& path);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    bool IsOpen() const { return m_fd >= 0; }
    std::size_t Read(std::span<std::uint8_t> out) override;

private:
    // Reads from the file until `out` is full or the file ends; a read error counts as the end.
    std::size_t ReadFromFile(std::span<std::uint8_t> out);

    static constexpr std::size_t kBufferSize = 64 * 1024;
    int m_fd = -1;
    bool m_ended = false;
    std::array<std::uint8_t, kBufferSize> m_buffer{};
    std::size_t m_begin = 0;  // the unread bytes of the buffer are [m_begin, m_end)
    std::size_t m_end = 0;
};

}  // namespace tilora
