#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QToolButton>

#include "PuzzleFixture.h"
#include "app/AboutDlg.h"
#include "app/DialogUnits.h"
#include "app/InstructionsDlg.h"

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
                               "  -",
                               "  &Best Scores 32774",
                               "  Difficulty &Level 32775",
                               "  No. of Bloc&ks 32786",
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
                               "  &Actual Size 32802"};
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

TEST_F(MainWindowTest, CheckMarkFollowsThePictureChosenFromTheMenu)
{
    const char* names[] = {"actionBars", "actionFlintstones", "actionWinnieThePooh", "actionDoughnuts"};
    auto checkedOnes = [&] {
        QStringList on;
        for (const char* name : names)
            if (FindAction(window.get(), name)->isChecked())
                on << QString::fromLatin1(name);
        return on;
    };
    EXPECT_EQ(checkedOnes(), QStringList{"actionBars"});
    for (int picture : {4, 2, 3, 1}) {
        QAction* action = FindAction(window.get(), names[picture - 1]);
        ASSERT_TRUE(action->isEnabled());
        action->trigger();
        EXPECT_EQ(window->Picture(), picture);
        EXPECT_EQ(checkedOnes(), QStringList{QString::fromLatin1(names[picture - 1])});
    }
}

TEST_F(MainWindowTest, EnterDoesNothingAndEscapeClosesAtOnceDuringAGame)
{
    window->show();
    window->OnNew();
    QTest::keyClick(window.get(), Qt::Key_Return);
    QTest::keyClick(window.get(), Qt::Key_Enter);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->Playing());
    EXPECT_TRUE(window->TimerRunning());

    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_TRUE(prompter.Messages().empty());  // no question on the way out
}

TEST_F(MainWindowTest, HelpMenuOpensAboutAndHowToPlay)
{
    prompter.OnDialog(PressOk());
    prompter.OnDialog(PressOk());
    for (const char* name : {"actionAbout", "actionHowToPlay"}) {
        QAction* action = FindAction(window.get(), name);
        ASSERT_TRUE(action->isEnabled());
        action->trigger();
    }
    EXPECT_EQ(prompter.DialogTitles(), (QStringList{"About Tilora", "Tilora : Instructions"}));
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

TEST_F(MainWindowTest, SystemCommandsIgnoreTheLowFourBits)
{
    prompter.OnDialog(PressOk());
    window->OnSysCommand(0x0013);  // About, with the windowing system's own bits set
    EXPECT_EQ(prompter.DialogTitles(), QStringList{"About Tilora"});

    window->show();
    window->OnNew();
    window->OnSysCommand(0xF062);  // the close box: no question, even during a game
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_TRUE(prompter.Messages().empty());
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
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("versionText"))->text(), "Version 1.0");
    EXPECT_TRUE(about.font().bold());
    const QPixmap icon = about.findChild<QLabel*>(QStringLiteral("iconLabel"))->pixmap();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(32, 32));
    // The icon's own 32-pixel image, not one scaled from another size.
    const QImage drawn = QImage(QStringLiteral(":/tilora/icons/tilora-32.png")).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(icon.toImage().convertToFormat(QImage::Format_ARGB32), drawn);
    EXPECT_TRUE(about.findChild<QPushButton*>(QStringLiteral("okButton"))->isDefault());
    ExpectNoTextClipped(about);
}

TEST_F(MainWindowTest, InstructionsBoxTextsAreWordForWordAndFit)
{
    CInstructionsDlg box;
    EXPECT_EQ(box.windowTitle(), "Tilora : Instructions");
    EXPECT_EQ(box.size(), DluSize(205, 167));
    ExpectPlaced(box, {{"headingText", DluRect(69, 7, 67, 8)},
                       {"subheadingText", DluRect(84, 19, 37, 8)},
                       {"aimText", DluRect(11, 35, 183, 35)},
                       {"movesText", DluRect(11, 74, 183, 32)},
                       {"mouseText", DluRect(11, 110, 183, 17)},
                       {"closingText", DluRect(70, 131, 64, 8)},
                       {"okButton", DluRect(77, 146, 50, 14)}});
    // The double blank and the slip are the game's own.
    EXPECT_TRUE(box.findChild<QLabel*>(QStringLiteral("aimText"))->text().startsWith("The  aim of the game"));
    EXPECT_TRUE(box.findChild<QLabel*>(QStringLiteral("movesText"))->text().endsWith("Only one block can me moved at a time."));
    ExpectNoTextClipped(box);
}

}  // namespace
}  // namespace tilora::test
