// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/WindowAccessible.h"

#include <QAccessibleWidget>

#include "app/window/PuzzleDlg.h"

namespace tilora {
namespace {

// The game's window reads as the application's window, not as a dialog; the
// Pause/Restart button, which sits on the menu bar beside its menus, is one of its
// children, so that a screen reader can reach and press it.
class MainWindowAccessible final : public QAccessibleWidget {
public:
    explicit MainWindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}
    QWidget* PauseButton() const { return widget()->findChild<QWidget*>(QStringLiteral("pauseRestartButton")); }
    int childCount() const override { return QAccessibleWidget::childCount() + (PauseButton() ? 1 : 0); }
    QAccessibleInterface* child(int index) const override
    {
        return index == QAccessibleWidget::childCount() ? QAccessible::queryAccessibleInterface(PauseButton())
                                                        : QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child->object() == PauseButton() ? QAccessibleWidget::childCount()
                                                : QAccessibleWidget::indexOfChild(child);
    }
};

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    if (className == QLatin1String(CPuzzleDlg::staticMetaObject.className()))
        return new MainWindowAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

void InstallWindowAccessibility()
{
    QAccessible::installFactory(Factory);
}

}  // namespace tilora
