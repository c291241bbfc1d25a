// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <vector>

#include "app/record/TimeChart.h"

class QComboBox;
class QTableWidget;

namespace tilora {

// The chart of your times in Statistics: for the grid size chosen, every game's time in
// order, the running averages of 5 and of 12 and the best so far, drawn in the palette's
// colours at the size of the font, so that it follows the theme and the zoom. A table
// below holds the same data, for a screen reader and for exact numbers.
class TimesChart final : public QWidget {
    Q_OBJECT
public:
    explicit TimesChart(QWidget* parent = nullptr);

    // The games of the record, oldest first; the chart shows the size chosen, or the first.
    void SetGames(const std::vector<KeptGame>& games);
    const TimeChart& Chart() const { return m_chart; }
    // The game of the table's current row, else the last one shown; none when the chart
    // shows no game.
    const KeptGame* CurrentGame() const;

private:
    void ShowSize();

    std::vector<KeptGame> m_games;
    TimeChart m_chart;
    // The place in m_games of the game on each row of the table.
    std::vector<std::size_t> m_rows;
    QComboBox* m_sizes = nullptr;
    QWidget* m_area = nullptr;
    QTableWidget* m_table = nullptr;
};

}  // namespace tilora
