// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "app/window/PuzzleDlg.h"
#include "board/CrtRandom.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace tilora::test {

// A main window with a scripted Prompter, a fixed clock and its own score file.
class PuzzleFixture : public ::testing::Test {
protected:
    void SetUp() override { Open(); }
    void TearDown() override { EXPECT_TRUE(prompter.Exhausted()) << "scripted answers left unused"; }

    void Open()
    {
        window.reset();
        window = std::make_unique<CPuzzleDlg>(
            PuzzleEnvironment{prompter, ProfileStore(ScoreFile()), random, [this] { return now; }, recordFile, slides});
    }
    std::filesystem::path ScoreFile() const { return dir / "Tilora.hi"; }
    ProfileStore Scores() const { return ProfileStore(ScoreFile()); }

    QString ShownCount() const
    {
        return window->ClientArea()->findChild<QLineEdit*>(QStringLiteral("secondsField"))->text();
    }

    // Puts the board in a chosen arrangement of a running game.
    void SetRows(std::initializer_list<std::vector<int>> rows)
    {
        Board& board = window->GetBoard();
        int r = 0;
        for (const auto& row : rows) {
            for (int c = 0; c < static_cast<int>(row.size()); ++c)
                board.SetCell(r, c, row[c]);
            ++r;
        }
    }

    // The arrangement one slide away from solved: the blank left of the corner.
    void SetOneMoveFromSolved() { SetRows({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 16, 15}}); }

    void DoubleClick(QPoint point)
    {
        // A real double click: press, release, double click, release.
        QWidget* client = window->ClientArea();
        QTest::mousePress(client, Qt::LeftButton, {}, point);
        QTest::mouseRelease(client, Qt::LeftButton, {}, point);
        QMouseEvent dbl(QEvent::MouseButtonDblClick, point, client->mapToGlobal(point), Qt::LeftButton, Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(client, &dbl);
        QTest::mouseRelease(client, Qt::LeftButton, {}, point);
    }

    void Drag(QPoint from, QPoint to)
    {
        QWidget* client = window->ClientArea();
        QTest::mousePress(client, Qt::LeftButton, {}, from);
        QTest::mouseRelease(client, Qt::LeftButton, {}, to);
    }

    TempDir dir;
    ScriptedPrompter prompter;
    CrtRandom random;
    std::time_t now = 1'700'000'000;
    // The record of games; none keeps them in the window only.
    std::filesystem::path recordFile;
    // Off: each move shows its end at once, so that a test reads the board's pixels right
    // after it. A test of the slides turns it on before Open().
    bool slides = false;
    std::unique_ptr<CPuzzleDlg> window;
};

}  // namespace tilora::test
