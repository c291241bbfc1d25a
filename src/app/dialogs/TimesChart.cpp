// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/TimesChart.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace tilora {
namespace {

QString Time(double seconds)
{
    return QLocale().toString(seconds, 'f', seconds == static_cast<int>(seconds) ? 0 : 1);
}

// The drawing itself: axes, the four kinds of marks and lines, and a legend.
class ChartArea final : public QWidget {
public:
    ChartArea(const TimeChart& chart, QWidget* parent) : QWidget(parent), m_chart(chart)
    {
        setObjectName(QStringLiteral("timesChartArea"));
        setMinimumHeight(fontMetrics().height() * 12);
        // The table below says the same to a screen reader.
        setAccessibleName(TimesChart::tr("Chart of times"));
        setAccessibleDescription(TimesChart::tr("The same data is in the table below the chart."));
    }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const TimeChart& m_chart;
};

void ChartArea::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    const int unit = fontMetrics().height();
    const QColor text = pal.color(QPalette::Text);
    const QColor ao5 = pal.color(QPalette::Highlight);
    const QColor ao12 = pal.color(QPalette::Link);
    const QColor apart = pal.color(QPalette::PlaceholderText);
    p.fillRect(rect(), pal.color(QPalette::Base));

    // The legend on top, the plot below it.
    struct Entry {
        QString text;
        QColor color;
        int mark;  // 0 dot, 1 line, 2 dashed line, 3 hollow ring, 4 cross
    };
    const Entry legend[] = {{TimesChart::tr("Time"), text, 0},
                            {TimesChart::tr("Average of 5"), ao5, 1},
                            {TimesChart::tr("Average of 12"), ao12, 1},
                            {TimesChart::tr("Best so far"), text, 2},
                            {TimesChart::tr("Helped (not in the lines)"), apart, 3},
                            {TimesChart::tr("Abandoned (the slowest)"), text, 4}};
    int x = unit / 2;
    int y = unit / 2;
    const auto drawMark = [&](int mark, QPointF at, const QColor& color) {
        const double r = unit / 5.0;
        p.setPen(QPen(color, std::max(1.0, unit / 10.0), mark == 2 ? Qt::DashLine : Qt::SolidLine));
        p.setBrush(mark == 0 ? QBrush(color) : Qt::NoBrush);
        switch (mark) {
        case 0:
        case 3: p.drawEllipse(at, r, r); break;
        case 1:
        case 2: p.drawLine(at - QPointF(unit / 2.0, 0), at + QPointF(unit / 2.0, 0)); break;
        default:
            p.drawLine(at - QPointF(r, r), at + QPointF(r, r));
            p.drawLine(at + QPointF(-r, r), at + QPointF(r, -r));
        }
    };
    for (const Entry& entry : legend) {
        const int width = unit * 2 + fontMetrics().horizontalAdvance(entry.text);
        if (x + width > this->width() && x > unit / 2) {
            x = unit / 2;
            y += unit;
        }
        drawMark(entry.mark, QPointF(x + unit / 2.0, y + unit / 2.0), entry.color);
        p.setPen(text);
        p.drawText(QRect(x + unit * 3 / 2, y, width, unit), Qt::AlignVCenter | Qt::AlignLeft, entry.text);
        x += width + unit;
    }
    const QRect plot(unit * 3, y + unit * 2, width() - unit * 4, height() - y - unit * 4);
    if (m_chart.points.empty() || plot.width() < unit || plot.height() < unit) {
        p.setPen(text);
        p.drawText(plot, Qt::AlignCenter, TimesChart::tr("No games of this size yet."));
        return;
    }
    int slowest = 1;
    for (const auto& point : m_chart.points)
        slowest = std::max(slowest, point.seconds.value_or(0));
    const int games = static_cast<int>(m_chart.points.size());
    const auto at = [&](int game, double seconds) {
        const double gx = games == 1 ? 0.5 : (game - 1) / static_cast<double>(games - 1);
        return QPointF(plot.left() + gx * plot.width(), plot.bottom() - std::clamp(seconds / slowest, 0.0, 1.0) * plot.height());
    };
    // Axes: 0 and the slowest time on the left, the first and last game below.
    p.setPen(QPen(text, 1));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());
    p.drawText(QRect(0, plot.top() - unit / 2, plot.left() - unit / 4, unit), Qt::AlignRight | Qt::AlignVCenter,
               QString::number(slowest));
    p.drawText(QRect(0, plot.bottom() - unit / 2, plot.left() - unit / 4, unit), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("0"));
    p.drawText(QRect(plot.left() - unit, plot.bottom() + 2, unit * 2, unit), Qt::AlignCenter, QStringLiteral("1"));
    p.drawText(QRect(plot.right() - unit, plot.bottom() + 2, unit * 2, unit), Qt::AlignCenter, QString::number(games));
    // The best so far holds until it is beaten: drawn as steps.
    const auto drawLine = [&](const std::vector<TimeChart::Value>& line, const QColor& color, Qt::PenStyle style,
                              bool steps = false) {
        if (line.empty())
            return;
        QPainterPath path(at(line.front().game, line.front().seconds));
        for (const auto& value : line) {
            if (steps)
                path.lineTo(at(value.game, 0).x(), path.currentPosition().y());
            path.lineTo(at(value.game, value.seconds));
        }
        p.setPen(QPen(color, std::max(1.0, unit / 8.0), style));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        if (line.size() == 1)
            drawMark(0, at(line.front().game, line.front().seconds), color);
    };
    drawLine(m_chart.bestSoFar, text, Qt::DashLine, true);
    drawLine(m_chart.averageOf12, ao12, Qt::SolidLine);
    drawLine(m_chart.averageOf5, ao5, Qt::SolidLine);
    for (const auto& point : m_chart.points) {
        if (point.kind == TimeChart::Kind::Abandoned || !point.seconds)
            drawMark(4, at(point.game, slowest), point.kind == TimeChart::Kind::Helped ? apart : text);
        else
            drawMark(point.kind == TimeChart::Kind::Helped ? 3 : 0, at(point.game, *point.seconds),
                     point.kind == TimeChart::Kind::Helped ? apart : text);
    }
}

}  // namespace

TimesChart::TimesChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("timesChart"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(tr("Chart of times for:"), this);
    m_sizes = new QComboBox(this);
    m_sizes->setObjectName(QStringLiteral("chartSize"));
    label->setBuddy(m_sizes);
    row->addWidget(label);
    row->addWidget(m_sizes);
    row->addStretch();
    layout->addLayout(row);
    m_area = new ChartArea(m_chart, this);
    layout->addWidget(m_area, 1);
    m_table = new QTableWidget(0, 5, this);
    m_table->setObjectName(QStringLiteral("chartTable"));
    m_table->setAccessibleName(tr("Times, game by game"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The arrows walk the times; Tab goes on to the dialog's buttons.
    m_table->setTabKeyNavigation(false);
    m_table->setHorizontalHeaderLabels({tr("Game"), tr("Time"), tr("Average of 5"), tr("Average of 12"), tr("Best so far")});
    m_table->verticalHeader()->hide();
    m_table->setMaximumHeight(fontMetrics().height() * 8);
    layout->addWidget(m_table);
    connect(m_sizes, &QComboBox::currentIndexChanged, this, &TimesChart::ShowSize);
}

void TimesChart::SetGames(const std::vector<KeptGame>& games)
{
    m_games = games;
    const int chosen = m_sizes->currentData().toInt();
    std::set<int> sizes;
    for (const KeptGame& game : games)
        sizes.insert(game.size);
    const QSignalBlocker quiet(m_sizes);
    m_sizes->clear();
    for (const int n : sizes)
        m_sizes->addItem(tr("%1 x %2").arg(n).arg(n), n);
    m_sizes->setCurrentIndex(std::max(0, m_sizes->findData(chosen)));
    ShowSize();
}

const KeptGame* TimesChart::CurrentGame() const
{
    if (m_rows.empty())
        return nullptr;
    const int row = m_table->currentRow();
    const std::size_t at = row >= 0 && row < static_cast<int>(m_rows.size()) ? m_rows[static_cast<std::size_t>(row)] : m_rows.back();
    return &m_games[at];
}

void TimesChart::ShowSize()
{
    const int size = m_sizes->currentData().toInt();
    m_chart = ChartOfTimes(m_games, size);
    m_rows.clear();
    for (std::size_t i = 0; i < m_games.size(); ++i)
        if (InChartOf(m_games[i], size))
            m_rows.push_back(i);
    m_table->setRowCount(static_cast<int>(m_chart.points.size()));
    const auto valueAt = [](const std::vector<TimeChart::Value>& line, int game) {
        const auto found = std::find_if(line.begin(), line.end(), [game](const auto& v) { return v.game == game; });
        return found == line.end() ? QStringLiteral("-") : Time(found->seconds);
    };
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const auto& point = m_chart.points[static_cast<std::size_t>(row)];
        QString time = point.seconds ? QString::number(*point.seconds) : tr("abandoned");
        if (point.kind == TimeChart::Kind::Helped)
            time = tr("%1 (helped)").arg(time);
        const QString cells[] = {QString::number(point.game), time, valueAt(m_chart.averageOf5, point.game),
                                 valueAt(m_chart.averageOf12, point.game), valueAt(m_chart.bestSoFar, point.game)};
        for (int column = 0; column < 5; ++column)
            m_table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    m_table->resizeColumnsToContents();
    // The latest game is the one chosen at first, for Replay... and for the arrows to go
    // back from; the table would otherwise take its first row when it gets the keys.
    if (const int rows = m_table->rowCount(); rows > 0) {
        m_table->selectionModel()->setCurrentIndex(m_table->model()->index(rows - 1, 0), QItemSelectionModel::NoUpdate);
        m_table->scrollToBottom();
    }
    m_area->update();
}

}  // namespace tilora
