// SPDX-License-Identifier: GPL-3.0-or-later
// Own program: what a process has loaded depends on every test run in it before.
#include <QFile>
#include <QImageWriter>

#include <sys/wait.h>
#include <unistd.h>

#include "PuzzleFixture.h"
#include "app/startup/Application.h"
#include "support/ScriptedPrompter.h"

namespace tilora::test {
namespace {

// The image-format plugins mapped into this process ("libqjpeg.so", ...).
QStringList MappedImagePlugins()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    QStringList plugins;
    if (!maps.open(QIODevice::ReadOnly))
        return {QStringLiteral("unreadable /proc/self/maps")};
    for (const QByteArray& line : maps.readAll().split('\n'))
        if (line.contains("/imageformats/") && !plugins.contains(QString::fromUtf8(line.mid(line.lastIndexOf('/') + 1))))
            plugins << QString::fromUtf8(line.mid(line.lastIndexOf('/') + 1));
    return plugins;
}

// A JPEG file written by a child process, so that its encoder stays out of this one.
bool WriteJpegElsewhere(const QString& path)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(QImageWriter(path, "JPEG").write(QImage(64, 64, QImage::Format_RGB32)) ? 0 : 1);
    int status = 1;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The window built as the program builds it, after the application-wide settings.
class StartFloorTest : public PuzzleFixture {
protected:
    void SetUp() override
    {
        SetUpApplication();
        Open();
    }
};

// The start loads what the first window shows and nothing more: no image-format plugin
// for the icon, the menu bar, the title picture or a dialog; they come with the first photo.
TEST_F(StartFloorTest, ImagePluginsWaitForTheFirstPhoto)
{
    const QString jpeg = QString::fromStdString((dir / "photo.jpg").string());
    ASSERT_TRUE(WriteJpegElsewhere(jpeg));
    window->show();
    window->grab();
    EXPECT_EQ(MappedImagePlugins().join(u' ').toStdString(), "") << "after the first window";

    prompter.OnDialog(PressOk());
    window->OnBestScores();
    EXPECT_EQ(MappedImagePlugins().join(u' ').toStdString(), "") << "after the Best Scores dialog";

    prompter.ChooseFileAnswer(jpeg);
    window->OnOpenPicture();
    EXPECT_TRUE(window->CustomPicture());
    EXPECT_TRUE(MappedImagePlugins().contains(QStringLiteral("libqjpeg.so"))) << MappedImagePlugins().join(u' ').toStdString();
}

}  // namespace
}  // namespace tilora::test
