// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QMetaObject>

#include <ctime>

#include "app/AppIcon.h"
#include "app/PuzzleDlg.h"
#include "app/QtPrompter.h"
#include "app/Translations.h"
#include "board/CrtRandom.h"

// The application lives exactly as long as its one window: the process ends when it
// closes. The window is shown as an ordinary, non-modal top-level window, so that window
// managers treat it as the application's main window. Nothing is written at exit.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tilora"));
    QApplication::setApplicationVersion(QStringLiteral(TILORA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("tilora"));
    // Every window of the program shows the game's icon, the score dialogs included.
    QApplication::setWindowIcon(tilora::AppIcon());
    // The player's language, as LANGUAGE, LC_ALL, LC_MESSAGES or LANG name it.
    const tilora::GameTranslation translation(
        tilora::GameLanguage(QLocale::system().uiLanguages(), tilora::ShippedLanguages()));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Sliding-block picture puzzle: restore the picture by sliding its blocks."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QCoreApplication::translate("main", "A picture file to play on, as with Open Picture."),
                                 QStringLiteral("[FILE]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        parser.showHelp(1);

    tilora::QtPrompter prompter;
    tilora::CrtRandom random;
    tilora::CPuzzleDlg window({prompter, tilora::ProfileStore(tilora::DefaultScoreFilePath()), random,
                               [] { return std::time(nullptr); }});
    QObject::connect(&window, &QDialog::finished, &app, &QCoreApplication::quit);
    window.show();
    // The picture opens once the window is on the screen, so that its messages have an owner.
    if (!files.isEmpty())
        QMetaObject::invokeMethod(&window, [&window, file = files.front()] { window.OpenPictureFile(file); },
                                  Qt::QueuedConnection);
    return QApplication::exec();
}
