// SPDX-License-Identifier: GPL-3.0-or-later
// Picture files of every format through the whole Open Picture flow, drag and drop, and the
// start with a picture named on the command line.
#include <QColorSpace>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <functional>
#include <optional>

#include "PuzzleFixture.h"
#include "app/prompts/PictureMessages.h"
#include "support/BmpWriter.h"
#include "support/PhotoFiles.h"

namespace tilora::test {
namespace {

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kBlue(0, 0, 255);
const QColor kYellow(255, 255, 0);
const QColor kMagenta(255, 0, 255);
const QColor kWhite(255, 255, 255);
const QColor kGrey(127, 127, 127);  // black at alpha 128 over white

// The four quadrants every sample shows, and the tiles of a 4 x 4 board at home that lie
// in them: 1 top left, 4 top right, 13 bottom left, 11 bottom right.
QImage Sample(QImage::Format format = QImage::Format_RGB32)
{
    return Quadrants({64, 64}, kRed, kGreen, kBlue, kYellow, format);
}

QByteArray SampleBitmap()
{
    BmpFile f;
    f.width = 64;
    f.height = -64;
    f.bits = 24;
    f.pixels = PackDirect(24, 64, 64, true, [](int x, int y) {
        return (y < 32 ? (x < 32 ? 0xff0000u : 0x00ff00u) : (x < 32 ? 0x0000ffu : 0xffff00u));
    });
    const Bytes bytes = f.Build();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

// Soft colours, tagged as Adobe RGB or untagged, and the tiles that show them: as Qt
// converts them to sRGB, or as stored.
std::pair<QImage, std::array<std::optional<QColor>, 4>> Soft(bool wide)
{
    QImage image = Quadrants({64, 64}, {200, 60, 60}, {60, 180, 60}, {60, 60, 200}, {220, 200, 40}, QImage::Format_RGB32);
    image.setColorSpace(wide ? QColorSpace(QColorSpace::AdobeRgb) : QColorSpace());
    const QImage s = wide ? image.convertedToColorSpace(QColorSpace::SRgb) : image;
    return {image, {s.pixelColor(0, 0), s.pixelColor(63, 0), s.pixelColor(0, 63), s.pixelColor(63, 63)}};
}

// The JPEG cut halfway through its compressed pixels, after the start-of-scan marker.
QByteArray CutInScan(const QByteArray& jpeg)
{
    const qsizetype scan = jpeg.indexOf("\xff\xda");
    return jpeg.left(scan + (jpeg.size() - scan) / 2);
}

struct FormatCase {
    const char* name;
    const char* fileName;
    std::function<QByteArray()> bytes;
    // The colours of tiles 1, 4, 13 and 11 after the open; none where not checked. A
    // refused file leaves the earlier magenta picture on every tile.
    std::array<std::optional<QColor>, 4> tiles;
    int tolerance = 0;                // per channel, for lossy formats
    std::optional<Message> refusal;   // the message of a refused file
};

const std::vector<FormatCase>& FormatCases()
{
    static const std::vector<FormatCase> cases{
        {"png", "a.png", [] { return Encode(Sample(), "png"); }, {kRed, kGreen, kBlue, kYellow}, 0, {}},
        {"jpeg", "a.jpg", [] { return Encode(Sample(), "jpeg", 95); }, {kRed, kGreen, kBlue, kYellow}, 24, {}},
        // Orientation 6: shown turned a quarter to the right, so the stored left column
        // becomes the top row.
        {"jpeg with EXIF orientation 6", "turned.jpg",
         [] { return WithExifOrientation(Encode(Sample(), "jpeg", 95), 6); }, {kBlue, kRed, kYellow, kGreen}, 24, {}},
        // The content decides the format, whatever the name says.
        {"png named .jpg", "named.jpg", [] { return Encode(Sample(), "png"); }, {kRed, kGreen, kBlue, kYellow}, 0, {}},
        {"gif", "a.gif", [] { return Gif(Sample()); }, {kRed, kGreen, kBlue, kYellow}, 0, {}},
        {"webp", "a.webp", [] { return Encode(Sample(), "webp", 100); }, {kRed, kGreen, kBlue, kYellow}, 4, {}},
        {"tiff", "a.tif", [] { return Encode(Sample(), "tiff"); }, {kRed, kGreen, kBlue, kYellow}, 0, {}},
        {"png in Adobe RGB", "wide.png", [] { return Encode(Soft(true).first, "png"); }, Soft(true).second, 1, {}},
        {"jpeg in Adobe RGB", "wide.jpg", [] { return Encode(Soft(true).first, "jpeg", 95); }, Soft(true).second, 6, {}},
        {"png without a profile", "soft.png", [] { return Encode(Soft(false).first, "png"); }, Soft(false).second, 0,
         {}},
        {"png with transparency", "alpha.png",
         [] {
             return Encode(Quadrants({64, 64}, kRed, QColor(0, 0, 0, 128), kBlue, QColor(0, 0, 0, 0)), "png");
         },
         {kRed, kGrey, kBlue, kWhite}, 0, {}},
        // A cut JPEG, which its reader would fill with grey, is refused: the game goes on
        // with the picture it had.
        {"truncated jpeg", "cut.jpg", [] { return CutInScan(Encode(Sample(), "jpeg", 95)); },
         {kMagenta, kMagenta, kMagenta, kMagenta}, 0, messages::PictureDamaged("cut.jpg")},
        {"truncated png", "cut.png", [] { return Encode(Sample(), "png").chopped(40); },
         {kMagenta, kMagenta, kMagenta, kMagenta}, 0, messages::PictureDamaged("cut.png")},
        {"a png that claims 100000 x 100000 pixels", "huge.png", [] { return PngClaiming(100000, 100000); },
         {kMagenta, kMagenta, kMagenta, kMagenta}, 0, messages::PictureTooLarge("huge.png")},
        {"a text file named .jpg", "text.jpg", [] { return QByteArray("Not a picture at all.\n"); },
         {kMagenta, kMagenta, kMagenta, kMagenta}, 0, messages::PictureNotAPicture("text.jpg")},
        // Named as a kind of picture no installed reader reads, or one the game leaves out.
        {"a HEIF photo", "photo.heic", [] { return QByteArray("\0\0\0\x18" "ftypheic\0\0\0\0mif1heic"); },
         {kMagenta, kMagenta, kMagenta, kMagenta}, 0, messages::PictureUnsupported("photo.heic")},
        {"an Apple icon", "a.icns", [] { return QByteArray("icns\0\0\0\x18icp4\x80\0\0\0\x89PNG\r\n\x1a\n", 24); },
         {kMagenta, kMagenta, kMagenta, kMagenta}, 0, messages::PictureUnsupported("a.icns")},
        {"bitmap", "a.bmp", SampleBitmap, {kRed, kGreen, kBlue, kYellow}, 0, {}},
    };
    return cases;
}

class OpenPhotoTest : public PuzzleFixture {
protected:
    QString Write(const char* name, const QByteArray& bytes)
    {
        const auto path = dir / name;
        QFile file(QString::fromStdString(path.string()));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    void Open(const QString& path)
    {
        prompter.ChooseFileAnswer(path);
        window->OnOpenPicture();
    }

    // A game in progress on the magenta picture, one move from solved: every tile but
    // 15 at its home.
    void StartOnMagenta()
    {
        PuzzleFixture::Open();
        Open(Write("magenta.png", Encode(Quadrants({8, 8}, kMagenta, kMagenta, kMagenta, kMagenta), "png")));
        window->OnNew();
        SetOneMoveFromSolved();
        prompter.Clear();
    }

    std::array<QColor, 4> TileColours()
    {
        const QImage client = window->ClientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto at = [&client](int row, int column) { return client.pixelColor(column * 81 + 40, row * 81 + 40); };
        return {at(0, 0), at(0, 3), at(3, 0), at(2, 2)};
    }
};

bool Near(const QColor& a, const QColor& b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// Every format reaches the board through the same flow: the question during a game, the
// blocks by the stretch rule, a refused file changing nothing.
TEST_F(OpenPhotoTest, EveryFormatThroughTheWholeFlow)
{
    for (const FormatCase& c : FormatCases()) {
        SCOPED_TRACE(c.name);
        StartOnMagenta();
        prompter.Answer(c.refusal ? QMessageBox::Ok : QMessageBox::No);
        Open(Write(c.fileName, c.bytes()));

        ASSERT_EQ(prompter.Messages().size(), 1u);
        const Message& shown = prompter.Messages()[0];
        const Message expected = c.refusal.value_or(messages::StartNewGameWithPicture());
        EXPECT_EQ(shown.text, expected.text);
        EXPECT_EQ(shown.caption, expected.caption);
        EXPECT_EQ(shown.icon, expected.icon);
        // The game goes on either way.
        EXPECT_TRUE(window->Playing());
        EXPECT_TRUE(window->TimerRunning());
        EXPECT_TRUE(window->CustomPicture());

        const auto colours = TileColours();
        for (std::size_t i = 0; i < colours.size(); ++i) {
            if (c.tiles[i]) {
                EXPECT_TRUE(Near(colours[i], *c.tiles[i], c.tolerance))
                    << "tile " << i << ": " << colours[i].name().toStdString() << " instead of "
                    << c.tiles[i]->name().toStdString();
            }
        }
    }
}

TEST_F(OpenPhotoTest, TheFileDialogOffersEveryPictureFileFirst)
{
    Open(QString());
    ASSERT_EQ(prompter.FileRequests().size(), 1u);
    const FileRequest& asked = prompter.FileRequests()[0];
    EXPECT_EQ(asked.title, "Load Image");
    EXPECT_EQ(asked.defaultSuffix, "bmp");
    const QStringList filters = asked.filter.split(QStringLiteral(";;"));
    ASSERT_EQ(filters.size(), 3);
    for (const char* pattern : {"*.[bB][mM][pP]", "*.[pP][nN][gG]", "*.[jJ][pP][gG]", "*.[gG][iI][fF]",
                                "*.[wW][eE][bB][pP]", "*.[tT][iI][fF][fF]"})
        EXPECT_TRUE(filters[0].contains(QLatin1String(pattern))) << pattern;
    EXPECT_EQ(filters[1], "Bitmap Files(*.BMP) (*.[bB][mM][pP])");
    EXPECT_EQ(filters[2], "All Files (*.*) (*)");
}

class DropTest : public OpenPhotoTest {
protected:
    // Drags `urls` over the window and drops them; returns whether the window took the drag.
    bool DropUrls(const QList<QUrl>& urls)
    {
        QMimeData data;
        data.setUrls(urls);
        const QPoint at(100, 100);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &drop);
        QCoreApplication::processEvents();
        return enter.isAccepted();
    }
};

TEST_F(DropTest, OneFileOpensAsWithOpenPictureAndAnythingElseIsIgnored)
{
    StartOnMagenta();
    const QUrl png = QUrl::fromLocalFile(Write("a.png", Encode(Sample(), "png")));
    const QUrl gif = QUrl::fromLocalFile(Write("a.gif", Gif(Sample())));

    // Two files, and a web address: nothing is asked and nothing changes.
    EXPECT_FALSE(DropUrls({png, gif}));
    EXPECT_FALSE(DropUrls({QUrl(QStringLiteral("https://example.org/a.png"))}));
    EXPECT_TRUE(prompter.Messages().empty());
    EXPECT_EQ(TileColours()[0], kMagenta);

    // One file: the question of Open Picture, then the new picture on the same board.
    window->OnTimer();
    prompter.Answer(QMessageBox::No);
    EXPECT_TRUE(DropUrls({png}));
    ASSERT_EQ(prompter.Messages().size(), 1u);
    EXPECT_EQ(prompter.Messages()[0].text, messages::StartNewGameWithPicture().text);
    EXPECT_EQ(window->Seconds(), 1);
    EXPECT_TRUE(window->TimerRunning());
    EXPECT_EQ(TileColours()[0], kRed);
    EXPECT_TRUE(prompter.FileRequests().empty());
}

// The command line names the picture before any game: it opens as Open Picture would,
// without a question, and the title screen shows it at once where the complete picture
// goes; a refused one is reported and the built-in picture stays.
TEST_F(OpenPhotoTest, PictureNamedAtStart)
{
    const auto thumbnail = [this] {
        const QImage client = window->ClientArea()->grab().toImage();
        return std::array{client.pixelColor(361, 202), client.pixelColor(401, 242)};
    };
    EXPECT_NE(thumbnail()[0], kRed);
    const QString png = Write("a.png", Encode(Sample(), "png"));
    window->OpenPictureFile(png);
    EXPECT_TRUE(prompter.Messages().empty());
    EXPECT_TRUE(window->CustomPicture());
    EXPECT_FALSE(window->Playing());
    EXPECT_FALSE(window->TimerRunning());
    EXPECT_EQ(thumbnail(), (std::array{kRed, kYellow}));
    window->OnNew();
    SetOneMoveFromSolved();
    EXPECT_EQ(TileColours()[1], kGreen);

    PuzzleFixture::Open();
    prompter.Answer(QMessageBox::Ok);
    window->OpenPictureFile(Write("text.jpg", "text"));
    ASSERT_EQ(prompter.Messages().size(), 1u);
    EXPECT_EQ(prompter.Messages()[0].text, messages::PictureNotAPicture("text.jpg").text);
    EXPECT_FALSE(window->CustomPicture());
}

}  // namespace
}  // namespace tilora::test
