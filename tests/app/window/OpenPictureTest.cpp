// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>

#include <cstring>

#include "PuzzleFixture.h"
#include "app/prompts/FileFilter.h"
#include "app/prompts/PictureMessages.h"
#include "support/BmpWriter.h"
#include "support/RefusedFiles.h"

namespace tilora::test {
namespace {

class OpenPictureTest : public PuzzleFixture {
protected:
    // A small 8-bit picture file; `width` 0 makes one the game refuses.
    QString PictureFile(const std::string& name, int width = 6, std::uint8_t colour = 9)
    {
        BmpFile f;
        f.width = width;
        f.height = 4;
        f.bits = 8;
        f.palette = std::vector<Rgb>(256, Rgb{colour, colour, colour});
        f.pixels = Bytes(8 * 4, 1);
        WriteFile(dir / name, f.Build());
        return QString::fromStdString((dir / name).string());
    }

    void Open(const QString& path)
    {
        prompter.ChooseFileAnswer(path);
        window->OnOpenPicture();
    }

    void StartGame(int seconds)
    {
        window->OnNew();
        for (int i = 0; i < seconds; ++i)
            window->OnTimer();
    }

    std::vector<int> Cells() const
    {
        std::vector<int> cells;
        const Board& board = window->GetBoard();
        for (int r = 0; r < board.GridSize(); ++r)
            for (int c = 0; c < board.GridSize(); ++c)
                cells.push_back(board.Cell(r, c));
        return cells;
    }

    bool SameRecord(const PictureRecord& a, const PictureRecord& b)
    {
        return std::memcmp(&a.m_bmi, &b.m_bmi, sizeof a.m_bmi) == 0 && a.m_pPixels == b.m_pPixels;
    }
};

void ExpectMessage(const Message& shown, const Message& expected)
{
    EXPECT_EQ(shown.text, expected.text);
    EXPECT_EQ(shown.caption, expected.caption);
    EXPECT_EQ(shown.buttons, expected.buttons);
    EXPECT_EQ(shown.icon, expected.icon);
}

TEST_F(OpenPictureTest, WithoutAGameLoadsThePictureWithoutAQuestion)
{
    QAction* action = window->Menu().openPicture;
    ASSERT_EQ(action->objectName(), "actionOpenPicture");
    ASSERT_TRUE(action->isEnabled());
    prompter.ChooseFileAnswer(PictureFile("a.bmp"));
    action->trigger();

    ASSERT_EQ(prompter.FileRequests().size(), 1u);
    const FileRequest& asked = prompter.FileRequests()[0];
    EXPECT_EQ(asked.kind, FileRequest::Kind::Open);
    EXPECT_EQ(asked.title, "Load Image");
    EXPECT_TRUE(asked.filter.endsWith(";;Bitmap Files(*.BMP) (*.[bB][mM][pP]);;All Files (*.*) (*)")) << asked.filter.toStdString();
    EXPECT_EQ(asked.defaultSuffix, "bmp");
    EXPECT_TRUE(prompter.Messages().empty());
    EXPECT_TRUE(window->CustomPicture());
    EXPECT_EQ(window->LoadedPicture().m_bmi.bmiHeader.biWidth, 6);
    EXPECT_FALSE(window->Playing());
    EXPECT_FALSE(window->TimerRunning());
    // The built-in choice and its check mark stay as they were.
    EXPECT_EQ(window->Picture(), 1);
    EXPECT_TRUE(window->Menu().pictures[0]->isChecked());
    EXPECT_FALSE(window->Menu().pictures[1]->isChecked());
}

// During a game: a cancelled file dialog resumes the count; a picture asks whether to
// start anew, No keeps the board and the count, Yes deals a new game from zero.
TEST_F(OpenPictureTest, DuringAGameThePlayerChoosesWhetherToStartAnew)
{
    struct Case {
        const char* what;
        QMessageBox::StandardButton answer;  // NoButton: the file dialog is cancelled
        int played, seconds;                 // before the picture is chosen and after
        bool sameBoard, custom;
    };
    const Case cases[] = {
        {"cancelled", QMessageBox::NoButton, 3, 3, true, false},
        {"No", QMessageBox::No, 4, 4, true, true},
        {"Yes", QMessageBox::Yes, 4, 0, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PuzzleFixture::Open();
        prompter.Clear();
        StartGame(c.played);
        const auto cells = Cells();
        now += 5;  // a new deal now is another board
        if (c.answer == QMessageBox::NoButton) {
            Open(QString());
            EXPECT_TRUE(prompter.Messages().empty());
        } else {
            prompter.Answer(c.answer);
            Open(PictureFile("a.bmp"));
            ASSERT_EQ(prompter.Messages().size(), 1u);
            ExpectMessage(prompter.Messages()[0], messages::StartNewGameWithPicture());
        }
        EXPECT_EQ(window->Seconds(), c.seconds);
        EXPECT_EQ(ShownCount(), QString::number(c.seconds));
        EXPECT_TRUE(window->Playing());
        EXPECT_TRUE(window->TimerRunning());
        EXPECT_EQ(window->CustomPicture(), c.custom);
        if (c.sameBoard) {
            EXPECT_EQ(Cells(), cells);
        } else {
            EXPECT_EQ(window->DealtLevel(), window->Level());
        }
    }
    const Message question = messages::StartNewGameWithPicture();
    EXPECT_EQ(question.text, "Do you Wish to Start a New Game? \n(Click NO to Continue with same game)");
    EXPECT_EQ(question.caption, "Tilora : Query");
    EXPECT_EQ(question.icon, QMessageBox::Question);
}

TEST_F(OpenPictureTest, APausedGameStaysPaused)
{
    StartGame(2);
    window->OnPauseRestart();
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        prompter.Answer(answer);
        Open(PictureFile("a.bmp"));
        EXPECT_TRUE(window->Paused());
        EXPECT_FALSE(window->TimerRunning());
    }
    EXPECT_EQ(window->Seconds(), 0);  // after the Yes
}

TEST_F(OpenPictureTest, RefusedFilesKeepThePictureInUse)
{
    Open(PictureFile("first.bmp", 6, 77));
    const PictureRecord first = window->LoadedPicture();
    StartGame(2);

    // "BM", but not a kind of bitmap the game can show.
    BmpFile odd;
    odd.width = 4;
    odd.height = 4;
    odd.bits = 7;
    odd.pixels = Bytes(16, 0);
    WriteFile(dir / "odd.bmp", odd.Build());
    WriteFile(dir / "text.bmp", Bytes{'h', 'e', 'l', 'l', 'o'});
    struct Row {
        std::string what;
        QString path;
        Message message;
    };
    std::vector<Row> rows{
        {"not a bitmap", QString::fromStdString((dir / "odd.bmp").string()), messages::NotABitmap()},
        {"neither a bitmap nor a picture", QString::fromStdString((dir / "text.bmp").string()),
         messages::PictureNotAPicture("text.bmp")},
        {"cannot be opened", QString::fromStdString((dir / "gone.bmp").string()), messages::ImageLoadError()},
        {"no size", PictureFile("empty.bmp", 0), messages::ImageLoadError()},
    };
    // A FIFO, a folder or a device is refused at once, as a file that cannot be opened, named:
    // never waited on, never read without end.
    for (const RefusedFile& refused : MakeRefusedFiles(dir.Path(), "picture"))
        rows.push_back({refused.what, QString::fromStdString(refused.path.string()),
                        messages::PictureCannotOpen(QString::fromStdString(refused.path.filename().string()))});
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        prompter.Clear();
        prompter.Answer(QMessageBox::Ok);
        Open(row.path);
        ASSERT_EQ(prompter.Messages().size(), 1u);
        ExpectMessage(prompter.Messages()[0], row.message);
        EXPECT_TRUE(SameRecord(window->LoadedPicture(), first));
        EXPECT_TRUE(window->CustomPicture());
        EXPECT_EQ(window->Seconds(), 2);
        EXPECT_TRUE(window->TimerRunning());
    }
    EXPECT_EQ(messages::NotABitmap().text,
              "This is not a valid Bitmap file.\n\nThe Tilora can only display bitmap files.");
    EXPECT_EQ(messages::NotABitmap().caption, "ERROR");
    EXPECT_EQ(messages::NotABitmap().icon, QMessageBox::Critical);
    EXPECT_EQ(messages::ImageLoadError().text, "Error while Loading Image.\n       Click OK to Abort.");
    EXPECT_EQ(messages::ImageLoadError().caption, "Error");
    EXPECT_EQ(messages::ImageLoadError().icon, QMessageBox::Critical);
}

TEST_F(OpenPictureTest, PictureReadAfterChoosingABuiltInOneIsUsedAgain)
{
    Open(PictureFile("a.bmp"));
    prompter.Answer(QMessageBox::Yes);
    window->OnChoosePicture(3);
    EXPECT_FALSE(window->CustomPicture());
    Open(PictureFile("b.bmp"));
    EXPECT_TRUE(window->CustomPicture());
    EXPECT_EQ(window->Picture(), 3);
    EXPECT_TRUE(window->Menu().pictures[2]->isChecked());
}

TEST_F(OpenPictureTest, TheBoardIsDrawnFromTheLoadedPicture)
{
    // A 16-bit top-down picture: left half red, right half blue.
    BmpFile f;
    f.width = 64;
    f.height = -64;
    f.bits = 16;
    f.pixels = PackDirect(16, 64, 64, true, [](int x, int) { return x < 32 ? 0x7c00u : 0x001fu; });
    WriteFile(dir / "halves.bmp", f.Build());
    window->OnNew();
    SetOneMoveFromSolved();
    prompter.Answer(QMessageBox::No);
    Open(QString::fromStdString((dir / "halves.bmp").string()));
    ASSERT_TRUE(window->CustomPicture());

    const QImage client = window->ClientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIsSet("TILORA_SAVE_GRABS"))
        client.save("/tmp/open-picture.png");
    EXPECT_EQ(client.pixel(40, 40), qRgb(255, 0, 0));     // tile 1: top left, in the red half
    EXPECT_EQ(client.pixel(243 + 40, 40), qRgb(0, 0, 255));  // tile 4: top right, in the blue half
    // The thumbnail's left and right halves; its stretch may round the channel a little.
    const QRgb left = client.pixel(341 + 10, 182 + 40);
    const QRgb right = client.pixel(341 + 70, 182 + 10);
    EXPECT_TRUE(qRed(left) >= 248 && qGreen(left) == 0 && qBlue(left) == 0) << std::hex << left;
    EXPECT_TRUE(qRed(right) == 0 && qGreen(right) == 0 && qBlue(right) >= 248) << std::hex << right;
}

}  // namespace
}  // namespace tilora::test
