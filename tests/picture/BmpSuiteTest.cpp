// SPDX-License-Identifier: GPL-3.0-or-later
// The public BMP Suite: every good file must draw exactly its reference pixels, every
// questionable one must draw one of its references or be refused, and no bad one may
// crash or read outside a buffer (the sanitizer build runs this too).
#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "PictureTestHelpers.h"

namespace tilora::test {
namespace {

const QString kSuite = QStringLiteral(TILORA_BMPSUITE_DIR);

struct SuiteFile {
    QString file;
    QString cls;
    QString expectation;
    QStringList hashes;
    QList<QSize> sizes;
};

std::vector<SuiteFile> LoadIndex()
{
    QFile json(kSuite + QStringLiteral("/expected.json"));
    if (!json.open(QIODevice::ReadOnly))
        return {};
    std::vector<SuiteFile> files;
    for (const QJsonValue v : QJsonDocument::fromJson(json.readAll()).object().value("files").toArray()) {
        const QJsonObject o = v.toObject();
        SuiteFile f{o.value("file").toString(), o.value("cls").toString(), o.value("expectation").toString(), {}, {}};
        for (const QJsonValue r : o.value("refs").toArray()) {
            f.hashes << r.toObject().value("rgba_sha256").toString();
            f.sizes << QSize(r.toObject().value("width").toInt(), r.toObject().value("height").toInt());
        }
        files.push_back(f);
    }
    return files;
}

// SHA-256 of the pixels as RGBA8, rows top to bottom; transparent pixels as 0, 0, 0, 0.
QString PixelHash(const QImage& image)
{
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (int y = 0; y < rgba.height(); ++y) {
        QByteArray row(reinterpret_cast<const char*>(rgba.constScanLine(y)), rgba.width() * 4);
        for (int x = 0; x < rgba.width(); ++x)
            if (row[4 * x + 3] == 0)
                row[4 * x] = row[4 * x + 1] = row[4 * x + 2] = 0;
        hash.addData(row);
    }
    return QString::fromLatin1(hash.result().toHex());
}

Bytes ReadAll(const QString& name)
{
    QFile file(kSuite + u'/' + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    return Bytes(data.begin(), data.end());
}

// Reads and draws one file; none when either step refuses it.
std::optional<QImage> ReadAndDraw(const Bytes& bytes, PictureRecord& record)
{
    if (ReadBitmapBytes(bytes, record) != BitmapReadResult::Loaded)
        return std::nullopt;
    return MakeDrawableBitmap(record);
}

class BmpSuiteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        files = LoadIndex();
        ASSERT_EQ(files.size(), 57u) << "the BMP Suite is missing or incomplete at " << kSuite.toStdString()
                                     << " (expected.json with 57 files)";
    }
    std::vector<SuiteFile> Class(const QString& cls) const
    {
        std::vector<SuiteFile> out;
        std::copy_if(files.begin(), files.end(), std::back_inserter(out), [&](const auto& f) { return f.cls == cls; });
        return out;
    }
    std::vector<SuiteFile> files;
};

TEST_F(BmpSuiteTest, GoodFilesDrawTheirReferencePixels)
{
    const auto good = Class("good");
    EXPECT_EQ(good.size(), 20u);
    for (const SuiteFile& f : good) {
        SCOPED_TRACE(f.file.toStdString());
        const Bytes bytes = ReadAll(f.file);
        ASSERT_FALSE(bytes.empty());
        PictureRecord record;
        const auto image = ReadAndDraw(bytes, record);
        ASSERT_TRUE(image.has_value());
        EXPECT_TRUE(f.hashes.contains(PixelHash(*image))) << image->width() << " x " << image->height();
    }
}

TEST_F(BmpSuiteTest, QuestionableFilesDrawAReferenceOrAreRefused)
{
    for (const SuiteFile& f : Class("questionable")) {
        SCOPED_TRACE(f.file.toStdString());
        PictureRecord record;
        const auto image = ReadAndDraw(ReadAll(f.file), record);
        if (!image)
            continue;
        EXPECT_TRUE(f.sizes.contains(image->size()));
        // For the files cut short the references are a guide only.
        if (!f.expectation.contains("not required")) {
            EXPECT_TRUE(f.hashes.contains(PixelHash(*image)));
        }
    }
}

TEST_F(BmpSuiteTest, BadFilesAreRefusedOrDrawnSafely)
{
    // One record for all of them, so that each file also meets what the previous left.
    PictureRecord record;
    int drawn = 0;
    for (const SuiteFile& f : Class("bad")) {
        SCOPED_TRACE(f.file.toStdString());
        const PictureRecord before = record;
        const BitmapReadResult result = ReadBitmapBytes(ReadAll(f.file), record);
        if (result != BitmapReadResult::Loaded) {
            EXPECT_EQ(record.m_pPixels, before.m_pPixels);
            continue;
        }
        if (const auto image = MakeDrawableBitmap(record)) {
            ++drawn;
            EXPECT_EQ(image->width(), record.m_bmi.bmiHeader.biWidth);
            if (!f.hashes.isEmpty() && f.hashes.contains(PixelHash(*image)))
                SUCCEED() << "drawn as its reference";
        }
    }
    EXPECT_GT(drawn, 0);
}

// The 16-bit file with 8-8-0 bit fields lies outside the depths the suite calls good,
// but with the masks read where they belong it draws exactly its reference.
TEST_F(BmpSuiteTest, SixteenBitFieldsDrawTheirReference)
{
    PictureRecord record;
    const auto image = ReadAndDraw(ReadAll("b/rgb16-880.bmp"), record);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(PixelHash(*image), "1d59bddfa5820426da9b8e79e84f42af8ddca360c0478e500d44ef08188fdc36");
}

}  // namespace
}  // namespace tilora::test
