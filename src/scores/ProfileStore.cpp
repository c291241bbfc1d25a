// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/ProfileStore.h"

#include <cstdlib>
#include <optional>

#include "common/AtomicFile.h"
#include "common/CrtNumbers.h"
#include "scores/IniText.h"
#include "scores/ScoreKeys.h"

namespace tilora {
namespace fs = std::filesystem;

namespace {

std::optional<std::string> ReadValue(const fs::path& file, std::string_view section, std::string_view key)
{
    std::string text;
    if (!ReadWholeFile(file, text))
        return std::nullopt;
    return ini::FindValue(text, section, key);
}

}  // namespace

ProfileStore::ProfileStore(fs::path file) : m_file(std::move(file)) {}

std::string ProfileStore::GetString(std::string_view section, std::string_view key, std::string_view fallback,
                                    std::size_t bufferSize) const
{
    std::string text;
    if (!ReadWholeFile(m_file, text))
        text.clear();
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
    std::error_code ec;
    if (m_file.has_parent_path())
        fs::create_directories(m_file.parent_path(), ec);

    const FileLock lock(m_file);
    std::string text;
    if (!ReadWholeFile(m_file, text) && fs::exists(m_file, ec))
        return false;  // an unreadable file is never replaced by a few keys alone
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
