// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the game's pictures and icon as PNG files under the given resources folder
// (pictures/*.png, their masters of at least 1280 pixels a side in pictures/large/*.png, and
// icons/tilora-<size>.png). Text is drawn with the installed fonts,
// so regenerated files may differ slightly from machine to machine; the committed files
// are the ones the game uses.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cstdio>
#include <utility>

#include "Artwork.h"

namespace {

// The masters are large: they are written with the strongest compression.
bool Save(const QImage& image, const QString& path, int quality = -1)
{
    if (!image.save(path, "PNG", quality)) {
        std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(path), image.width(), image.height());
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures <resources folder>\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    if (!root.mkpath(QStringLiteral("pictures/large")) || !root.mkpath(QStringLiteral("icons"))) {
        std::fprintf(stderr, "make_pictures: cannot create folders under %s\n", argv[1]);
        return 1;
    }
    using namespace tilora::artwork;
    const std::pair<const char*, QImage> pictures[] = {
        {"title", Title()},         {"bars", Bars()},           {"flintstones", Flintstones()},
        {"pooh", HoneyPot()},       {"doughnuts", Doughnuts()}, {"pause", Pause()},
    };
    bool ok = true;
    for (const auto& [name, image] : pictures)
        ok = Save(image, root.filePath(QStringLiteral("pictures/%1.png").arg(QLatin1String(name)))) && ok;
    // Every master is at least 1280 pixels a side: four times the 320-pixel pictures, and
    // eight times the title's 160.
    constexpr int kMasterFactor = 4;
    const std::pair<const char*, QImage> masters[] = {
        {"title", Title(2 * kMasterFactor)}, {"bars", Bars(kMasterFactor)},
        {"flintstones", Flintstones(kMasterFactor)}, {"pooh", HoneyPot(kMasterFactor)},
        {"doughnuts", Doughnuts(kMasterFactor)}, {"pause", Pause(kMasterFactor)},
    };
    for (const auto& [name, image] : masters)
        ok = Save(image, root.filePath(QStringLiteral("pictures/large/%1.png").arg(QLatin1String(name))), 0) && ok;
    for (const int size : {16, 32, 48, 64, 128, 256})
        ok = Save(Icon(size), root.filePath(QStringLiteral("icons/tilora-%1.png").arg(size))) && ok;
    return ok ? 0 : 1;
}
