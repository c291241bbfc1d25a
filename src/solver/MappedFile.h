// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>

namespace tilora::solver {

// A whole file mapped read-only and shared: its pages stay clean, so the system shares
// them between processes and drops them under memory pressure instead of swapping them.
class MappedFile {
public:
    // The mapping, or nothing with the reason in `why` when the file cannot be opened,
    // is empty or cannot be mapped.
    static std::unique_ptr<const MappedFile> Open(const std::filesystem::path& file, std::string& why);

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
