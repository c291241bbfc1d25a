// SPDX-License-Identifier: GPL-3.0-or-later
// The PngSuite conformance images: every valid file opens with its pixels (over white
// where transparent), every corrupt one is refused with a message and changes nothing.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <set>

#include "PuzzleFixture.h"
#include "display/PhotoReader.h"

namespace tilora::test {
namespace {

const QString kSuite = QStringLiteral(TILORA_PNGSUITE_DIR);

// Files of 16-bit colour with a transparent colour key, which Qt's PNG reader applies
// differently from the decoder the reference hashes come from; they must still open at
// their size.
const std::set<QString> kKeyedTransparency{QStringLiteral("tbbn2c16"), QStringLiteral("tbgn2c16")};

QJsonObject Expected()
{
    QFile file(kSuite + QStringLiteral("/expected.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

// SHA-256 of the pixels as R, G, B bytes, rows top to bottom.
QString RgbHash(const QImage& image)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (int y = 0; y < image.height(); ++y) {
        QByteArray row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            for (const int channel : {qRed(p), qGreen(p), qBlue(p)})
                row.append(static_cast<char>(channel));
        }
        hash.addData(row);
    }
    return QString::fromLatin1(hash.result().toHex());
}

class PngSuiteTest : public PuzzleFixture {};

TEST_F(PngSuiteTest, ValidFilesShowTheirPixelsOverWhite)
{
    const QJsonObject expected = Expected();
    ASSERT_FALSE(expected.isEmpty()) << "PngSuite not found at " << kSuite.toStdString();
    int valid = 0;
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const QJsonObject entry = it.value().toObject();
        if (entry[QStringLiteral("corrupt")].toBool())
            continue;
        SCOPED_TRACE(it.key().toStdString());
        ++valid;
        const PhotoRead read = ReadPhotoFile(kSuite + QStringLiteral("/png/") + it.key() + QStringLiteral(".png"),
                                             LargestBoardSide(400, 1.0));
        ASSERT_EQ(read.result, PhotoReadResult::Decoded);
        EXPECT_EQ(read.image.width(), entry[QStringLiteral("width")].toInt());
        EXPECT_EQ(read.image.height(), entry[QStringLiteral("height")].toInt());
        if (!kKeyedTransparency.contains(it.key())) {
            EXPECT_EQ(RgbHash(read.image), entry[QStringLiteral("rgb_over_white_sha256")].toString());
        }
    }
    EXPECT_GT(valid, 150);
}

TEST_F(PngSuiteTest, CorruptFilesAreRefusedAndChangeNothing)
{
    const QJsonObject expected = Expected();
    ASSERT_FALSE(expected.isEmpty()) << "PngSuite not found at " << kSuite.toStdString();
    int corrupt = 0;
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        if (!it.value().toObject()[QStringLiteral("corrupt")].toBool())
            continue;
        SCOPED_TRACE(it.key().toStdString());
        ++corrupt;
        prompter.Clear();
        prompter.Answer(QMessageBox::Ok);
        window->OpenPictureFile(kSuite + QStringLiteral("/png/") + it.key() + QStringLiteral(".png"));
        ASSERT_EQ(prompter.Messages().size(), 1u);
        EXPECT_EQ(prompter.Messages()[0].icon, QMessageBox::Critical);
        EXPECT_FALSE(window->CustomPicture());
    }
    EXPECT_GT(corrupt, 10);
}

}  // namespace
}  // namespace tilora::test
