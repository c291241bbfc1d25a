// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace tilora {

// The application's style, whose standard icons (the menu bar's overflow arrow, the
// message boxes' symbols, the file dialog's buttons) are read from Qt's resources only
// when first drawn. Qt reads them without naming their format, which loads every
// image-format plugin and its codec library; a menu bar asks for its arrow when it is
// built, so without this the first window would load them all.
class DeferredIconStyle final : public QProxyStyle {
public:
    // The style `key` names ("fusion", ...), with deferred standard icons.
    explicit DeferredIconStyle(const QString& key);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace tilora
