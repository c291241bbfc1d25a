// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace tilora::solver {

// A whole file mapped read-only and shared: its pages stay clean, so the system shares
// them between processes and drops them under memory pressure instead of swapping them.
class MappedFile {
public:
    // The first `size` bytes of the open regular file `fd`, mapped; nothing, with the
    // reason in `why`, when they cannot be. The caller has checked the size and keeps
    // the descriptor: the mapping needs it no longer.
    static std::unique_ptr<const MappedFile> Map(int fd, std::size_t size, std::string& why);

    // Only Open makes one: the key is its own.
    class Key {
        friend class MappedFile;
        Key() = default;
    };
    MappedFile(Key, const unsigned char* data, std::size_t size) : m_data(data), m_size(size) {}
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    ~MappedFile();

    const unsigned char* Data() const { return m_data; }
    std::size_t Size() const { return m_size; }

private:
    const unsigned char* m_data;
    std::size_t m_size;
};

}  // namespace tilora::solver
