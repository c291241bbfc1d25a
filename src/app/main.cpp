// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QLocale>

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

    tilora::QtPrompter prompter;
    tilora::CrtRandom random;
    tilora::CPuzzleDlg window({prompter, tilora::ProfileStore(tilora::DefaultScoreFilePath()), random,
                               [] { return std::time(nullptr); }});
    QObject::connect(&window, &QDialog::finished, &app, &QCoreApplication::quit);
    window.show();
    return QApplication::exec();
}
