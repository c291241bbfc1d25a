// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>

#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <iterator>

#include "PuzzleFixture.h"
#include "app/prompts/FileFilter.h"
#include "savegame/SavedGameFile.h"

namespace tilora::test {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

QString Q(const fs::path& file)
{
    return QString::fromStdString(file.string());
}

// Hands every interaction on to the scripted prompter, and runs `onChooseFile` while a file
// dialog would be open, so that a test can look at the window at that moment.
class WatchingPrompter final : public Prompter {
public:
    WatchingPrompter(ScriptedPrompter& inner, std::function<void()> onChooseFile)
        : m_inner(inner), m_onChooseFile(std::move(onChooseFile))
    {
    }
    QMessageBox::StandardButton Ask(QWidget* owner, const Message& message) override
    {
        return m_inner.Ask(owner, message);
    }
    int Exec(QDialog& dialog) override { return m_inner.Exec(dialog); }
    QString ChooseFile(QWidget* owner, const FileRequest& request) override
    {
        m_onChooseFile();
        return m_inner.ChooseFile(owner, request);
    }

private:
    ScriptedPrompter& m_inner;
    std::function<void()> m_onChooseFile;
};

// Lowers the largest file this process may write, as a full disk would, for its lifetime.
// It holds for root too, unlike a read-only folder.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);  // a failed write, not a killed process
        rlimit lowered = m_saved;
        lowered.rlim_cur = bytes;
        m_active = ::setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool Active() const { return m_active; }

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = SIG_DFL;
    bool m_active = false;
};

class SaveGameTest : public PuzzleFixture {
protected:
    // A running game with a known count.
    void StartGame(int gridSize = 4, int seconds = 3)
    {
        window->GetBoard().SetGridSize(gridSize);
        window->OnNew();
        for (int i = 0; i < seconds; ++i)
            window->OnTimer();
    }

    std::vector<int> Cells() const
    {
        const Board& board = window->GetBoard();
        std::vector<int> cells;
        for (int r = 0; r < board.GridSize(); ++r)
            for (int c = 0; c < board.GridSize(); ++c)
                cells.push_back(board.Cell(r, c));
        return cells;
    }

    // A saved game of an n x n board one slide from solved, written with EncodeSavedGame.
    fs::path SavedFile(const std::string& name, int n, int seconds)
    {
        Board board;
        board.SetGridSize(n);
        board.FillSolved();
        board.Slide({n - 1, n - 2}, {n - 1, n - 1});
        const fs::path file = dir / name;
        WriteBytes(file, EncodeSavedGame(board, seconds));
        return file;
    }

    // The last message box shown: its exact text and caption, and the stop icon.
    void ExpectMessage(const char* text, const char* caption,
                       QMessageBox::StandardButtons buttons = QMessageBox::Ok) const
    {
        ASSERT_FALSE(prompter.Messages().empty());
        const Message& shown = prompter.Messages().back();
        EXPECT_EQ(shown.text, text);
        EXPECT_EQ(shown.caption, caption);
        EXPECT_EQ(shown.buttons, buttons);
        EXPECT_EQ(shown.icon, QMessageBox::Critical);
    }
    void ExpectSavingError() const
    {
        ExpectMessage("An Error has occured while saving.\nPlease click on OK to continue.", "Saving Error");
    }
    void ExpectInvalidFile() const { ExpectMessage("Invaid TLR file.\nUnable to Open", "Tilora : Error"); }
    // The one file dialog asked for: a saved game's, of this kind and title.
    void ExpectGameFileAsked(FileRequest::Kind kind, const char* title) const
    {
        ASSERT_EQ(prompter.FileRequests().size(), 1u);
        const FileRequest& request = prompter.FileRequests()[0];
        EXPECT_EQ(request.kind, kind);
        EXPECT_EQ(request.title, title);
        EXPECT_EQ(request.filter, QtFileFilter("Tilora Files(*.TLR)|*.tlr|All Files (*.*)|*.*|"));
        EXPECT_EQ(request.defaultSuffix, "tlr");
    }
};

TEST_F(SaveGameTest, SaveWithNoGameDoesNothingAtAll)
{
    window->OnSaveGame();
    EXPECT_TRUE(prompter.Log().isEmpty());
    EXPECT_FALSE(window->TimerRunning());
}

TEST_F(SaveGameTest, SaveAsksForAFileAndWritesBoardAndCount)
{
    StartGame(5, 7);
    const fs::path file = dir / "game.tlr";
    prompter.ChooseFileAnswer(Q(file));
    ASSERT_TRUE(window->Menu().saveGame->isEnabled());
    window->Menu().saveGame->trigger();

    ExpectGameFileAsked(FileRequest::Kind::Save, "Tilora : Save Game Progress");
    EXPECT_TRUE(prompter.Messages().empty());  // nothing is shown on success

    const ReadResult read = ReadSavedGame(file);
    ASSERT_EQ(read.status, ReadStatus::Loaded);
    EXPECT_EQ(read.game.gridSize, 5);
    EXPECT_EQ(read.game.cells, Cells());
    EXPECT_EQ(read.game.seconds, 7);
    EXPECT_EQ(fs::file_size(file), 138u);
    // The game goes on.
    EXPECT_TRUE(window->Playing());
    EXPECT_TRUE(window->TimerRunning());
    EXPECT_EQ(window->Seconds(), 7);
}

TEST_F(SaveGameTest, SaveStopsTheTimerWhileItsDialogIsOpenAndOpenDoesNot)
{
    std::vector<bool> runningInDialog;
    WatchingPrompter watching(prompter, [&] { runningInDialog.push_back(window->TimerRunning()); });
    window = std::make_unique<CPuzzleDlg>(PuzzleEnvironment{watching, Scores(), random, [this] { return now; }});
    StartGame();

    prompter.ChooseFileAnswer({});
    window->OnSaveGame();
    // Cancelled: the timer runs again and the count did not move meanwhile.
    EXPECT_TRUE(window->TimerRunning());
    EXPECT_EQ(window->Seconds(), 3);

    prompter.Answer(QMessageBox::Yes);
    prompter.ChooseFileAnswer({});
    window->OnOpenGame();
    EXPECT_EQ(runningInDialog, (std::vector<bool>{false, true}));
    window.reset();  // it refers to `watching`
}

TEST_F(SaveGameTest, SaveWhilePausedWritesTheFileAndLeavesTheTimerStopped)
{
    StartGame();
    window->OnPauseRestart();
    const fs::path file = dir / "paused.tlr";
    prompter.ChooseFileAnswer(Q(file));
    window->OnSaveGame();
    EXPECT_EQ(ReadSavedGame(file).status, ReadStatus::Loaded);
    EXPECT_FALSE(window->TimerRunning());
    EXPECT_TRUE(window->Paused());

    prompter.ChooseFileAnswer({});
    window->OnSaveGame();
    EXPECT_FALSE(window->TimerRunning());
}

TEST_F(SaveGameTest, AFailedSaveIsReportedAndTheGameGoesOn)
{
    StartGame();
    WriteBytes(dir / "plain", "a file, not a folder");
    prompter.ChooseFileAnswer(Q(dir / "plain" / "game.tlr"));
    prompter.Answer(QMessageBox::Ok);
    window->OnSaveGame();
    ExpectSavingError();
    EXPECT_TRUE(window->Playing());
    EXPECT_TRUE(window->TimerRunning());
}

TEST_F(SaveGameTest, ASaveThatRunsOutOfRoomLeavesTheOldFileIntact)
{
    const fs::path file = SavedFile("old.tlr", 10, 444);  // 513 bytes
    const std::string before = ReadBytes(file);
    StartGame(4, 2);

    prompter.ChooseFileAnswer(Q(file));
    prompter.Answer(QMessageBox::Ok);
    {
        FileSizeLimit limit(40);  // less than the 93 bytes of the new file
        ASSERT_TRUE(limit.Active());
        window->OnSaveGame();
    }
    ExpectSavingError();
    EXPECT_EQ(ReadBytes(file), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1)
        << "a temporary file was left behind";
}

TEST_F(SaveGameTest, OpenDuringAGameAsksAndNoChangesNothing)
{
    StartGame();
    const std::vector<int> cells = Cells();
    prompter.Answer(QMessageBox::No);
    window->OnOpenGame();
    ExpectMessage("Are you sure you want to quit the present game?", "Tilora : Confirm",
                  QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(prompter.FileRequests().empty());
    EXPECT_TRUE(window->Playing());
    EXPECT_TRUE(window->TimerRunning());
    EXPECT_EQ(Cells(), cells);
}

TEST_F(SaveGameTest, OpenAnsweredYesThenCancelledLeavesNoGameWithTheCountRising)
{
    StartGame();
    prompter.Answer(QMessageBox::Yes);
    prompter.ChooseFileAnswer({});
    ASSERT_TRUE(window->Menu().openGame->isEnabled());
    window->Menu().openGame->trigger();

    ExpectGameFileAsked(FileRequest::Kind::Open, "Tilora : Load Game Progress");

    EXPECT_FALSE(window->Playing());
    EXPECT_TRUE(window->TimerRunning());
    window->OnTimer();
    EXPECT_EQ(window->Seconds(), 4);
}

TEST_F(SaveGameTest, ABitmapChosenThroughAllFilesIsRefusedAndTheGridSizeStays)
{
    StartGame(8, 5);
    const std::vector<int> cells = Cells();
    std::string bitmap("BM\x76\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0", 18);
    bitmap.resize(118, '\x11');
    WriteBytes(dir / "picture.bmp", bitmap);

    prompter.Answer(QMessageBox::Yes);
    prompter.ChooseFileAnswer(Q(dir / "picture.bmp"));
    prompter.Answer(QMessageBox::Ok);
    window->OnOpenGame();
    ExpectInvalidFile();
    EXPECT_EQ(window->GetBoard().GridSize(), 8);
    EXPECT_EQ(Cells(), cells);
    EXPECT_EQ(window->Seconds(), 5);
    EXPECT_FALSE(window->Playing());
}

TEST_F(SaveGameTest, BrokenFilesChangeNothingOfTheGame)
{
    StartGame(5, 9);
    const std::vector<int> cells = Cells();
    const std::string good = ReadBytes(SavedFile("good.tlr", 10, 1));
    WriteBytes(dir / "cut-in-tag.tlr", good.substr(0, 2));
    WriteBytes(dir / "cut-in-size.tlr", good.substr(0, 6));
    WriteBytes(dir / "cut-in-body.tlr", good.substr(0, 300));
    WriteBytes(dir / "cut-in-seconds.tlr", good.substr(0, good.size() - 1));

    prompter.Answer(QMessageBox::Yes);
    prompter.ChooseFileAnswer(Q(dir / "missing.tlr"));
    prompter.Answer(QMessageBox::Ok);
    window->OnOpenGame();
    ExpectMessage("Error while Opening File.\n       Click on OK to Abort.", "Tilora : Error");

    for (const char* name : {"cut-in-tag.tlr", "cut-in-size.tlr", "cut-in-body.tlr", "cut-in-seconds.tlr"}) {
        prompter.ChooseFileAnswer(Q(dir / name));
        prompter.Answer(QMessageBox::Ok);
        window->OnOpenGame();  // no game now, so no question
        ExpectInvalidFile();
        EXPECT_EQ(window->GetBoard().GridSize(), 5) << name;
        EXPECT_EQ(Cells(), cells) << name;
        EXPECT_EQ(window->Seconds(), 9) << name;
        EXPECT_FALSE(window->Playing()) << name;
    }
}

TEST_F(SaveGameTest, ATenByTenFileSwitchesTheGridSizeForLaterGames)
{
    prompter.ChooseFileAnswer(Q(SavedFile("ten.tlr", 10, 42)));
    window->OnOpenGame();
    EXPECT_TRUE(prompter.Messages().empty());
    EXPECT_TRUE(window->Playing());
    EXPECT_TRUE(window->TimerRunning());
    EXPECT_EQ(window->GetBoard().GridSize(), 10);
    EXPECT_EQ(window->Seconds(), 42);
    EXPECT_EQ(ShownCount(), "42");
    EXPECT_EQ(window->GetBoard().Cell(9, 8), 100);

    prompter.Answer(QMessageBox::Yes);
    window->OnNew();
    EXPECT_EQ(window->GetBoard().GridSize(), 10);
    std::vector<int> tiles = Cells();
    std::sort(tiles.begin(), tiles.end());
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(tiles[static_cast<std::size_t>(i)], i + 1);
}

TEST_F(SaveGameTest, AFileWithNoBlankLoadsAGameInWhichNothingMoves)
{
    std::string bytes("TL\0" "4\0\0\0\0", 8);
    for (int i = 0; i < 16; ++i)
        bytes += std::string(i % 2 ? "2\0\0\0\0" : "1\0\0\0\0", 5);
    bytes += std::string("0\0\0\0\0", 5);
    WriteBytes(dir / "noblank.tlr", bytes);
    prompter.ChooseFileAnswer(Q(dir / "noblank.tlr"));
    window->OnOpenGame();
    ASSERT_TRUE(window->Playing());
    const std::vector<int> cells = Cells();

    for (const QPoint point : {QPoint(10, 10), QPoint(250, 250), QPoint(170, 90), QPoint(319, 319)})
        DoubleClick(point);
    Drag({10, 10}, {100, 10});
    EXPECT_EQ(Cells(), cells);
    EXPECT_TRUE(window->Playing());
}

TEST_F(SaveGameTest, APausedPlayerOpensAFilePaused)
{
    StartGame();
    window->OnPauseRestart();
    prompter.Answer(QMessageBox::Yes);
    prompter.ChooseFileAnswer(Q(SavedFile("five.tlr", 5, 61)));
    window->OnOpenGame();
    EXPECT_TRUE(window->Playing());
    EXPECT_TRUE(window->Paused());
    EXPECT_FALSE(window->TimerRunning());
    EXPECT_EQ(window->Seconds(), 61);

    window->OnPauseRestart();
    EXPECT_TRUE(window->TimerRunning());
    window->OnTimer();
    EXPECT_EQ(window->Seconds(), 62);
}

TEST_F(SaveGameTest, AGameSavedInOneWindowIsTakenUpInANewOne)
{
    StartGame(5, 12);
    const std::vector<int> cells = Cells();
    const fs::path file = dir / "carry.tlr";
    prompter.ChooseFileAnswer(Q(file));
    window->OnSaveGame();

    Open();  // a later run of the program
    ASSERT_EQ(window->GetBoard().GridSize(), 4);
    prompter.ChooseFileAnswer(Q(file));
    window->OnOpenGame();
    EXPECT_EQ(window->GetBoard().GridSize(), 5);
    EXPECT_EQ(Cells(), cells);
    EXPECT_EQ(window->Seconds(), 12);
    EXPECT_EQ(ShownCount(), "12");
    EXPECT_TRUE(window->Playing());
    EXPECT_TRUE(window->TimerRunning());
}

}  // namespace
}  // namespace tilora::test
