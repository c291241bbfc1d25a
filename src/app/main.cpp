// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QLocale>
#include <QMetaObject>

#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

#include "app/prompts/QtPrompter.h"
#include "app/record/RecordFile.h"
#include "app/startup/AfterFirstPaint.h"
#include "app/startup/Application.h"
#include "app/startup/CommandLine.h"
#include "app/startup/DisplayCheck.h"
#include "app/startup/QuitOnSignals.h"
#include "app/startup/SessionBus.h"
#include "app/startup/Translations.h"
#include "app/window/PuzzleDlg.h"
#include "board/CrtRandom.h"
#include "savegame/KeptGame.h"

namespace {

// The player's language, as LANGUAGE, LC_ALL, LC_MESSAGES or LANG name it.
QString PlayersLanguage()
{
    return tilora::GameLanguage(QLocale::system().uiLanguages(), tilora::ShippedLanguages());
}

// Answers in a terminal, where no display is needed: --help, --version, --export-games, a
// wrong command line, or the absence of a display. The program is named "tilora" in the help, whatever
// path started it.
int ReplyWithoutDisplay(int argc, char* argv[], const std::function<int()>& reply)
{
    char name[] = "tilora";
    std::vector<char*> arguments(argv, argv + argc);
    arguments.at(0) = name;
    arguments.push_back(nullptr);
    const QCoreApplication app(argc, arguments.data());
    tilora::NameApplication();
    const tilora::GameTranslation translation(PlayersLanguage());
    return reply();
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
// managers treat it as the application's main window. Nothing is written at exit but the
// record of a game still running, which ends as abandoned, or the game itself when the
// program is told to end, kept for the next start.
int main(int argc, char* argv[])
{
    const tilora::CommandLine commandLine(Arguments(argc, argv));
    if (!commandLine.StartsGame())
        return ReplyWithoutDisplay(argc, argv,
                                  [&commandLine] { return commandLine.Reply(tilora::record_file::DefaultPath()); });
    // Qt aborts with a core dump when its platform finds no display: asked first.
    if (const auto missing = tilora::FindMissingDisplay(
            tilora::CurrentDisplaySettings(commandLine.Platform(), commandLine.Display()))) {
        return ReplyWithoutDisplay(argc, argv, [&missing] {
            std::fputs((tilora::NoDisplayLine(*missing) + u'\n').toLocal8Bit().constData(), stderr);
            return 1;
        });
    }

    // Before Qt looks for a session bus: the game never starts one of its own.
    tilora::KeepToTheSessionBus();
    QApplication app(argc, argv);
    tilora::SetUpApplication();
    const tilora::GameTranslation translation(PlayersLanguage());

    tilora::QtPrompter prompter;
    tilora::CrtRandom random;
    tilora::CPuzzleDlg window({prompter, tilora::ProfileStore(tilora::DefaultScoreFilePath()), random,
                               [] { return std::time(nullptr); }, tilora::record_file::DefaultPath()});
    QObject::connect(&window, &QDialog::finished, &app, &QCoreApplication::quit);
    const std::filesystem::path keptGame = tilora::KeptGamePath();
    // The end of the session or Ctrl+C in a terminal ends the program without a question;
    // the game in progress is kept for the next start.
    const tilora::QuitOnSignals quitOnSignals([&window, &keptGame] { window.KeepGameForNextStart(keptGame); });
    window.show();
    tilora::AfterFirstPaint(*window.ClientArea(), tilora::SetApplicationIcon);
    // A kept game is offered and the picture opens once the window is on the screen, so
    // that their questions and messages have an owner.
    QMetaObject::invokeMethod(
        &window,
        [&window, &keptGame, file = commandLine.File()] {
            window.OfferKeptGame(keptGame);
            if (!file.isEmpty())
                window.OpenPictureFile(file);
        },
        Qt::QueuedConnection);
    return QApplication::exec();
}
