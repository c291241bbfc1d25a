// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <stop_token>
#include <string>
#include <string_view>

namespace tilora {

// Replaces `target` with `content` in one step: the bytes go to a temporary file in the
// same folder, which is flushed to disk and renamed over the target. A failure at any
// point (full disk, no permission, a crash) leaves the previous file as it was and no
// temporary file behind. An existing file keeps its permissions; a link is followed, so
// the file it points to is replaced and the link stays. Returns false on failure.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view content);

// Reads a whole file. Returns false when it cannot be opened or read; a missing file
// leaves `content` empty.
bool ReadWholeFile(const std::filesystem::path& file, std::string& content);

// An advisory lock held for the object's lifetime on a companion file "<target>.lock",
// so that two running copies of the program take turns at a read-modify-write of the
// same file. The lock file itself is never renamed, unlike the target. If the lock
// cannot be taken (a read-only folder) the holder goes on unlocked: the write that
// follows fails on its own and reports it. With a stop that can be requested, the wait
// for another holder goes in short steps and gives up, unlocked, once it is requested.
class FileLock {
public:
    explicit FileLock(const std::filesystem::path& target, const std::stop_token& stop = {});
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Locked() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

}  // namespace tilora
