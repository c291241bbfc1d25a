// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tilora::test {

// Things that sit where a file is expected but are no regular file: opening or reading
// any of them as a file would block for good (a FIFO with no writer) or never end (the
// endless device behind a link).
struct RefusedFile {
    std::string what;
    std::filesystem::path path;
};

// Makes a FIFO, a folder and a link to /dev/zero in `dir`, named after `stem`.
inline std::vector<RefusedFile> MakeRefusedFiles(const std::filesystem::path& dir, const std::string& stem)
{
    std::vector<RefusedFile> files{{"a FIFO", dir / (stem + "-pipe")},
                                   {"a folder", dir / (stem + "-folder")},
                                   {"a link to /dev/zero", dir / (stem + "-zero")}};
    EXPECT_EQ(::mkfifo(files[0].path.c_str(), 0600), 0);
    std::filesystem::create_directory(files[1].path);
    std::filesystem::create_symlink("/dev/zero", files[2].path);
    return files;
}

}  // namespace tilora::test
