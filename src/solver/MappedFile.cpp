// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/MappedFile.h"

#include <cerrno>
#include <cstring>

#include <sys/mman.h>

namespace tilora::solver {

std::unique_ptr<const MappedFile> MappedFile::Map(int fd, std::size_t size, std::string& why)
{
    if (size == 0) {
        why = "empty";
        return nullptr;
    }
    // Populated at once: every page is read for the checksum right after.
    void* const data = ::mmap(nullptr, size, PROT_READ, MAP_SHARED | MAP_POPULATE, fd, 0);
    if (data == MAP_FAILED) {
        why = std::strerror(errno);
        return nullptr;
    }
    return std::make_unique<const MappedFile>(Key{}, static_cast<const unsigned char*>(data), size);
}

MappedFile::~MappedFile()
{
    ::munmap(const_cast<unsigned char*>(m_data), m_size);
}

}  // namespace tilora::solver
