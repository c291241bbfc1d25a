// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QImageReader>
#include <QString>

namespace tilora {

// A PNG image of the program's own resources. The format is named and Qt's guessing is
// turned off: a reader that may guess asks every image-format plugin first, loading all
// of them and their codec libraries, while PNG is read by Qt itself.
inline QImage ReadBuiltInPng(const QString& path)
{
    QImageReader reader(path, "PNG");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace tilora
