// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tilora {

// The program's settings store: an INI file read and written with the semantics of the
// classic private-profile functions. Nothing is cached; every call reads the file as it
// is at that moment, so a change made by one dialog is seen by the next access.
class ProfileStore {
public:
    // Room for a value read as text, terminator included: at most 9 characters come back.
    static constexpr std::size_t kValueBufferSize = 10;

    explicit ProfileStore(std::filesystem::path file);

    const std::filesystem::path& Path() const { return m_file; }

    // The stored text of the key, cut to bufferSize - 1 characters (never inside a UTF-8
    // character). The default, with its trailing blanks removed and cut the same way, when
    // the file, the section or the key is missing or the file cannot be read.
    std::string GetString(std::string_view section, std::string_view key, std::string_view fallback,
                          std::size_t bufferSize = kValueBufferSize) const;

    // The stored value read as a decimal integer: an optional sign, then digits up to the
    // first other character; no digits give 0. The default only when the key is missing.
    int GetInt(std::string_view section, std::string_view key, int fallback) const;

    // Sets the key, creating the file and the section when missing; every other line of
    // the file stays as it was. The file is replaced in one step under an advisory lock,
    // so a failed write leaves the previous file whole. Returns false on failure.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value) const;

    struct KeyValue {
        std::string_view key;
        std::string_view value;
    };
    // Sets several keys of one section, in the given order, in one replacement of the
    // file: either all of them change or none.
    bool WriteStrings(std::string_view section, std::span<const KeyValue> values) const;

    // One read-modify-write of the file under the advisory lock: `edit` receives the
    // file's current text (empty when there is none) and returns the new text, or none to
    // leave the file as it is. A second running copy of the program waits for the lock,
    // so neither loses the other's keys. Returns false only when the file could not be
    // read or replaced.
    using Edit = std::function<std::optional<std::string>(std::string_view current)>;
    bool Update(const Edit& edit) const;

    // What GetString returns for a file whose text is `text`.
    static std::string ValueIn(std::string_view text, std::string_view section, std::string_view key,
                               std::string_view fallback, std::size_t bufferSize = kValueBufferSize);

private:
    std::filesystem::path m_file;
};

// The score file's place: $XDG_CONFIG_HOME/Tilora.hi, or ~/.config/Tilora.hi.
std::filesystem::path DefaultScoreFilePath();

// The leading characters of a UTF-8 text, at most `count` of them.
std::string_view CutToCharacters(std::string_view text, std::size_t count);

}  // namespace tilora
