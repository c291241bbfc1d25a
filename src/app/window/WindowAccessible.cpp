// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/WindowAccessible.h"

#include <QAccessibleWidget>
#include <QLineEdit>

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

// The count of seconds, read on request and never told by itself while the game is
// played: it reads as a label, whose changes a screen reader does not follow, and offers
// no text interface, so that no change of its text goes out at all.
class SecondsAccessible final : public QAccessibleWidget {
public:
    explicit SecondsAccessible(QLineEdit* field) : QAccessibleWidget(field, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override
    {
        const QString count = static_cast<const QLineEdit*>(widget())->text();
        if (t == QAccessible::Value)
            return count;
        if (t == QAccessible::Name)
            return widget()->accessibleName() + u' ' + count;
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    if (className == QLatin1String(CPuzzleDlg::staticMetaObject.className()))
        return new MainWindowAccessible(static_cast<QWidget*>(object));
    if (className == QLatin1String("QLineEdit") && object->objectName() == QLatin1String(kSecondsFieldName))
        return new SecondsAccessible(static_cast<QLineEdit*>(object));
    return nullptr;
}

}  // namespace

void InstallWindowAccessibility()
{
    QAccessible::installFactory(Factory);
}

}  // namespace tilora
