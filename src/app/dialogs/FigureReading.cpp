// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/FigureReading.h"

#include "app/dialogs/StatisticsDlg.h"

namespace tilora {

QString FigureReading(const QString& row, const QString& column, const QString& value)
{
    const QString spoken = value == QStringLiteral("-") ? CStatisticsDlg::tr("none") : value;
    return CStatisticsDlg::tr("%1, %2: %3").arg(row, column, spoken);
}

}  // namespace tilora
