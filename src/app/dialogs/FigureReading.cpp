// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/FigureReading.h"

#include <QCoreApplication>

namespace tilora {
namespace {

// Translated with the Statistics dialog's own texts.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(CStatisticsDlg)
};

}  // namespace

QString FigureReading(const QString& row, const QString& column, const QString& value)
{
    const QString spoken = value == QStringLiteral("-") ? Text::tr("none") : value;
    return Text::tr("%1, %2: %3").arg(row, column, spoken);
}

}  // namespace tilora
