// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tilora {

// Turns a filter string of the classic form "Desc|pattern|Desc|pattern|", whose last
// character is the separator, into the filter of a Qt file dialog, "Desc (pattern);;...".
// Patterns match regardless of case, as the file dialogs of the game always have: "*.bmp"
// also shows PHOTO.BMP.
QString QtFileFilter(const QString& classicFilter);

}  // namespace tilora
