// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/MappedFile.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tilora::solver {

std::unique_ptr<const MappedFile> MappedFile::Open(const std::filesystem::path& file, std::string& why)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        why = std::strerror(errno);
        return nullptr;
    }
    struct stat status {};
    void* data = MAP_FAILED;
    if (::fstat(fd, &status) != 0) {
        why = std::strerror(errno);
    } else if (!S_ISREG(status.st_mode) || status.st_size <= 0) {
        why = "not a regular file with contents";
    } else {
        // Populated at once: every page is read for the checksum right after.
        data = ::mmap(nullptr, static_cast<std::size_t>(status.st_size), PROT_READ, MAP_SHARED | MAP_POPULATE, fd, 0);
        if (data == MAP_FAILED)
            why = std::strerror(errno);
    }
    ::close(fd);  // the mapping keeps the file
    if (data == MAP_FAILED)
        return nullptr;
    return std::make_unique<const MappedFile>(Key{}, static_cast<const unsigned char*>(data),
                                              static_cast<std::size_t>(status.st_size));
}

MappedFile::~MappedFile()
{
    ::munmap(const_cast<unsigned char*>(m_data), m_size);
}

}  // namespace tilora::solver
