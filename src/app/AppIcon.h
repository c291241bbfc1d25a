// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QIcon>
#include <QPixmap>
#include <QString>

#include "ui/BuiltInImage.h"

namespace tilora {

// The game's icon, gathered from the sizes the resources hold, so that each use (window,
// task bar, About box) gets the image drawn for its size rather than a scaled one.
inline QIcon AppIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString path = QStringLiteral(":/tilora/icons/tilora-%1.png").arg(size);
        if (QFile::exists(path))
            icon.addPixmap(QPixmap::fromImage(ReadBuiltInPng(path)));
    }
    return icon;
}

}  // namespace tilora
