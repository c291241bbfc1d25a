// SPDX-License-Identifier: GPL-3.0-or-later
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QToolButton>

#include <functional>

#include "AllMessages.h"
#include "PuzzleFixture.h"
#include "app/dialogs/AboutDlg.h"
#include "app/dialogs/BlocksDlg.h"
#include "app/dialogs/InstructionsDlg.h"
#include "app/dialogs/LevelDlg.h"
#include "app/dialogs/StatisticsDlg.h"
#include "app/prompts/Messages.h"
#include "app/prompts/PictureMessages.h"
#include "app/prompts/SaveGameMessages.h"
#include "app/startup/Translations.h"
#include "display/BoardPainter.h"
#include "display/PaintGeometry.h"
#include "scores/BestScoresDlg.h"
#include "scores/HighScoreDlg.h"
#include "ui/DialogUnits.h"

namespace tilora::test {
namespace {

using MainWindowTest = PuzzleFixture;

// One line per entry: "text id", "-" for a separator, "text >" for a popup followed by
// its own entries indented.
QStringList Describe(const QList<QAction*>& actions, const QString& indent = {})
{
    QStringList lines;
    for (const QAction* action : actions) {
        if (action->isSeparator())
            lines << indent + "-";
        else if (action->menu() != nullptr)
            lines << indent + action->text() + " >" << Describe(action->menu()->actions(), indent + "  ");
        else
            lines << indent + action->text() + " " + action->data().toString();
    }
    return lines;
}

QAction* FindAction(QWidget* root, const char* name)
{
    auto* action = root->findChild<QAction*>(QString::fromLatin1(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
}

// The control rectangles of a dialog, each converted from dialog units on its own.
struct Placed {
    const char* name;
    QRect rect;
};

void ExpectPlaced(const QWidget& dialog, std::initializer_list<Placed> controls)
{
    for (const Placed& p : controls) {
        const auto* widget = dialog.findChild<QWidget*>(QString::fromLatin1(p.name));
        ASSERT_NE(widget, nullptr) << p.name;
        EXPECT_EQ(widget->geometry(), p.rect) << p.name;
    }
}

// Every text of `dialog` fits the room its control gives it: labels in their contents
// rectangle (wrapped where the label wraps), group-box titles and button texts across
// their width. Measured with the font each control really uses.
void ExpectNoTextClipped(const QWidget& dialog)
{
    int checked = 0;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        const QFontMetrics metrics(label->font());
        const QRect room = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needed = metrics.boundingRect(QRect(room.topLeft(), QSize(room.width(), 10'000)), flags, label->text());
        EXPECT_LE(needed.width(), room.width()) << label->objectName().toStdString();
        EXPECT_LE(needed.height(), room.height()) << label->objectName().toStdString();
        ++checked;
    }
    for (const QGroupBox* box : dialog.findChildren<QGroupBox*>()) {
        // Where the style puts the title, sized by the title's text, must lie inside the box.
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        option.textAlignment = box->alignment();
        const QRect title = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        EXPECT_GE(title.width(), QFontMetrics(box->font()).horizontalAdvance(box->title()));
        EXPECT_TRUE(box->rect().contains(title)) << box->objectName().toStdString();
        ++checked;
    }
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (!button->isVisibleTo(&dialog))
            continue;
        const QFontMetrics metrics(button->font());
        EXPECT_LE(metrics.horizontalAdvance(button->text()), button->width()) << button->objectName().toStdString();
        EXPECT_LE(metrics.height(), button->height()) << button->objectName().toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 0) << "no text found in " << dialog.objectName().toStdString();
}

TEST_F(MainWindowTest, MenuHasTheGamesEntriesInOrder)
{
    const QStringList expected{"&Game >",
                               "  &New 32771",
                               "  -",
                               "  &Open Game 32783",
                               "  &Save Game 32784",
                               "  &Copy Deal 32805",
                               "  &Paste Deal 32806",
                               "  -",
                               "  &Best Scores 32774",
                               "  Difficulty &Level 32775",
                               "  No. of Bloc&ks 32786",
                               "  -",
                               "  &Undo 32787",
                               "  &Redo 32788",
                               "  &Hint 32789",
                               "  S&tatistics... 32790",
                               "  Repl&ay Last Game... 32807",
                               "  -",
                               "  E&xit 32772",
                               " 65535",
                               "&Picture >",
                               "  &Open Picture 32777",
                               "  Change &Picture >",
                               "    &Bars 32779",
                               "    &Flintstones 32780",
                               "    &Winnie the Pooh 32781",
                               "    &Doughnuts 32782",
                               "&Help >",
                               "  &About ... 32773",
                               "  &How To Play 32785",
                               "&View >",
                               "  Zoom &In 32800",
                               "  Zoom &Out 32801",
                               "  &Actual Size 32802",
                               "  -",
                               "  &Numbers on Blocks 32803",
                               "  Show &Moves 32804",
                               "  Animate &Slides >",
                               "    As the &Desktop Wishes 32805",
                               "    &Always 32806",
                               "    &Never 32807"};
    QMenuBar* bar = window->Menu().bar;
    EXPECT_EQ(Describe(bar->actions()), expected);

    // Pause/Restart is a command on the bar itself, at its right end.
    auto* corner = qobject_cast<QToolButton*>(bar->cornerWidget(Qt::TopRightCorner));
    ASSERT_NE(corner, nullptr);
    EXPECT_EQ(corner->defaultAction(), window->Menu().pauseRestart);
    EXPECT_EQ(window->Menu().pauseRestart->text(), "&Pause/Restart");
    EXPECT_EQ(window->Menu().pauseRestart->data().toInt(), 32778);
    window->show();
    const QRect help = bar->actionGeometry(bar->actions().constLast());
    EXPECT_GT(corner->geometry().left(), help.right());
    EXPECT_GE(corner->geometry().right(), bar->width() - 8);
}

TEST_F(MainWindowTest, EveryMenuActionReachesItsHandler)
{
    const char* pictureNames[] = {"actionBars", "actionFlintstones", "actionWinnieThePooh", "actionDoughnuts"};
    const auto checkedPictures = [&] {
        QStringList on;
        for (const char* name : pictureNames)
            if (FindAction(window.get(), name)->isChecked())
                on << QString::fromLatin1(name);
        return on;
    };
    // Each row: the action, what comes before it, the answers it needs, and what its
    // handler alone does.
    struct Row {
        const char* action;
        std::function<void()> before;
        std::function<void()> check;
    };
    const auto none = [] {};
    const auto asked = [this](const char* entry) {
        return [this, entry] { EXPECT_EQ(prompter.Log(), QStringList{QString::fromUtf8(entry)}); };
    };
    const auto choosePicture = [&](int picture) {
        return [&, picture] {
            EXPECT_EQ(window->Picture(), picture);
            EXPECT_EQ(checkedPictures(), QStringList{QString::fromLatin1(pictureNames[picture - 1])});
        };
    };
    const auto startGame = [this] { window->OnNew(); };
    const Row rows[] = {
        {"actionNew", none, [this] { EXPECT_TRUE(window->Playing()); }},
        {"actionPauseRestart", startGame, [this] { EXPECT_TRUE(window->Paused()); }},
        {"actionOpenGame", [this] { prompter.ChooseFileAnswer({}); }, asked("file: Tilora : Load Game Progress")},
        {"actionSaveGame", [this, startGame] { startGame(); prompter.ChooseFileAnswer({}); }, asked("file: Tilora : Save Game Progress")},
        {"actionBestScores", [this] { prompter.OnDialog(PressOk()); }, asked("dialog: Tilora:  Best Scores")},
        {"actionLevel", [this] { prompter.OnDialog(PressEscape()); }, asked("dialog: Tilora : Level of Difficulty")},
        {"actionBlocks", [this] { prompter.OnDialog(PressEscape()); }, asked("dialog: Tilora : No. of Blocks")},
        {"actionExit", [this] { window->show(); }, [this] { EXPECT_FALSE(window->isVisible()); }},
        {"actionOpenPicture", [this] { prompter.ChooseFileAnswer({}); }, asked("file: Load Image")},
        {"actionFlintstones", none, choosePicture(2)},
        {"actionWinnieThePooh", none, choosePicture(3)},
        {"actionDoughnuts", none, choosePicture(4)},
        // Choosing the picture in use again keeps its check mark.
        {"actionBars", none, choosePicture(1)},
        {"actionAbout", [this] { prompter.OnDialog(PressOk()); }, asked("dialog: About Tilora")},
        {"actionHowToPlay", [this] { prompter.OnDialog(PressOk()); }, asked("dialog: Tilora : Instructions")},
        {"actionEmpty", none, [this] {
             EXPECT_FALSE(window->Playing());
             EXPECT_TRUE(prompter.Log().isEmpty());
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.action);
        prompter.Clear();
        Open();
        row.before();
        QAction* action = FindAction(window.get(), row.action);
        ASSERT_NE(action, nullptr);
        ASSERT_TRUE(action->isEnabled());
        action->trigger();
        row.check();
        EXPECT_TRUE(prompter.Exhausted());
    }
}

TEST_F(MainWindowTest, EnterDoesNothingDuringAGame)
{
    window->show();
    window->OnNew();
    QTest::keyClick(window.get(), Qt::Key_Return);
    QTest::keyClick(window.get(), Qt::Key_Enter);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->Playing());
    EXPECT_TRUE(window->TimerRunning());
}

// Without a game Esc and the close box close at once. During one a stray Esc does not lose
// the game: it asks as Exit does, as the close box and the system menu's Close do, and
// only Yes closes.
TEST_F(MainWindowTest, EscapeAndTheCloseCommandsAskOnlyDuringAGame)
{
    struct Case {
        const char* how;
        bool game;
        QMessageBox::StandardButton answer;  // NoButton: nothing is asked
        std::function<void(CPuzzleDlg&)> close;
        bool closes;
    };
    const auto escape = [](CPuzzleDlg& w) { QTest::keyClick(&w, Qt::Key_Escape); };
    const auto closeBox = [](CPuzzleDlg& w) { w.close(); };
    // The system menu's Close, with the windowing system's own low four bits set.
    const auto systemClose = [](CPuzzleDlg& w) { w.OnSysCommand(0xF062); };
    const Case cases[] = {
        {"Esc without a game", false, QMessageBox::NoButton, escape, true},
        {"the close box without a game", false, QMessageBox::NoButton, closeBox, true},
        {"Esc answered No", true, QMessageBox::No, escape, false},
        {"Esc answered Yes", true, QMessageBox::Yes, escape, true},
        {"the close box answered No", true, QMessageBox::No, closeBox, false},
        {"the system menu's Close answered Yes", true, QMessageBox::Yes, systemClose, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        prompter.Clear();
        Open();
        window->show();
        if (c.game)
            window->OnNew();
        if (c.answer != QMessageBox::NoButton)
            prompter.Answer(c.answer);
        c.close(*window);
        EXPECT_EQ(window->isVisible(), !c.closes);
        if (c.closes) {
            EXPECT_EQ(window->result(), QDialog::Rejected);
        } else {
            EXPECT_TRUE(window->Playing());
        }
        if (!c.game) {
            EXPECT_TRUE(prompter.Messages().empty());
            continue;
        }
        EXPECT_EQ(prompter.Log(), QStringList{"message: Exit Game: Confirm"});
        ASSERT_EQ(prompter.Messages().size(), 1U);
        const Message& asked = prompter.Messages()[0];
        const Message exit = messages::ConfirmExit();
        EXPECT_EQ(asked.text, exit.text);
        EXPECT_EQ(asked.caption, exit.caption);
        EXPECT_EQ(asked.buttons, exit.buttons);
        EXPECT_EQ(asked.icon, exit.icon);
    }
}

TEST_F(MainWindowTest, RightClickOpensTheSystemMenuWithAbout)
{
    window->show();
    QWidget* client = window->ClientArea();
    const QPoint point(100, 100);
    QContextMenuEvent click(QContextMenuEvent::Mouse, point, client->mapToGlobal(point));
    QApplication::sendEvent(client, &click);
    QMenu* menu = window->SystemMenu();
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(Describe(menu->actions()), (QStringList{"Mi&nimize 61472", "&Close 61536", "-", "&About Tilora... 16"}));

    prompter.OnDialog(PressOk());
    FindAction(menu, "sysAbout")->trigger();
    EXPECT_EQ(prompter.DialogTitles(), QStringList{"About Tilora"});
    menu->hide();

    // Alt+Space opens the same menu, where the window manager passes the key on.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_Space, Qt::AltModifier);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
}

// Close (0xF062) is in the table above.
TEST_F(MainWindowTest, SystemCommandsIgnoreTheLowFourBits)
{
    prompter.OnDialog(PressOk());
    window->OnSysCommand(0x0013);  // About, with the windowing system's own bits set
    EXPECT_EQ(prompter.DialogTitles(), QStringList{"About Tilora"});
}

TEST_F(MainWindowTest, WindowIsCaptionedMinimisableMaximisableAndCentredOnTheScreen)
{
    EXPECT_EQ(window->windowTitle(), "Tilora");
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    window->show();
    const QRect screen = window->screen()->availableGeometry();
    const QPoint offset = window->frameGeometry().center() - screen.center();
    EXPECT_LE(offset.manhattanLength(), 2);
}

TEST_F(MainWindowTest, MainWindowControlsSitAtTheirConvertedRectangles)
{
    QWidget* client = window->ClientArea();
    EXPECT_EQ(client->size(), QSize(437, 330));  // the template's 437 wide, and room for the 10 x 10 board
    EXPECT_EQ(DluSize(291, 197), QSize(437, 320));
    ExpectPlaced(*client, {{"dummyButton", {293, 24, 9, 10}},
                           {"completePictureBox", {333, 163, 99, 106}},
                           {"secondsBox", {333, 270, 99, 50}},
                           {"secondsField", {344, 289, 77, 20}},
                           {"introText", {333, 0, 99, 163}}});
    window->show();
    EXPECT_EQ(client->geometry().topLeft(), QPoint(0, window->Menu().bar->height()));
    EXPECT_FALSE(client->findChild<QPushButton*>(QStringLiteral("dummyButton"))->isVisible());
    ExpectNoTextClipped(*client);
}

TEST_F(MainWindowTest, AboutBoxControlsSitAtTheirConvertedRectanglesAndFit)
{
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), "About Tilora");
    EXPECT_EQ(about.size(), DluSize(157, 127));
    ExpectPlaced(about, {{"titleText", DluRect(22, 7, 112, 25)},
                         {"versionText", DluRect(59, 36, 38, 8)},
                         {"iconLabel", {DluRect(68, 48, 20, 20).topLeft(), QSize(32, 32)}},  // sized by its icon
                         {"creditText", DluRect(48, 75, 61, 16)},
                         {"creditToolkit", DluRect(48, 94, 61, 8)},
                         {"okButton", DluRect(62, 106, 32, 14)}});
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("titleText"))->text(), "Tilora\n\nA Tilora puzzle with a difference!");
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("versionText"))->text(), "Version " TILORA_VERSION);
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("creditToolkit"))->text(), "Licence: GPL v3+");
    EXPECT_TRUE(about.font().bold());
    const QPixmap icon = about.findChild<QLabel*>(QStringLiteral("iconLabel"))->pixmap();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(32, 32));
    // The icon's own 32-pixel image, not one scaled from another size. Compared
    // premultiplied, as a pixmap holds it: back to straight alpha a pixel may round off.
    const QImage drawn =
        QImage(QStringLiteral(":/tilora/icons/tilora-32.png")).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(icon.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), drawn);
    EXPECT_TRUE(about.findChild<QPushButton*>(QStringLiteral("okButton"))->isDefault());
    ExpectNoTextClipped(about);
}

TEST_F(MainWindowTest, InstructionsBoxTextsAreWordForWordAndFit)
{
    CInstructionsDlg box;
    EXPECT_EQ(box.windowTitle(), "Tilora : Instructions");
    EXPECT_EQ(box.size(), DluSize(205, 262));
    ExpectPlaced(box, {{"headingText", DluRect(69, 7, 67, 8)},
                       {"subheadingText", DluRect(84, 19, 37, 8)},
                       {"aimText", DluRect(11, 35, 183, 35)},
                       {"movesText", DluRect(11, 74, 183, 32)},
                       {"mouseText", DluRect(11, 110, 183, 17)},
                       {"keysText", DluRect(11, 130, 183, 38)},
                       {"listeningText", DluRect(11, 172, 183, 48)},
                       {"closingText", DluRect(70, 226, 64, 8)},
                       {"okButton", DluRect(77, 241, 50, 14)}});
    // The double blank and the slip are the game's own.
    EXPECT_TRUE(box.findChild<QLabel*>(QStringLiteral("aimText"))->text().startsWith("The  aim of the game"));
    EXPECT_TRUE(box.findChild<QLabel*>(QStringLiteral("movesText"))->text().endsWith("Only one block can me moved at a time."));
    ExpectNoTextClipped(box);
}

// The game as a player of each shipped language sees it. The translation is installed
// before the window is built, as the program does.
class TranslatedWindowTest : public PuzzleFixture, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override
    {
        translation = std::make_unique<GameTranslation>(QString::fromLatin1(GetParam()));
        ASSERT_TRUE(translation->IsLoaded());
        Open();
    }

    // Every text the player can read in the window, its menus and dialogs, in a fixed order.
    QStringList VisibleTexts()
    {
        QStringList texts;
        const auto addWidgets = [&texts](const QWidget& root) {
            texts << root.windowTitle();
            for (const QLabel* label : root.findChildren<QLabel*>())
                texts << label->text();
            for (const QGroupBox* box : root.findChildren<QGroupBox*>())
                texts << box->title();
            for (const QAbstractButton* button : root.findChildren<QAbstractButton*>())
                if (button->isVisibleTo(&root))
                    texts << button->text();
        };
        addWidgets(*window);
        for (const QAction* action : window->findChildren<QAction*>())
            texts << action->text();
        for (const QMenu* menu : window->findChildren<QMenu*>())
            texts << menu->title();
        addWidgets(CAboutDlg());
        addWidgets(CInstructionsDlg());
        addWidgets(CBlocksDlg());
        const ProfileStore store = Scores();
        addWidgets(CLevelDlg(store, prompter));
        addWidgets(CHighScoreDlg());
        addWidgets(CBestScoresDlg(store));
        addWidgets(CStatisticsDlg(window->Record(), prompter));
        for (const auto& [function, m] : AllMessages())
            texts << m.text << m.caption;
        texts << messages::BitmapFilter() << messages::LoadImageRequest({}).title << messages::SavedGameFilter()
              << messages::SaveGameTitle() << messages::OpenGameTitle() << BoardPainter::StartLine()
              << BoardPainter::CreditLine();
        texts.removeAll(QString());
        return texts;
    }

    std::unique_ptr<GameTranslation> translation;
};

// No English is left: every text differs from the English one, but for names and words
// that the language shares with English.
TEST_P(TranslatedWindowTest, EveryVisibleTextIsTranslated)
{
    const QStringList translated = VisibleTexts();
    translation.reset();
    Open();
    const QStringList english = VisibleTexts();
    ASSERT_EQ(translated.size(), english.size());
    const QStringList shared{"Tilora", "OK", "Version 1.0", "Name", "Score",
                             "4 x 4", "5 x 5", "8 x 8", "10 x  10", "10 x 10"};
    for (qsizetype i = 0; i < english.size(); ++i) {
        if (!shared.contains(english[i])) {
            EXPECT_NE(translated[i].toStdString(), english[i].toStdString()) << GetParam();
        }
    }
}

// Each translated text fits its control at the dialogs' fixed sizes, and the title
// screen's lines end inside the board, clear of the side panel.
TEST_P(TranslatedWindowTest, EveryTextFitsItsControl)
{
    window->show();
    ExpectNoTextClipped(*window->ClientArea());
    ExpectNoTextClipped(CAboutDlg());
    ExpectNoTextClipped(CInstructionsDlg());
    ExpectNoTextClipped(CBlocksDlg());
    const ProfileStore store = Scores();
    ExpectNoTextClipped(CLevelDlg(store, prompter));
    ExpectNoTextClipped(CHighScoreDlg());
    ExpectNoTextClipped(CBestScoresDlg(store));

    const QFontMetrics title(BoardPainter::TitleFont());
    const int boardRight = 10 * geometry::Pitch(10);
    EXPECT_LE(geometry::kTitleLine1At.x() + title.horizontalAdvance(BoardPainter::StartLine()), boardRight);
    EXPECT_LE(geometry::kTitleLine2At.x() + title.horizontalAdvance(BoardPainter::CreditLine()), boardRight);
}

// Within the menu bar and within each menu, no two entries share an accelerator letter.
TEST_P(TranslatedWindowTest, NoTwoEntriesOfAMenuShareAnAccelerator)
{
    std::vector<QList<QAction*>> menus{window->Menu().bar->actions() << window->Menu().pauseRestart};
    for (const QMenu* menu : window->findChildren<QMenu*>())
        menus.push_back(menu->actions());
    for (const auto& actions : menus) {
        QStringList letters;
        for (const QAction* action : actions) {
            const QString mnemonic = QKeySequence::mnemonic(action->text()).toString();
            if (!mnemonic.isEmpty()) {
                EXPECT_FALSE(letters.contains(mnemonic)) << GetParam() << ": " << action->text().toStdString();
                letters << mnemonic;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, TranslatedWindowTest, ::testing::Values("de", "fr"));

}  // namespace
}  // namespace tilora::test
