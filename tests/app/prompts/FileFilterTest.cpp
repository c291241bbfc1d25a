// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/prompts/FileFilter.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QRegularExpression>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/prompts/QtPrompter.h"

namespace tilora {
namespace {

TEST(FileFilterTest, TurnsTheClassicFilterIntoQtPairs)
{
    EXPECT_EQ(QtFileFilter("Bitmap Files(*.BMP)|*.bmp|All Files (*.*)|*.*|"),
              "Bitmap Files(*.BMP) (*.[bB][mM][pP]);;All Files (*.*) (*)");
    EXPECT_EQ(QtFileFilter("Tilora Files(*.TLR)|*.tlr|All Files (*.*)|*.*|"),
              "Tilora Files(*.TLR) (*.[tT][lL][rR]);;All Files (*.*) (*)");
    EXPECT_EQ(QtFileFilter(""), "");
}

TEST(FileFilterTest, PatternsMatchRegardlessOfCase)
{
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression("*.[bB][mM][pP]"));
    EXPECT_TRUE(re.match("photo.BMP").hasMatch());
    EXPECT_TRUE(re.match("photo.bmp").hasMatch());
    EXPECT_FALSE(re.match("photo.png").hasMatch());
}

// The file dialogs list each filter by its description alone, exactly as the string gives
// it, not followed by the patterns a second time.
TEST(FileFilterTest, FileDialogsShowEachDescriptionOnce)
{
    struct Case {
        FileRequest::Kind kind;
        QString filter;
        QStringList shown;
    };
    const Case cases[] = {
        {FileRequest::Kind::Open, QStringLiteral("Bitmap Files(*.BMP)|*.bmp|All Files (*.*)|*.*|"), {"Bitmap Files(*.BMP)", "All Files (*.*)"}},
        {FileRequest::Kind::Save, QStringLiteral("Tilora Files(*.TLR)|*.tlr|All Files (*.*)|*.*|"), {"Tilora Files(*.TLR)", "All Files (*.*)"}},
    };
    for (const Case& c : cases) {
        QStringList listed;
        // The dialog runs modally: read its filter list once it is up, then dismiss it.
        QTimer::singleShot(0, [&listed] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            const auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            ASSERT_NE(types, nullptr);
            for (int i = 0; i < types->count(); ++i)
                listed << types->itemText(i);
            dialog->reject();
        });
        QtPrompter prompter;
        EXPECT_TRUE(prompter.ChooseFile(nullptr, {c.kind, QStringLiteral("Title"), QtFileFilter(c.filter), {}}).isEmpty());
        EXPECT_EQ(listed.join(QStringLiteral(" | ")).toStdString(), c.shown.join(QStringLiteral(" | ")).toStdString());
    }
}

}  // namespace
}  // namespace tilora
