#pragma once

#include <cstddef>
#include <filesystem>
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

private:
    std::filesystem::path m_file;
};

// The score file's place: $XDG_CONFIG_HOME/Tilora.hi, or ~/.config/Tilora.hi.
std::filesystem::path DefaultScoreFilePath();

// The leading characters of a UTF-8 text, at most `count` of them.
std::string_view CutToCharacters(std::string_view text, std::size_t count);

}  // namespace tilora
