// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <optional>
#include <thread>
#include <vector>

#include "app/replay/Replay.h"
#include "app/replay/ShortestWay.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

namespace tilora {

class BoardView;
struct KeptGame;

// "Replay": a finished game played again on a board of its own, drawn as the game's
// window draws its board. The board has the keys: Left and Right, Home, End and the page
// keys (or the slider) go through its moves one at a time or to any of them; Play plays them at the game's own pace or a steady one;
// the move count and the clock follow. A screen reader hears each move as in play. On a
// 4 x 4 board the shortest way from the same start can be played instead, found by the
// hint's optimal search.
class CReplayDlg final : public QDialog {
    Q_OBJECT
public:
    // `game` is the kept game that `recorded` was read from; `like` is the game's own view.
    CReplayDlg(const BoardView& like, RecordedGame recorded, const KeptGame& game, QWidget* parent = nullptr,
               ShortestSearch search = HintShortestSearch());
    // Stops a search for the shortest way and waits for it, which its stop checks keep short.
    ~CReplayDlg() override;

    Replay& Moves() const { return *m_replay; }
    BoardView& View() const { return *m_view; }
    // Plays the shortest way, once it is found, or the game again.
    void OnShortestWay();
    bool ShowsShortestWay() const { return m_shortest.has_value() && m_showingShortest; }
    // The shortest way's length, once found.
    std::optional<int> ShortestLength() const;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnStepped(CellPos from, CellPos to, bool hint);
    void OnJumped();
    void OnPosition(int position);
    void OnPlaying(bool playing);
    void OnSlider(int value);
    void OnShortestFound(std::optional<std::vector<game_trace::Move>> way);

    QString m_about;  // which game this is
    std::vector<game_trace::Move> m_played;
    std::optional<std::vector<game_trace::Move>> m_shortest;
    bool m_showingShortest = false;
    bool m_searching = false;
    Replay* m_replay = nullptr;
    BoardView* m_view = nullptr;
    QSlider* m_slider = nullptr;
    QLabel* m_count = nullptr;
    QLabel* m_clock = nullptr;
    QLabel* m_way = nullptr;
    QPushButton* m_play = nullptr;
    QPushButton* m_shortestButton = nullptr;
    QComboBox* m_pace = nullptr;
    ShortestSearch m_search;
    std::jthread m_worker;
};

}  // namespace tilora
