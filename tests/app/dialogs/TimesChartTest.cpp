// SPDX-License-Identifier: GPL-3.0-or-later
// The chart of times in Statistics: its data for the size chosen, the same data as a table,
// and drawing in the palette's colours.
#include <QComboBox>
#include <QTableWidget>

#include <gtest/gtest.h>

#include "app/dialogs/StatisticsDlg.h"
#include "app/dialogs/TimesChart.h"
#include "app/record/PlayerRecord.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace tilora::test {
namespace {

bool HasColour(const QImage& image, QColor colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

// For 12 games the chart has 12 points and both average lines, the table 12 rows with the
// same numbers, and the lines are drawn in the palette's colours.
TEST(TimesChartTest, TwelveGamesInTheStatisticsChartAndItsTable)
{
    TempDir dir;
    ScriptedPrompter prompter;
    std::int64_t now = 1'796'700'000;
    PlayerRecord record(dir / "games", [] { return nullptr; }, [&now] { return now++; });
    Board start;
    start.FillSolved();
    const int times[] = {100, 90, 95, 80, 85, 70, 75, 60, 65, 50, 55, 40};
    for (const int seconds : times) {
        record.Begin(start, 10);
        record.Won(seconds, false);
    }
    record.Begin(start, 10);
    record.Won(7, true);  // helped: shown apart

    CStatisticsDlg dialog(record, prompter);
    auto* chart = dialog.findChild<TimesChart*>(QStringLiteral("timesChart"));
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->Chart().points.size(), 13u);
    EXPECT_EQ(chart->Chart().averageOf5.size(), 8u);
    EXPECT_EQ(chart->Chart().averageOf12.size(), 1u);
    auto* table = chart->findChild<QTableWidget*>(QStringLiteral("chartTable"));
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rowCount(), 13);
    EXPECT_EQ(table->item(11, 1)->text(), "40");
    EXPECT_EQ(table->item(11, 2)->text(), "55");
    EXPECT_EQ(table->item(11, 3)->text(), "72.5");
    EXPECT_EQ(table->item(11, 4)->text(), "40");
    EXPECT_EQ(table->item(12, 1)->text(), "7 (helped)");
    EXPECT_FALSE(table->accessibleName().isEmpty());

    QPalette palette = dialog.palette();
    palette.setColor(QPalette::Highlight, QColor(255, 0, 0));
    palette.setColor(QPalette::Link, QColor(0, 0, 255));
    dialog.setPalette(palette);
    dialog.resize(600, 800);
    QWidget* area = chart->findChild<QWidget*>(QStringLiteral("timesChartArea"));
    ASSERT_NE(area, nullptr);
    const QImage image = area->grab().toImage();
    EXPECT_TRUE(HasColour(image, QColor(255, 0, 0)));
    EXPECT_TRUE(HasColour(image, QColor(0, 0, 255)));
    if (const QByteArray png = qgetenv("TILORA_CHART_PNG"); !png.isEmpty())
        dialog.grab().save(QString::fromLocal8Bit(png));
}

}  // namespace
}  // namespace tilora::test
