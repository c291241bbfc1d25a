// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the main window in its states, its menus and every dialog and message box it
// opens, each to a PNG file, under whatever platform Qt runs on (offscreen by default).
// Usage: tilora_screenshots <output folder>
#include <QApplication>
#include <QColorSpace>
#include <QDir>
#include <QImage>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "app/prompts/Prompter.h"
#include "app/record/KeptGame.h"
#include "app/replay/ReplayDlg.h"
#include "app/startup/AppIcon.h"
#include "app/startup/Translations.h"
#include "app/window/PuzzleDlg.h"
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

// A photo as players open them, written into `folder`: wider than high, fine grain over
// soft shading, with a disc that must stay round, its colours given in Adobe RGB.
QString WritePhoto(const QTemporaryDir& folder)
{
    QImage image(1600, 1200, QImage::Format_RGB32);
    std::uint32_t noise = 7;
    const auto shade = [&noise](double base, double wave) {
        noise = noise * 1664525u + 1013904223u;
        return std::clamp(static_cast<int>(base + wave) + static_cast<int>(noise >> 27) - 16, 0, 255);
    };
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgb(shade(150, 60 * std::sin(x / 170.0)), shade(140, 50 * std::cos(y / 120.0)),
                           shade(170, 40 * std::sin((x + y) / 260.0)));
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(30, 30, 30), 5));
    painter.setBrush(QColor(200, 60, 60));
    painter.drawEllipse(QPoint(800, 600), 400, 400);
    painter.end();
    image.setColorSpace(QColorSpace::AdobeRgb);
    const QString path = folder.filePath(QStringLiteral("photo.jpg"));
    image.save(path, "jpeg", 90);
    return path;
}

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

    // The solved board on a photo of the player's own, at actual size and zoomed.
    const QTemporaryDir photos;
    window.OpenPictureFile(WritePhoto(photos));
    camera.Shoot(window, QStringLiteral("window-photo"));
    window.Menu().zoomIn->trigger();
    camera.Shoot(window, QStringLiteral("window-photo-zoomed"));
    window.Menu().actualSize->trigger();

    // The replay of a game five slides from solved on that photo, after its second move.
    KeptGame kept;
    kept.won = true;
    kept.seconds = 7;
    kept.moves = 5;
    kept.finished = 1'700'000'000;
    kept.board = "012345678f9acdeb";  // 10, 11 and 12 out of place
    kept.played = "1L2L1U2R1L";
    CReplayDlg replay(*window.ClientArea(), *ReadRecordedGame(kept), kept, &window);
    replay.Moves().Seek(2);
    camera.Shoot(replay, QStringLiteral("dialog-replay"));
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
