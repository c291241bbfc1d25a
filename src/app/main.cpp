// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QLocale>
#include <QMetaObject>

#include <ctime>

#include "app/prompts/QtPrompter.h"
#include "app/record/RecordFile.h"
#include "app/startup/Application.h"
#include "app/startup/CommandLine.h"
#include "app/startup/QuitOnSignals.h"
#include "app/startup/Translations.h"
#include "app/window/PuzzleDlg.h"
#include "board/CrtRandom.h"

namespace {

// The player's language, as LANGUAGE, LC_ALL, LC_MESSAGES or LANG name it.
QString PlayersLanguage()
{
    return tilora::GameLanguage(QLocale::system().uiLanguages(), tilora::ShippedLanguages());
}

// Answers --help, --version, --export-games or a wrong command line in a terminal: no
// display is needed.
int ReplyWithoutDisplay(int argc, char* argv[], const tilora::CommandLine& commandLine)
{
    const QCoreApplication app(argc, argv);
    tilora::NameApplication();
    const tilora::GameTranslation translation(PlayersLanguage());
    return commandLine.Reply(tilora::record_file::DefaultPath());
}

QStringList Arguments(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace

// The application lives exactly as long as its one window: the process ends when it
// closes. The window is shown as an ordinary, non-modal top-level window, so that window
// managers treat it as the application's main window. Nothing is written at exit
// but the record of a game still running, which ends as abandoned.
int main(int argc, char* argv[])
{
    const tilora::CommandLine commandLine(Arguments(argc, argv));
    if (!commandLine.StartsGame())
        return ReplyWithoutDisplay(argc, argv, commandLine);

    QApplication app(argc, argv);
    tilora::SetUpApplication();
    const tilora::GameTranslation translation(PlayersLanguage());
    // The end of the session or Ctrl+C in a terminal closes the game as its window would.
    const tilora::QuitOnSignals quitOnSignals;

    tilora::QtPrompter prompter;
    tilora::CrtRandom random;
    tilora::CPuzzleDlg window({prompter, tilora::ProfileStore(tilora::DefaultScoreFilePath()), random,
                               [] { return std::time(nullptr); }, tilora::record_file::DefaultPath()});
    QObject::connect(&window, &QDialog::finished, &app, &QCoreApplication::quit);
    window.show();
    // The picture opens once the window is on the screen, so that its messages have an owner.
    if (!commandLine.File().isEmpty())
        QMetaObject::invokeMethod(&window, [&window, file = commandLine.File()] { window.OpenPictureFile(file); },
                                  Qt::QueuedConnection);
    return QApplication::exec();
}
