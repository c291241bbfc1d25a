// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/prompts/FileFilter.h"

#include <QStringList>

namespace tilora {
namespace {

// "*.bmp" -> "*.[bB][mM][pP]": Qt's dialogs match patterns as the file system does, and
// on Linux that is with case.
QString AnyCase(const QString& pattern)
{
    QString out;
    for (const QChar c : pattern) {
        if (c.isLetter() && c.toLower() != c.toUpper())
            out += QStringLiteral("[%1%2]").arg(c.toLower(), c.toUpper());
        else
            out += c;
    }
    return out;
}

}  // namespace

QString QtFileFilter(const QString& classicFilter)
{
    if (classicFilter.isEmpty())
        return {};
    const QStringList parts = classicFilter.split(classicFilter.back());
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& p : patterns)
            p = p == QStringLiteral("*.*") ? QStringLiteral("*") : AnyCase(p.trimmed());
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(u' '));
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace tilora
