// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tilora {

// A figure of a table as a screen reader says it: its row, its column, then the value
// ("Best time, 4 x 4: 77.0 seconds"); a dash, shown for no figure, is read as "none".
QString FigureReading(const QString& row, const QString& column, const QString& value);

}  // namespace tilora
