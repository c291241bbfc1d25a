// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/StatisticsDlg.h"

#include <QAccessible>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <optional>

#include "app/dialogs/FigureReading.h"
#include "app/prompts/Prompter.h"
#include "app/prompts/RecordMessages.h"
#include "app/record/PlayerRecord.h"
#include "app/dialogs/TimesChart.h"
#include "app/record/Statistics.h"

namespace tilora {
namespace {

enum Row {
    kPlayed,
    kWon,
    kBestTime,
    kMeanTime,
    kFewestMoves,
    kEfficiency,
    kStreak,
    kBestStreak,
    kAverage5,
    kAverage12,
    kMovesPerSecond,
    kHelped,
    kRows
};

QString Decimal(double value)
{
    return QLocale().toString(value, 'f', 1);
}

QString Seconds(std::optional<double> seconds)
{
    return seconds ? CStatisticsDlg::tr("%1 s").arg(Decimal(*seconds)) : QStringLiteral("-");
}

// A time as a screen reader says it, its unit in full.
QString SpokenSeconds(std::optional<double> seconds)
{
    return seconds ? CStatisticsDlg::tr("%1 seconds").arg(Decimal(*seconds)) : QString();
}

QString Percent(double ratio)
{
    return CStatisticsDlg::tr("%1 %").arg(QLocale().toString(100 * ratio, 'f', 0));
}

}  // namespace

CStatisticsDlg::CStatisticsDlg(PlayerRecord& record, Prompter& prompter, QWidget* parent, ReplayGame replay)
    : QDialog(parent), m_record(record), m_prompter(prompter)
{
    setObjectName(QStringLiteral("statisticsDialog"));
    setWindowTitle(tr("Statistics"));
    auto* layout = new QVBoxLayout(this);
    m_table = new QTableWidget(kRows, 0, this);
    m_table->setObjectName(QStringLiteral("statisticsTable"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setVerticalHeaderLabels({tr("Games played"), tr("Games won"), tr("Best time"), tr("Mean time"),
                                      tr("Fewest moves"), tr("Mean efficiency"), tr("Current streak"),
                                      tr("Best streak"), tr("Best average of 5"), tr("Best average of 12"),
                                      tr("Moves per second (best game)"), tr("Helped games (won)")});
    m_table->setAccessibleName(windowTitle());
    // Tab leaves the table for Reset... and Close; the arrows move over the figures.
    m_table->setTabKeyNavigation(false);
    layout->addWidget(m_table);
    m_lastGame = new QLabel(this);
    m_lastGame->setObjectName(QStringLiteral("lastGame"));
    m_lastGame->setWordWrap(true);
    layout->addWidget(m_lastGame);
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("recordProblem"));
    m_problem->setWordWrap(true);
    layout->addWidget(m_problem);
    m_chart = new TimesChart(this);
    layout->addWidget(m_chart, 1);

    // The game of the chart's current row, or its latest game, is played again.
    m_replayButton = new QPushButton(tr("Re&play..."), this);
    m_replayButton->setObjectName(QStringLiteral("replayButton"));
    m_replayButton->setAutoDefault(false);
    m_replayButton->setVisible(static_cast<bool>(replay));
    connect(m_replayButton, &QPushButton::clicked, this, [this, replay = std::move(replay)] {
        if (const KeptGame* game = m_chart->CurrentGame())
            replay(*game);
    });
    auto* chartButtons = new QHBoxLayout;
    chartButtons->addStretch();
    chartButtons->addWidget(m_replayButton);
    layout->addLayout(chartButtons);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* reset = buttons->addButton(tr("&Reset..."), QDialogButtonBox::ResetRole);
    reset->setObjectName(QStringLiteral("resetButton"));
    connect(reset, &QPushButton::clicked, this, &CStatisticsDlg::OnReset);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    Refresh();
    resize(560, 760);
    m_table->setFocus();
    m_table->installEventFilter(this);
}

bool CStatisticsDlg::eventFilter(QObject* watched, QEvent* event)
{
    // The table takes its first figure as current when it gets the keys, and Qt tells a
    // screen reader of that cell before it tells of the table: Orca then reads the table
    // alone. The current cell is told once more after the table, so that the figure it
    // opens on is said.
    if (watched == m_table && event->type() == QEvent::FocusIn)
        QMetaObject::invokeMethod(this, &CStatisticsDlg::TellCurrentFigure, Qt::QueuedConnection);
    return QDialog::eventFilter(watched, event);
}

void CStatisticsDlg::TellCurrentFigure()
{
    const QModelIndex current = m_table->currentIndex();
    if (!QAccessible::isActive() || !m_table->hasFocus() || !current.isValid())
        return;
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(m_table);
    QAccessibleInterface* cell = table && table->tableInterface()
                                     ? table->tableInterface()->cellAt(current.row(), current.column())
                                     : nullptr;
    if (!cell)
        return;
    QAccessibleEvent focus(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void CStatisticsDlg::OnReset()
{
    if (m_prompter.Ask(this, messages::ConfirmResetStatistics()) == QMessageBox::Yes)
        m_record.Reset();
    Refresh();
}

void CStatisticsDlg::Refresh()
{
    const std::vector<SizeStatistics> sizes = ComputeStatistics(m_record.Games());
    m_table->setColumnCount(static_cast<int>(sizes.size()));
    for (int column = 0; column < static_cast<int>(sizes.size()); ++column) {
        const int n = sizes[column].size;
        m_table->setHorizontalHeaderItem(column, new QTableWidgetItem(tr("%1 x %2").arg(n).arg(n)));
        FillColumn(column, sizes[column]);
    }
    m_table->resizeColumnsToContents();
    m_lastGame->setText(LastGameLine());
    m_chart->SetGames(m_record.Games());
    m_replayButton->setEnabled(m_chart->CurrentGame() != nullptr);
    const RecordProblem& problem = m_record.Problem();
    m_problem->setVisible(problem.kind != RecordProblem::Kind::None);
    m_problem->setText(problem.kind == RecordProblem::Kind::CannotWrite
                           ? tr("The record could not be written: %1").arg(QString::fromLocal8Bit(problem.reason.c_str()))
                           : tr("The record file is not in use; the games of this session are kept until Tilora closes."));
    if (problem.kind == RecordProblem::Kind::SetAside)
        m_problem->hide();
}

void CStatisticsDlg::FillColumn(int column, const SizeStatistics& f)
{
    // Each figure is read with its row and column, as the eye finds them on the headers.
    const auto set = [&](Row row, const QString& text, const QString& spoken = {}) {
        auto* item = new QTableWidgetItem(text);
        item->setData(Qt::AccessibleTextRole,
                      FigureReading(m_table->verticalHeaderItem(row)->text(), m_table->horizontalHeaderItem(column)->text(),
                                    spoken.isEmpty() ? text : spoken));
        m_table->setItem(row, column, item);
    };
    set(kPlayed, QString::number(f.played));
    set(kWon, QString::number(f.won));
    const auto best = f.bestSeconds ? std::optional<double>(*f.bestSeconds) : std::nullopt;
    set(kBestTime, Seconds(best), SpokenSeconds(best));
    set(kMeanTime, Seconds(f.meanSeconds), SpokenSeconds(f.meanSeconds));
    set(kFewestMoves, f.fewestMoves ? QString::number(*f.fewestMoves) : QStringLiteral("-"));
    set(kEfficiency, !f.meanEfficiency         ? QStringLiteral("-")
                     : f.efficiencyAtLeast ? tr("at least %1").arg(Percent(*f.meanEfficiency))
                                           : Percent(*f.meanEfficiency));
    set(kStreak, QString::number(f.currentStreak));
    set(kBestStreak, QString::number(f.bestStreak));
    set(kAverage5, Seconds(f.bestAverageOf5), SpokenSeconds(f.bestAverageOf5));
    set(kAverage12, Seconds(f.bestAverageOf12), SpokenSeconds(f.bestAverageOf12));
    set(kMovesPerSecond, f.bestMovesPerSecond ? Decimal(*f.bestMovesPerSecond) : QStringLiteral("-"));
    set(kHelped, tr("%1 (%2)").arg(f.helpedPlayed).arg(f.helpedWon));
}

QString CStatisticsDlg::LastGameLine() const
{
    const auto& last = m_record.LastWon();
    if (!last)
        return tr("Last game: none won since Tilora started.");
    const QString shortest = last->shortest == KeptGame::kUnknown ? tr("not known yet")
                             : last->atLeast ? tr("at least %1").arg(last->shortest)
                                             : QString::number(last->shortest);
    const QString efficiency = last->shortest == KeptGame::kUnknown || last->moves == 0
                                   ? QStringLiteral("-")
                                   : (last->atLeast ? tr("at least %1") : QStringLiteral("%1"))
                                         .arg(Percent(static_cast<double>(last->shortest) / last->moves));
    // A hint's moves are in the count: the line says so.
    return (last->helped ? tr("Last game (helped by a hint): %1 moves, shortest %2, efficiency %3, time %4 s")
                         : tr("Last game: %1 moves, shortest %2, efficiency %3, time %4 s"))
        .arg(last->moves)
        .arg(shortest, efficiency)
        .arg(last->seconds);
}

}  // namespace tilora
