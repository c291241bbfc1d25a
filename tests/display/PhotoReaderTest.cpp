// SPDX-License-Identifier: GPL-3.0-or-later
// The photo reader on its own: which files it refuses without decoding, and the size it
// decodes at.
#include <QFile>
#include <QLoggingCategory>
#include <QtEndian>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "display/PhotoReader.h"
#include "support/PhotoFiles.h"
#include "support/TempDir.h"

namespace tilora::test {
namespace {

QImage Plain(QSize size)
{
    return Quadrants(size, Qt::red, Qt::green, Qt::blue, Qt::yellow, QImage::Format_RGB32);
}

struct DecodeCase {
    const char* name;
    QByteArray bytes;
    int largestSide;
    PhotoReadResult result;
    QSize size;  // of the decoded picture
};

// A picture is decoded at a reduced size, its shorter side the largest board's, only when
// both its sides pass twice the largest board's; too large a picture is refused unread.
TEST(PhotoReaderTest, DecodesAtTheSizeTheBoardCanShow)
{
    const QByteArray png = Encode(Plain({64, 48}), "png");
    const QByteArray jpeg = Encode(Plain({64, 48}), "jpeg");
    const std::vector<DecodeCase> cases{
        {"small enough", png, 24, PhotoReadResult::Decoded, {64, 48}},
        {"much larger, png", png, 16, PhotoReadResult::Decoded, {21, 16}},
        {"much larger, jpeg", jpeg, 16, PhotoReadResult::Decoded, {21, 16}},
        {"a bitmap is not decoded here", QByteArray("BM") + png, 16, PhotoReadResult::Bitmap, {}},
        // A JPEG decodes at the reduced size, so only the count of pixels refuses this one.
        {"more than a gigapixel announced", JpegClaiming(jpeg, 40000, 30000), 1280, PhotoReadResult::TooLarge, {}},
        {"more than 512 MiB decoded", PngClaiming(12000, 12000), 0, PhotoReadResult::TooLarge, {}},
        {"Apple icon, whose reader trusts sizes", QByteArray("icns\0\0\0\x18icp4\x80\0\0\0\x89PNG\r\n\x1a\n", 24), 1280,
         PhotoReadResult::Unsupported, {}},
        // 40 bytes that claim a screen of 11308 x 11308 pixels, which GIF cannot decode reduced.
        {"a few bytes claiming a huge picture", QByteArray("GIF89a") + QByteArray(27, ',') + QByteArray("\xd4\xd3\xd3\xd7P\xe6" "6"), 1280,
         PhotoReadResult::TooLarge, {}},
        {"unknown content", QByteArray(100, 'x'), 1280, PhotoReadResult::NotPicture, {}},
        {"empty", QByteArray(), 1280, PhotoReadResult::NotPicture, {}},
    };
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const PhotoRead read = DecodePhoto(c.bytes, c.largestSide);
        EXPECT_EQ(read.result, c.result);
        EXPECT_EQ(read.image.isNull() ? QSize() : read.image.size(), c.size);
        if (read.result == PhotoReadResult::Decoded) {
            EXPECT_EQ(read.image.format(), QImage::Format_RGB32);
        }
    }
}

// Only regular files are read, so that a FIFO, a device or a folder never blocks the game.
TEST(PhotoReaderTest, OnlyRegularFilesAreRead)
{
    TempDir dir;
    const QString fifo = QString::fromStdString((dir / "fifo.png").string());
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct {
        const char* name;
        QString path;
    } cases[]{
        {"fifo", fifo},
        {"folder", QString::fromStdString(dir.Path().string())},
        {"device", QStringLiteral("/dev/zero")},
        {"missing", QString::fromStdString((dir / "gone.png").string())},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadPhotoFile(c.path, 1280).result, PhotoReadResult::CannotOpen);
    }
}

// A PNG whose comment chunk fails its checksum: libpng warns and decodes the picture.
QByteArray WithDamagedComment(const QByteArray& png)
{
    const QByteArray body = QByteArrayLiteral("tEXtComment\0x");
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(body.size() - 4), chunk.data());
    chunk += body + QByteArray("\0\0\0\0", 4);
    return png.left(33) + chunk + png.mid(33);  // after the signature and the header chunk
}

// What decoders say goes to "tilora.image" as debug messages, off unless the logging rules
// turn them on; every other message still reaches the handler in place.
TEST(PhotoReaderTest, DecoderWarningsGoToTheGamesLog)
{
    static QStringList heard;
    heard.clear();
    const QtMessageHandler before = qInstallMessageHandler([](QtMsgType, const QMessageLogContext& context, const QString& m) {
        heard << QString::fromLatin1(context.category) + u' ' + m;
    });
    const QByteArray png = WithDamagedComment(Encode(Plain({8, 8}), "png"));
    EXPECT_EQ(DecodePhoto(png, 1280).result, PhotoReadResult::Decoded);
    qWarning("after");
    QLoggingCategory::setFilterRules(QStringLiteral("tilora.image.debug=true"));
    EXPECT_EQ(DecodePhoto(png, 1280).result, PhotoReadResult::Decoded);
    QLoggingCategory::setFilterRules({});
    qInstallMessageHandler(before);
    ASSERT_EQ(heard.size(), 2) << heard.join(u'\n').toStdString();
    EXPECT_EQ(heard[0], "default after");
    EXPECT_TRUE(heard[1].startsWith(u"tilora.image libpng warning: tEXt")) << heard[1].toStdString();
}

// A picture of noise, which no encoder packs small: its file is long enough to be cut.
QImage Noise(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    quint32 state = 12345;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            state = state * 1664525U + 1013904223U;
            image.setPixel(x, y, state >> 8);
        }
    return image;
}

// A file its decoder reports as cut short or corrupt is damaged, though the decoder fills
// in what is missing (a JPEG cut after 3,000 bytes gives a grey picture); one that decodes
// whole is taken, whatever its decoder warns about.
TEST(PhotoReaderTest, WhatTheDecoderReportsDamagedIsDamaged)
{
    const QByteArray jpeg = Encode(Noise({200, 150}), "jpeg", 90);
    const QByteArray png = Encode(Noise({200, 150}), "png");
    ASSERT_GT(jpeg.size(), 6000);
    QByteArray extraneous = jpeg;
    extraneous.insert(extraneous.size() - 2, "xx");  // before the end marker
    const struct {
        const char* what;
        QByteArray bytes;
        PhotoReadResult result;
    } cases[] = {
        {"a whole JPEG", jpeg, PhotoReadResult::Decoded},
        {"a JPEG cut after 3,000 bytes", jpeg.left(3000), PhotoReadResult::Damaged},
        {"a JPEG cut before its end marker", jpeg.left(jpeg.size() - 2), PhotoReadResult::Decoded},
        {"a JPEG cut in half", jpeg.left(jpeg.size() / 2), PhotoReadResult::Damaged},
        {"a whole JPEG with bytes to spare before its end", extraneous, PhotoReadResult::Decoded},
        {"a whole PNG", png, PhotoReadResult::Decoded},
        {"a PNG cut in half", png.left(png.size() / 2), PhotoReadResult::Damaged},
        {"a whole PNG with a damaged comment", WithDamagedComment(png), PhotoReadResult::Decoded},
    };
    QLoggingCategory::setFilterRules(QStringLiteral("tilora.image.debug=true"));
    for (const auto& c : cases)
        EXPECT_EQ(DecodePhoto(c.bytes, 1280).result, c.result) << c.what;
    QLoggingCategory::setFilterRules({});
}

}  // namespace
}  // namespace tilora::test
