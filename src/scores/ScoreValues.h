// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tilora {

// The value forms of the score file, made and read without the locale: a German or
// French locale must not turn "437." into "437," nor stop reading at the full stop.

// A number as _gcvt writes it with `digits` significant digits: plain form while the
// value's decimal exponent lies from -1 to digits - 1, with a full stop unless all digits
// stand before it ("437.", "0.5", "10000"); otherwise the exponent form with the
// mantissa's trailing zeros dropped and a signed three-digit exponent ("1.2e+005").
std::string GcvtText(double value, int digits);

// A best time as the score file holds it: the seconds with five significant digits.
std::string ScoreText(int seconds);

// As atof: leading white space, an optional sign, digits with an optional fraction and
// exponent, up to the first character that does not fit; text without a number gives 0.
// A value beyond the range of a double gives an infinity of its sign.
double AtoF(std::string_view text);

// Characters of a name value.
inline constexpr std::size_t kNameLength = 8;

// A name as the score file holds it: exactly 8 characters, the name's first 8 (never
// half of a UTF-8 character), then blanks. Control characters become blanks, so that a
// name can never break the file's lines.
std::string NameValue(std::string_view name);

// The number of characters (code points) of a UTF-8 text.
std::size_t CharacterCount(std::string_view text);

}  // namespace tilora
