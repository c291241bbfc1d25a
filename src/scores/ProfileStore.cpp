// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/ProfileStore.h"

#include <cstdlib>
#include <optional>

#include "common/AtomicFile.h"
#include "common/CrtNumbers.h"
#include "common/ReadOnlyFile.h"
#include "scores/IniText.h"
#include "scores/ScoreFileText.h"
#include "scores/ScoreKeys.h"

namespace tilora {
namespace fs = std::filesystem;

namespace {

std::optional<std::string> ReadValue(const fs::path& file, std::string_view section, std::string_view key)
{
    std::string text;
    ReadScoreFile(file, text);  // a file that cannot be read has no keys
    return ini::FindValue(text, section, key);
}

}  // namespace

ProfileStore::ProfileStore(fs::path file) : m_file(std::move(file)) {}

std::string ProfileStore::GetString(std::string_view section, std::string_view key, std::string_view fallback,
                                    std::size_t bufferSize) const
{
    std::string text;
    ReadScoreFile(m_file, text);  // a file that cannot be read gives the default
    return ValueIn(text, section, key, fallback, bufferSize);
}

std::string ProfileStore::ValueIn(std::string_view text, std::string_view section, std::string_view key,
                                  std::string_view fallback, std::size_t bufferSize)
{
    const std::size_t room = bufferSize > 0 ? bufferSize - 1 : 0;
    if (const auto value = ini::FindValue(text, section, key))
        return std::string(CutToCharacters(*value, room));
    while (!fallback.empty() && (fallback.back() == ' ' || fallback.back() == '\t'))
        fallback.remove_suffix(1);
    return std::string(CutToCharacters(fallback, room));
}

int ProfileStore::GetInt(std::string_view section, std::string_view key, int fallback) const
{
    const auto value = ReadValue(m_file, section, key);
    return value ? AtoI(*value) : fallback;
}

bool ProfileStore::WriteString(std::string_view section, std::string_view key, std::string_view value) const
{
    const KeyValue one{key, value};
    return WriteStrings(section, std::span(&one, 1));
}

bool ProfileStore::WriteStrings(std::string_view section, std::span<const KeyValue> values) const
{
    return Update([&](std::string_view current) {
        std::string text(current);
        for (const KeyValue& entry : values)
            text = ini::SetValue(text, section, entry.key, entry.value);
        return std::optional<std::string>(std::move(text));
    });
}

bool ProfileStore::Update(const Edit& edit) const
{
    // A FIFO, a device or a folder, or a link to one, is never replaced: the player put it
    // there on purpose (a link to /dev/null keeps no scores), and a replacement through a
    // link would land on the device itself. Checked before the lock, whose file would
    // otherwise be made next to the device.
    if (OpenRegularFile(m_file).status == OpenStatus::NotAFile)
        return false;
    std::error_code ec;
    if (m_file.has_parent_path())
        fs::create_directories(m_file.parent_path(), ec);

    const FileLock lock(m_file);
    std::string text;
    const ScoreFileState state = ReadScoreFile(m_file, text);
    // An unreadable or overlong file is never replaced by the part that was read.
    if (state != ScoreFileState::Read && state != ScoreFileState::Missing)
        return false;
    const std::optional<std::string> changed = edit(text);
    if (!changed || *changed == text)
        return true;
    return WriteFileAtomically(m_file, *changed);
}

fs::path DefaultScoreFilePath()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && *config == '/')
        return fs::path(config) / keys::kFileName;
    const char* home = std::getenv("HOME");
    return fs::path(home != nullptr ? home : ".") / ".config" / keys::kFileName;
}

std::string_view CutToCharacters(std::string_view text, std::size_t count)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
        if (!continuation && characters++ == count)
            return text.substr(0, i);
    }
    return text;
}

}  // namespace tilora
