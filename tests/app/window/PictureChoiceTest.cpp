// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>

#include "PuzzleFixture.h"

namespace tilora::test {
namespace {

using PictureChoiceTest = PuzzleFixture;

TEST_F(PictureChoiceTest, NoKeepsTheLoadedImageButMovesTheCheckMark)
{
    window->UseLoadedPicture();
    prompter.Answer(QMessageBox::No);
    window->Menu().pictures[1]->trigger();
    ASSERT_EQ(prompter.Messages().size(), 1u);
    const Message& asked = prompter.Messages()[0];
    EXPECT_EQ(asked.text, "Do you want to use this picture instead of the loaded image?");
    EXPECT_EQ(asked.caption, "Tilora: Query");
    EXPECT_EQ(asked.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(asked.icon, QMessageBox::Question);
    EXPECT_TRUE(window->CustomPicture());
    EXPECT_EQ(window->Picture(), 2);
    EXPECT_TRUE(window->Menu().pictures[1]->isChecked());
    EXPECT_FALSE(window->Menu().pictures[0]->isChecked());
}

TEST_F(PictureChoiceTest, YesReturnsToTheBuiltInPicture)
{
    window->UseLoadedPicture();
    prompter.Answer(QMessageBox::Yes);
    window->OnChoosePicture(4);
    EXPECT_FALSE(window->CustomPicture());
    EXPECT_EQ(window->Picture(), 4);
    EXPECT_TRUE(window->Menu().pictures[3]->isChecked());

    window->OnChoosePicture(3);  // no loaded image in use any more: no question
    EXPECT_EQ(prompter.Messages().size(), 1u);
}

}  // namespace
}  // namespace tilora::test
