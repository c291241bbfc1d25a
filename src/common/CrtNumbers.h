// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tilora {

// Decimal text as the classic C library makes and reads it, independent of the locale
// (a German locale must not turn anything into a comma).

// As atoi: leading white space, an optional sign, then digits up to the first other
// character; no digits give 0. A value beyond 32 bits wraps instead of being undefined.
int AtoI(std::string_view text);

// As _itoa in base 10: a minus sign for a negative number, then the digits.
std::string ItoA(int value);

}  // namespace tilora
