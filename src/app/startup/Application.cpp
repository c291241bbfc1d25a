// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup/Application.h"

#include <QApplication>
#include <QStyle>

#include "app/startup/AppIcon.h"
#include "app/startup/DeferredIcons.h"

namespace tilora {

void NameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Tilora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TILORA_VERSION));
}

void SetUpApplication()
{
    NameApplication();
    QGuiApplication::setDesktopFileName(QLatin1String(kAppId));
    // The style chosen by the desktop, -style or QT_STYLE_OVERRIDE, its icons read late.
    QApplication::setStyle(new DeferredIconStyle(QApplication::style()->name()));
}

void SetApplicationIcon()
{
    // Every window of the program shows the game's icon, the score dialogs included.
    QApplication::setWindowIcon(AppIcon());
}

}  // namespace tilora
