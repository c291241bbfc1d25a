// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/PuzzleDlg.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>

#include "app/dialogs/AboutDlg.h"
#include "app/dialogs/InstructionsDlg.h"
#include "app/prompts/Prompter.h"

namespace tilora {
namespace {

// System-command ids as the window's system menu carries them. Only the high twelve bits
// name a command; the low four are the windowing system's own.
constexpr unsigned kSysCommandMask = 0xFFF0;
constexpr unsigned kIdmAboutBox = 0x0010;
constexpr unsigned kScMinimize = 0xF020;
constexpr unsigned kScClose = 0xF060;

QAction* AddSysCommand(QMenu* menu, const QString& text, unsigned id, const char* name)
{
    QAction* action = menu->addAction(text);
    action->setData(id);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

}  // namespace

void CPuzzleDlg::ConnectHelp()
{
    connect(m_menu.about, &QAction::triggered, this, &CPuzzleDlg::OnAbout);
    connect(m_menu.howToPlay, &QAction::triggered, this, &CPuzzleDlg::OnHowToPlay);

    // Qt leaves the title bar's own menu to the window manager, so the window offers its
    // system menu itself: on the right mouse button and on Alt+Space, which reaches the
    // program wherever the window manager does not keep that key for its own menu.
    m_systemMenu = new QMenu(this);
    m_systemMenu->setObjectName(QStringLiteral("systemMenu"));
    AddSysCommand(m_systemMenu, tr("Mi&nimize"), kScMinimize, "sysMinimize");
    AddSysCommand(m_systemMenu, tr("&Close"), kScClose, "sysClose");
    m_systemMenu->addSeparator();
    AddSysCommand(m_systemMenu, tr("&About Tilora..."), kIdmAboutBox, "sysAbout");
    connect(m_systemMenu, &QMenu::triggered, this,
            [this](QAction* action) { OnSysCommand(action->data().toUInt()); });

    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](QPoint point) { ShowSystemMenu(mapToGlobal(point)); });
    auto* altSpace = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
    connect(altSpace, &QShortcut::activated, this, [this] { ShowSystemMenu(mapToGlobal(QPoint(0, 0))); });
}

void CPuzzleDlg::ShowSystemMenu(QPoint globalPoint)
{
    // Shown without a nested event loop: the chosen entry arrives as a system command.
    m_systemMenu->popup(globalPoint);
}

void CPuzzleDlg::OnSysCommand(unsigned id)
{
    switch (id & kSysCommandMask) {
    case kIdmAboutBox:
        OnAbout();
        break;
    case kScMinimize:
        showMinimized();
        break;
    case kScClose:
        // The close box: the dialog ends through the cancel path without a question.
        reject();
        break;
    default:
        break;
    }
}

void CPuzzleDlg::OnAbout()
{
    CAboutDlg dialog(this);
    m_env.prompter.Exec(dialog);
}

void CPuzzleDlg::OnHowToPlay()
{
    CInstructionsDlg dialog(this);
    m_env.prompter.Exec(dialog);
}

}  // namespace tilora
