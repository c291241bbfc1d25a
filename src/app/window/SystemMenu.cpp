// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/SystemMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>

namespace tilora {
namespace {

// The menu's texts are the window's, translated under its context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(tilora::CPuzzleDlg)
};

void AddSysCommand(QMenu* menu, const QString& text, unsigned id, const char* name)
{
    QAction* action = menu->addAction(text);
    action->setData(id);
    action->setObjectName(QString::fromLatin1(name));
}

}  // namespace

SystemMenu::SystemMenu(QWidget& window) : QObject(&window), m_window(window), m_menu(new QMenu(&window))
{
    m_menu->setObjectName(QStringLiteral("systemMenu"));
    AddSysCommand(m_menu, Text::tr("Mi&nimize"), kScMinimize, "sysMinimize");
    AddSysCommand(m_menu, Text::tr("&Close"), kScClose, "sysClose");
    m_menu->addSeparator();
    AddSysCommand(m_menu, Text::tr("&About Tilora..."), kIdmAboutBox, "sysAbout");
    connect(m_menu, &QMenu::triggered, this, [this](QAction* action) { emit command(action->data().toUInt()); });

    m_window.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&m_window, &QWidget::customContextMenuRequested, this,
            [this](QPoint point) { Show(m_window.mapToGlobal(point)); });
    auto* altSpace = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), &m_window);
    connect(altSpace, &QShortcut::activated, this, [this] { Show(m_window.mapToGlobal(QPoint(0, 0))); });
}

void SystemMenu::Show(QPoint globalPoint)
{
    m_menu->popup(globalPoint);
}

void RunSysCommand(unsigned id, QDialog& window, const std::function<void()>& about)
{
    switch (id & kSysCommandMask) {
    case kIdmAboutBox:
        about();
        break;
    case kScMinimize:
        window.showMinimized();
        break;
    case kScClose:
        window.reject();
        break;
    default:
        break;
    }
}

}  // namespace tilora
