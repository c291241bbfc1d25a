// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/PuzzleMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace tilora {
namespace {

// The menu texts are translated under the context "PuzzleMenu".
struct Menu {
    Q_DECLARE_TR_FUNCTIONS(PuzzleMenu)
};

QAction* AddCommand(QWidget* menu, const QString& text, int id, const char* name)
{
    auto* action = new QAction(text, menu);
    action->setData(id);
    action->setObjectName(QString::fromLatin1(name));
    menu->addAction(action);
    return action;
}

}  // namespace

PuzzleMenu BuildPuzzleMenu(QWidget* window)
{
    PuzzleMenu m;
    m.bar = new QMenuBar(window);
    m.bar->setObjectName(QStringLiteral("menuBar"));
    m.bar->setNativeMenuBar(false);

    QMenu* game = m.bar->addMenu(Menu::tr("&Game"));
    game->setObjectName(QStringLiteral("menuGame"));
    m.newGame = AddCommand(game, Menu::tr("&New"), 32771, "actionNew");
    game->addSeparator();
    m.openGame = AddCommand(game, Menu::tr("&Open Game"), 32783, "actionOpenGame");
    m.saveGame = AddCommand(game, Menu::tr("&Save Game"), 32784, "actionSaveGame");
    // A deal shared as text, through the system clipboard.
    m.copyDeal = AddCommand(game, Menu::tr("&Copy Deal"), 32805, "actionCopyDeal");
    m.pasteDeal = AddCommand(game, Menu::tr("&Paste Deal"), 32806, "actionPasteDeal");
    game->addSeparator();
    m.bestScores = AddCommand(game, Menu::tr("&Best Scores"), 32774, "actionBestScores");
    m.level = AddCommand(game, Menu::tr("Difficulty &Level"), 32775, "actionLevel");
    m.blocks = AddCommand(game, Menu::tr("No. of Bloc&ks"), 32786, "actionBlocks");
    game->addSeparator();
    // Undo, Redo, Hint and Statistics: commands of this program's own, with ids above the others.
    m.undo = AddCommand(game, Menu::tr("&Undo"), 32787, "actionUndo");
    m.redo = AddCommand(game, Menu::tr("&Redo"), 32788, "actionRedo");
    m.hint = AddCommand(game, Menu::tr("&Hint"), 32789, "actionHint");
    m.statistics = AddCommand(game, Menu::tr("S&tatistics..."), 32790, "actionStatistics");
    m.replayLastGame = AddCommand(game, Menu::tr("Repl&ay Last Game..."), 32807, "actionReplayLastGame");
    game->addSeparator();
    m.exit = AddCommand(game, Menu::tr("E&xit"), 32772, "actionExit");

    m.newGame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    m.openGame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m.saveGame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m.exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    m.undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m.redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    m.hint->setShortcut(QKeySequence(Qt::Key_H));
    m.copyDeal->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    m.pasteDeal->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));

    // An entry without text between Game and Picture that does nothing when chosen.
    AddCommand(m.bar, QString(), 65535, "actionEmpty");

    QMenu* picture = m.bar->addMenu(Menu::tr("&Picture"));
    picture->setObjectName(QStringLiteral("menuPicture"));
    m.openPicture = AddCommand(picture, Menu::tr("&Open Picture"), 32777, "actionOpenPicture");
    QMenu* change = picture->addMenu(Menu::tr("Change &Picture"));
    change->setObjectName(QStringLiteral("menuChangePicture"));
    m.pictures = {AddCommand(change, Menu::tr("&Bars"), 32779, "actionBars"),
                  AddCommand(change, Menu::tr("&Flintstones"), 32780, "actionFlintstones"),
                  AddCommand(change, Menu::tr("&Winnie the Pooh"), 32781, "actionWinnieThePooh"),
                  AddCommand(change, Menu::tr("&Doughnuts"), 32782, "actionDoughnuts")};
    for (QAction* action : m.pictures)
        action->setCheckable(true);
    m.pictures[0]->setChecked(true);

    QMenu* help = m.bar->addMenu(Menu::tr("&Help"));
    help->setObjectName(QStringLiteral("menuHelp"));
    m.about = AddCommand(help, Menu::tr("&About ..."), 32773, "actionAbout");
    m.howToPlay = AddCommand(help, Menu::tr("&How To Play"), 32785, "actionHowToPlay");
    m.howToPlay->setShortcut(QKeySequence(Qt::Key_F1));

    // The zoom commands come last, so that every other entry keeps its place.
    QMenu* view = m.bar->addMenu(Menu::tr("&View"));
    view->setObjectName(QStringLiteral("menuView"));
    m.zoomIn = AddCommand(view, Menu::tr("Zoom &In"), 32800, "actionZoomIn");
    m.zoomIn->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    m.zoomOut = AddCommand(view, Menu::tr("Zoom &Out"), 32801, "actionZoomOut");
    m.zoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    m.actualSize = AddCommand(view, Menu::tr("&Actual Size"), 32802, "actionActualSize");
    m.actualSize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    view->addSeparator();
    m.numbers = AddCommand(view, Menu::tr("&Numbers on Blocks"), 32803, "actionNumbers");
    m.numbers->setCheckable(true);
    m.showMoves = AddCommand(view, Menu::tr("Show &Moves"), 32804, "actionShowMoves");
    m.showMoves->setCheckable(true);

    // A command straight on the bar, at its right end.
    m.pauseRestart = new QAction(Menu::tr("&Pause/Restart"), m.bar);
    m.pauseRestart->setData(32778);
    m.pauseRestart->setObjectName(QStringLiteral("actionPauseRestart"));
    m.pauseRestart->setShortcuts({QKeySequence(Qt::Key_Pause), QKeySequence(Qt::Key_P)});
    // The bar's button has no room for its keys, so its tooltip names them.
    m.pauseRestart->setToolTip(Menu::tr("Pause/Restart (P or Pause)"));
    auto* pauseButton = new QToolButton(m.bar);
    pauseButton->setObjectName(QStringLiteral("pauseRestartButton"));
    pauseButton->setDefaultAction(m.pauseRestart);
    pauseButton->setAutoRaise(true);
    pauseButton->setFocusPolicy(Qt::NoFocus);
    m.bar->setCornerWidget(pauseButton, Qt::TopRightCorner);
    return m;
}

}  // namespace tilora
