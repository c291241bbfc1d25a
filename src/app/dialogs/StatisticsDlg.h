// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QTableWidget;

namespace tilora {

struct KeptGame;
class PlayerRecord;
class Prompter;
struct SizeStatistics;
class TimesChart;

// "Statistics": the figures of each grid size from the player's record, the numbers of
// the game won last, and a way to forget every kept game after a question.
class CStatisticsDlg final : public QDialog {
    Q_OBJECT
public:
    // `replay`, when given, plays a game of the chart again (Replay...).
    using ReplayGame = std::function<void(const KeptGame&)>;
    CStatisticsDlg(PlayerRecord& record, Prompter& prompter, QWidget* parent = nullptr, ReplayGame replay = {});

    // Asks first; then forgets every kept game and shows the empty figures.
    void OnReset();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Tells a screen reader the table's current figure again, when the table has the keys.
    void TellCurrentFigure();
    void Refresh();
    void FillColumn(int column, const SizeStatistics& figures);
    QString LastGameLine() const;

    PlayerRecord& m_record;
    Prompter& m_prompter;
    QTableWidget* m_table = nullptr;
    QLabel* m_lastGame = nullptr;
    QLabel* m_problem = nullptr;
    QPushButton* m_replayButton = nullptr;
    TimesChart* m_chart = nullptr;
};

}  // namespace tilora
