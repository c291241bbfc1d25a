// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

namespace tilora {

// Dialog templates give positions in dialog units of "MS Sans Serif" 8, whose base units
// are 6 x 13 pixels. Each of x, y, width and height converts on its own, rounded as the
// template loader of that system rounds them, so that every control lands on the same
// pixel as in the original layout whatever font this machine has.
constexpr int DluX(int d) { return (6 * d + 2) / 4; }
constexpr int DluY(int d) { return (13 * d + 4) / 8; }

inline QRect DluRect(int x, int y, int width, int height)
{
    return {DluX(x), DluY(y), DluX(width), DluY(height)};
}

inline QSize DluSize(int width, int height)
{
    return {DluX(width), DluY(height)};
}

// The UI font for dialog texts: the condensed cut of DejaVu Sans at 10 pixels, about
// as narrow as the face the templates were laid out for, so that every label fits its
// rectangle; wider faces such as plain DejaVu Sans wrap or clip the longer texts.
// Never derive the base units from it.
inline QFont DialogFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial")});
    font.setPixelSize(10);
    return font;
}

}  // namespace tilora
