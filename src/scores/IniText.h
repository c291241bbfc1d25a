// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tilora::ini {

// The text of an INI file, read and changed as the classic profile functions do it:
// section and key names compare without regard to ASCII case, blanks around names,
// around "=" and at a line's end are ignored, lines may end in CR-LF, LF or CR, and the
// first section of a name, and the first key of a name in it, are the ones that count.

// The value of `key` in `section`, with surrounding blanks and one pair of matching
// quotes removed; none when the section or key is missing.
std::optional<std::string> FindValue(std::string_view text, std::string_view section, std::string_view key);

// The text with `key` in `section` set to `value`. Only that key's line changes; a new key
// goes after the last line of its section, a new section at the end of the text. Every
// other line keeps its bytes, line end included, and its place.
std::string SetValue(std::string_view text, std::string_view section, std::string_view key, std::string_view value);

}  // namespace tilora::ini
