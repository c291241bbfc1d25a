// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the main window in its states, its menus and every dialog and message box it
// opens, each to a PNG file, under whatever platform Qt runs on (offscreen by default).
// Usage: tilora_screenshots <output folder>
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>

#include <cstdio>

#include "app/AppIcon.h"
#include "app/PuzzleDlg.h"
#include "app/Prompter.h"
#include "app/Translations.h"
#include "board/CrtRandom.h"

namespace tilora {
namespace {

// Turns a caption or object name into a file-name part: lower case, words joined by '-'.
QString Slug(const QString& text)
{
    QString slug;
    for (const QChar c : text.toLower()) {
        if (c.isLetterOrNumber())
            slug += c;
        else if (!slug.isEmpty() && !slug.endsWith(u'-'))
            slug += u'-';
    }
    while (slug.endsWith(u'-'))
        slug.chop(1);
    return slug;
}

// Saves what a widget shows, after laying it out as showing it would.
class Camera {
public:
    explicit Camera(QDir folder) : m_folder(std::move(folder)) {}

    void Shoot(QWidget& widget, const QString& name)
    {
        widget.show();
        QApplication::processEvents();
        const QString path = m_folder.filePath(name + QStringLiteral(".png"));
        if (widget.grab().save(path)) {
            std::printf("%s\n", qPrintable(path));
            ++m_saved;
        } else {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            m_failed = true;
        }
    }
    int Saved() const { return m_saved; }
    bool Failed() const { return m_failed; }

private:
    QDir m_folder;
    int m_saved = 0;
    bool m_failed = false;
};

// A Prompter that photographs each box and dialog and then answers it: No where a
// question allows it, so that the state the shots rely on stays as it is, unless told
// to say Yes.
class CameraPrompter final : public Prompter {
public:
    explicit CameraPrompter(Camera& camera) : m_camera(camera) {}

    QMessageBox::StandardButton Ask(QWidget* owner, const Message& message) override
    {
        QMessageBox box(message.icon, message.caption, message.text, message.buttons, owner);
        m_camera.Shoot(box, QStringLiteral("message-") + Slug(message.caption));
        box.hide();
        if (message.buttons.testFlag(QMessageBox::Yes) && answerYes)
            return QMessageBox::Yes;
        return message.buttons.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok;
    }

    int Exec(QDialog& dialog) override
    {
        m_camera.Shoot(dialog, QStringLiteral("dialog-") + Slug(dialog.windowTitle()));
        dialog.reject();
        return QDialog::Rejected;
    }

    QString ChooseFile(QWidget*, const FileRequest&) override { return {}; }

    bool answerYes = false;

private:
    Camera& m_camera;
};

void ShootMenus(Camera& camera, CPuzzleDlg& window)
{
    for (QMenu* menu : window.Menu().bar->findChildren<QMenu*>()) {
        if (menu->title().isEmpty())
            continue;  // the bar's own overflow menu
        camera.Shoot(*menu, QStringLiteral("menu-") + Slug(menu->title()));
        menu->hide();
    }
    camera.Shoot(*window.SystemMenu(), QStringLiteral("menu-system"));
    window.SystemMenu()->hide();
}

void ShootWindow(Camera& camera, CameraPrompter& prompter, CPuzzleDlg& window)
{
    camera.Shoot(window, QStringLiteral("window-title-screen"));
    ShootMenus(camera, window);

    // The dialogs that only show texts or settings, opened from a quiet window.
    window.OnAbout();
    window.OnHowToPlay();
    window.OnDifficultyLevel();
    window.OnNoOfBlocks();

    window.OnNew();
    for (int second = 0; second < 42; ++second)
        window.OnTimer();
    camera.Shoot(window, QStringLiteral("window-game-4x4"));
    window.OnPauseRestart();
    camera.Shoot(window, QStringLiteral("window-paused"));
    window.OnPauseRestart();

    // The questions a running game asks before it is given up.
    window.OnNew();
    window.OnExit();
    window.OnNoOfBlocks();

    // The largest board, which reaches furthest down the window.
    window.GetBoard().SetGridSize(10);
    prompter.answerYes = true;
    window.OnNew();
    prompter.answerYes = false;
    camera.Shoot(window, QStringLiteral("window-game-10x10"));

    // A 4 x 4 game one slide from solved, finished by a double click on the last block:
    // the victory box, the name dialog of a new best time and the table of best times.
    window.GetBoard().SetGridSize(4);
    prompter.answerYes = true;
    window.OnNew();
    prompter.answerYes = false;
    const int rows[4][4] = {{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 16, 15}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            window.GetBoard().SetCell(r, c, rows[r][c]);
    window.OnTimer();
    window.MoveBlockAt(3 * 81 + 40, 3 * 81 + 40);
    camera.Shoot(window, QStringLiteral("window-solved"));
}

}  // namespace
}  // namespace tilora

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setWindowIcon(tilora::AppIcon());
    // In the language the game would speak: LANGUAGE=de gives the German shots.
    const tilora::GameTranslation translation(
        tilora::GameLanguage(QLocale::system().uiLanguages(), tilora::ShippedLanguages()));
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    // A score file of its own, so that the shots never read or change the player's.
    QTemporaryDir scores;
    tilora::Camera camera(folder);
    tilora::CameraPrompter prompter(camera);
    tilora::CrtRandom random;
    tilora::CPuzzleDlg window({prompter, tilora::ProfileStore(scores.filePath(QStringLiteral("Tilora.hi")).toStdString()),
                               random, [] { return std::time_t{1'700'000'000}; }});
    tilora::ShootWindow(camera, prompter, window);
    return camera.Failed() || camera.Saved() == 0 ? 1 : 0;
}
