// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/BestScoresDlg.h"
#include "scores/HighScoreDlg.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

#include "ScoreFileFixture.h"
#include "ui/DialogUnits.h"

namespace tilora {
namespace {

class BestScoresDlgTest : public ScoreFileFixture {
protected:
    static QString Field(const QDialog& dialog, const char* name)
    {
        const auto* field = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
        EXPECT_NE(field, nullptr) << name;
        return field != nullptr ? field->text() : QString();
    }
    // Name, score and level of a row, e.g. Row(dialog, "4") = "Slow|20000|1".
    static QString Row(const QDialog& dialog, const std::string& grid)
    {
        return Field(dialog, ("name" + grid).c_str()) + "|" + Field(dialog, ("score" + grid).c_str()) + "|"
            + Field(dialog, ("level" + grid).c_str());
    }
};

TEST_F(BestScoresDlgTest, ShowsTheDefaultsWithNoFileAndTheTemplatesLayout)
{
    const CBestScoresDlg dialog(m_store);
    EXPECT_EQ(dialog.windowTitle(), "Tilora:  Best Scores");
    EXPECT_EQ(dialog.size(), DluSize(281, 198));
    for (const char* grid : {"4", "5", "8", "10"})
        EXPECT_EQ(Row(dialog, grid), "Slow|20000|1") << grid;

    const auto geometry = [&](const char* name) { return dialog.findChild<QWidget*>(QString::fromLatin1(name))->geometry(); };
    EXPECT_EQ(geometry("name4"), DluRect(15, 95, 68, 12));
    EXPECT_EQ(geometry("score5"), DluRect(88, 113, 68, 12));
    EXPECT_EQ(geometry("level4"), DluRect(161, 94, 68, 12));  // one unit above its row
    EXPECT_EQ(geometry("level10"), DluRect(161, 148, 68, 12));
    EXPECT_EQ(geometry("okButton"), DluRect(82, 174, 50, 17));
    EXPECT_EQ(geometry("resetButton"), DluRect(148, 174, 50, 17));
    EXPECT_EQ(geometry("levelHeading"), DluRect(161, 68, 67, 12));
    EXPECT_EQ(geometry("rowLabel10"), DluRect(240, 150, 24, 8));
    EXPECT_EQ(geometry("leftIcon"), DluRect(49, 20, 21, 20));
    EXPECT_EQ(geometry("rightIcon"), DluRect(223, 20, 21, 20));

    for (const QLineEdit* field : dialog.findChildren<QLineEdit*>()) {
        EXPECT_TRUE(field->isReadOnly()) << field->objectName().toStdString();
        EXPECT_EQ(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        EXPECT_TRUE(field->hasFrame());
    }
    EXPECT_EQ(dialog.findChildren<QLineEdit*>().size(), 12);
    EXPECT_TRUE(dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->isDefault());
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("resetButton"))->text(), "&Reset Scores");
}

TEST_F(BestScoresDlgTest, ShowsEachValueAsTheFileHoldsIt)
{
    WriteRaw("[High]\n4=437.\n40=abc     \n400=37\n10=19999\n100=Maximilian\n1000=1234567890\n");
    const CBestScoresDlg dialog(m_store);
    EXPECT_EQ(Row(dialog, "4"), "abc|437.|37");  // the trailing blanks are not read back
    EXPECT_EQ(Row(dialog, "5"), "Slow|20000|1");
    EXPECT_EQ(Row(dialog, "10"), "Maximilia|19999|123456789");  // cut to nine characters
}

TEST_F(BestScoresDlgTest, TabOrderGoesAlongEachRowThenToTheButtons)
{
    CBestScoresDlg dialog(m_store);
    QStringList order;
    QWidget* widget = dialog.findChild<QWidget*>(QStringLiteral("okButton"));
    ASSERT_EQ(dialog.focusWidget(), widget);  // the first control with a tab stop
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != dialog.findChild<QWidget*>(QStringLiteral("okButton")));
    EXPECT_EQ(order, QStringList({"okButton", "name4", "score4", "level4", "name5", "score5", "level5", "name8", "score8",
                                  "level8", "name10", "score10", "level10", "resetButton"}));
}

TEST_F(BestScoresDlgTest, ResetWritesTheDefaultsAtOnceAndShowsThemReadBack)
{
    WriteRaw("[Level]\nnumber=55\n[High]\n4=437.\n40=abc     \n400=37\n");
    CBestScoresDlg dialog(m_store);
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("resetButton")), Qt::LeftButton);
    for (const char* grid : {"4", "5", "8", "10"})
        EXPECT_EQ(Row(dialog, grid), "Slow|20000|1") << grid;
    EXPECT_TRUE(dialog.isVisible());  // no question, and the dialog stays open
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    // Cancelling does not undo it; the level is untouched.
    EXPECT_EQ(m_store.GetString("High", "4", "none"), "20000");
    EXPECT_EQ(m_store.GetString("High", "1000", "none"), "1");
    EXPECT_EQ(m_store.GetString("Level", "number", "none"), "55");
}

TEST_F(BestScoresDlgTest, OkAndTheCloseBoxAcceptEscCancelsAndNoneWrites)
{
    WriteRaw("[High]\n4=437.\n");
    {
        CBestScoresDlg dialog(m_store);
        dialog.show();
        dialog.close();  // the close box
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_FALSE(dialog.isVisible());
    }
    {
        CBestScoresDlg dialog(m_store);
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Return);  // the focus is on OK
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    {
        CBestScoresDlg dialog(m_store);
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(ReadRaw(), "[High]\n4=437.\n");
}

TEST_F(BestScoresDlgTest, BothIconsShowTheProgramsIcon)
{
    const bool resourceLinked = QFile::exists(QStringLiteral(":/tilora/icons/tilora-32.png"));
    const QIcon saved = QApplication::windowIcon();
    QPixmap red(32, 32);
    red.fill(Qt::red);
    QApplication::setWindowIcon(QIcon(red));
    CBestScoresDlg dialog(m_store);
    const QImage image = dialog.grab().toImage();
    QApplication::setWindowIcon(saved);
    for (const char* name : {"leftIcon", "rightIcon"}) {
        const auto* icon = dialog.findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_FALSE(icon->pixmap().isNull()) << name;
        if (!resourceLinked) {  // without the resources the application's icon is drawn
            const QPoint centre = icon->geometry().topLeft() + QPoint(16, 16);
            EXPECT_EQ(image.pixelColor(centre * image.devicePixelRatio()), QColor(Qt::red)) << name;
        }
    }
}

class HighScoreDlgTest : public ::testing::Test {
protected:
    HighScoreDlgTest() { m_dialog.show(); }
    QLineEdit* NameBox() const { return m_dialog.findChild<QLineEdit*>(QStringLiteral("nameEdit")); }
    // Types text as a keyboard or an input method delivers it: all of it in one key event.
    void Type(const QString& text)
    {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QApplication::sendEvent(NameBox(), &press);
    }

    CHighScoreDlg m_dialog;
};

TEST_F(HighScoreDlgTest, OpensEmptyWithTheFocusInTheNameBox)
{
    EXPECT_EQ(m_dialog.windowTitle(), "Tilora : High Score!");
    EXPECT_EQ(m_dialog.size(), DluSize(156, 111));
    EXPECT_EQ(m_dialog.focusWidget(), NameBox());
    EXPECT_EQ(NameBox()->geometry(), DluRect(44, 63, 67, 12));
    EXPECT_EQ(m_dialog.findChild<QWidget*>(QStringLiteral("okButton"))->geometry(), DluRect(53, 91, 50, 14));
    EXPECT_TRUE(NameBox()->text().isEmpty());
    EXPECT_TRUE(m_dialog.Name().isEmpty());
}

TEST_F(HighScoreDlgTest, TheNameBoxTakesNoNinthCharacter)
{
    QTest::keyClicks(NameBox(), QStringLiteral("Christopher"));
    EXPECT_EQ(NameBox()->text(), "Christop");
    NameBox()->setCursorPosition(2);
    QTest::keyClicks(NameBox(), QStringLiteral("x"));  // not even in the middle
    EXPECT_EQ(NameBox()->text(), "Christop");
    NameBox()->clear();
    NameBox()->insert(QStringLiteral("abcdefghij"));  // a paste that does not fit is refused
    EXPECT_EQ(NameBox()->text(), "");
}

TEST_F(HighScoreDlgTest, CharactersOutsideTheBasicPlaneCountOnce)
{
    const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80");
    for (int i = 0; i < 10; ++i)
        Type(smile);
    EXPECT_EQ(NameBox()->text(), smile.repeated(8));  // 16 UTF-16 units, 8 characters
    Type(QStringLiteral("\n"));
    EXPECT_EQ(NameBox()->text(), smile.repeated(8));
}

// Only Enter takes the typed name; Esc and the close box leave it empty.
TEST(HighScoreDlgCloseTest, OnlyEnterTakesTheTypedName)
{
    struct Case {
        const char* how;
        std::function<void(CHighScoreDlg&, QLineEdit*)> close;
        int result;
        QString name;
    };
    const Case cases[] = {
        {"Enter", [](CHighScoreDlg&, QLineEdit* box) { QTest::keyClick(box, Qt::Key_Return); }, QDialog::Accepted, "abc"},
        {"Esc", [](CHighScoreDlg&, QLineEdit* box) { QTest::keyClick(box, Qt::Key_Escape); }, QDialog::Rejected, ""},
        {"the close box", [](CHighScoreDlg& dialog, QLineEdit*) { dialog.close(); }, QDialog::Rejected, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        CHighScoreDlg dialog;
        dialog.show();
        auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("nameEdit"));
        QTest::keyClicks(box, QStringLiteral("abc"));
        c.close(dialog, box);
        EXPECT_EQ(dialog.result(), c.result);
        EXPECT_EQ(dialog.Name(), c.name);
    }
}

}  // namespace
}  // namespace tilora
