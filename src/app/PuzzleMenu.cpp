#include "app/PuzzleMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace tilora {
namespace {

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

    QMenu* game = m.bar->addMenu(QStringLiteral("&Game"));
    game->setObjectName(QStringLiteral("menuGame"));
    m.newGame = AddCommand(game, QStringLiteral("&New"), 32771, "actionNew");
    game->addSeparator();
    m.openGame = AddCommand(game, QStringLiteral("&Open Game"), 32783, "actionOpenGame");
    m.saveGame = AddCommand(game, QStringLiteral("&Save Game"), 32784, "actionSaveGame");
    game->addSeparator();
    m.bestScores = AddCommand(game, QStringLiteral("&Best Scores"), 32774, "actionBestScores");
    m.level = AddCommand(game, QStringLiteral("Difficulty &Level"), 32775, "actionLevel");
    m.blocks = AddCommand(game, QStringLiteral("No. of Bloc&ks"), 32786, "actionBlocks");
    game->addSeparator();
    m.exit = AddCommand(game, QStringLiteral("E&xit"), 32772, "actionExit");

    // An entry without text between Game and Picture that does nothing when chosen.
    AddCommand(m.bar, QString(), 65535, "actionEmpty");

    QMenu* picture = m.bar->addMenu(QStringLiteral("&Picture"));
    picture->setObjectName(QStringLiteral("menuPicture"));
    m.openPicture = AddCommand(picture, QStringLiteral("&Open Picture"), 32777, "actionOpenPicture");
    QMenu* change = picture->addMenu(QStringLiteral("Change &Picture"));
    change->setObjectName(QStringLiteral("menuChangePicture"));
    m.pictures = {AddCommand(change, QStringLiteral("&Bars"), 32779, "actionBars"),
                  AddCommand(change, QStringLiteral("&Flintstones"), 32780, "actionFlintstones"),
                  AddCommand(change, QStringLiteral("&Winnie the Pooh"), 32781, "actionWinnieThePooh"),
                  AddCommand(change, QStringLiteral("&Doughnuts"), 32782, "actionDoughnuts")};
    for (QAction* action : m.pictures)
        action->setCheckable(true);
    m.pictures[0]->setChecked(true);

    QMenu* help = m.bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("menuHelp"));
    m.about = AddCommand(help, QStringLiteral("&About ..."), 32773, "actionAbout");
    m.howToPlay = AddCommand(help, QStringLiteral("&How To Play"), 32785, "actionHowToPlay");

    // The zoom commands come last, so that every other entry keeps its place.
    QMenu* view = m.bar->addMenu(QCoreApplication::translate("PuzzleMenu", "&View"));
    view->setObjectName(QStringLiteral("menuView"));
    m.zoomIn = AddCommand(view, QCoreApplication::translate("PuzzleMenu", "Zoom &In"), 32800, "actionZoomIn");
    m.zoomIn->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    m.zoomOut = AddCommand(view, QCoreApplication::translate("PuzzleMenu", "Zoom &Out"), 32801, "actionZoomOut");
    m.zoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    m.actualSize = AddCommand(view, QCoreApplication::translate("PuzzleMenu", "&Actual Size"), 32802, "actionActualSize");
    m.actualSize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));

    // A command straight on the bar, at its right end.
    m.pauseRestart = new QAction(QStringLiteral("&Pause/Restart"), m.bar);
    m.pauseRestart->setData(32778);
    m.pauseRestart->setObjectName(QStringLiteral("actionPauseRestart"));
    auto* pauseButton = new QToolButton(m.bar);
    pauseButton->setObjectName(QStringLiteral("pauseRestartButton"));
    pauseButton->setDefaultAction(m.pauseRestart);
    pauseButton->setAutoRaise(true);
    pauseButton->setFocusPolicy(Qt::NoFocus);
    m.bar->setCornerWidget(pauseButton, Qt::TopRightCorner);
    return m;
}

}  // namespace tilora
