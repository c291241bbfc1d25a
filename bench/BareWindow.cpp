// SPDX-License-Identifier: GPL-3.0-or-later
// The floor the game's start is measured against: a bare Qt Widgets window of the game's
// size with a menu bar, and nothing else.
#include <QApplication>
#include <QMenuBar>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setFixedSize(437, 340);
    auto* bar = new QMenuBar(&window);
    for (const char* title : {"&Game", "&Picture", "&View", "&Help"})
        bar->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("&Item"));
    window.show();
    return QApplication::exec();
}
