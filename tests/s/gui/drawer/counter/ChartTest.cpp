#include "s/gui/drawer/counter/Chart.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <vector>

#include "tests/s/gui/drawer/FillRecorder.h"

using s::gui::drawer::counter::Chart;
using s::gui::drawer::counter::Series;

namespace {

using Recorder = s::gui::drawer::testing::FillRecorder;
using Fill = Recorder::Fill;

Series::View samples(std::vector<int64_t> newestFirst, int64_t minimum = 0, int64_t maximum = 100) {
    Series::View view;
    view.newestFirst = std::move(newestFirst);
    view.minimum = minimum;
    view.maximum = maximum;
    return view;
}

constexpr uint32_t kInk = 0x00112233;

} // namespace

TEST(CounterChartTest, ScalingClampsToTheRangeAndSurvivesTheWholeSixtyFourBitSpan) {
    EXPECT_EQ(Chart::scale(50, 0, 100, 40), 20);
    EXPECT_EQ(Chart::scale(-10, 0, 100, 40), 0);
    EXPECT_EQ(Chart::scale(150, 0, 100, 40), 40);
    EXPECT_EQ(Chart::scale(5, 10, 10, 40), 0);
    EXPECT_EQ(Chart::scale(5, 0, 10, 0), 0);
    constexpr int64_t low = std::numeric_limits<int64_t>::min();
    constexpr int64_t high = std::numeric_limits<int64_t>::max();
    EXPECT_EQ(Chart::scale(0, low, high, 1000), 500);
    EXPECT_NEAR(Chart::scale(high / 2, low, high, 1000), 750, 1);
    EXPECT_NEAR(Chart::scale(low / 2, low, high, 1000), 250, 1);
    EXPECT_EQ(Chart::scale(int64_t{3} << 40, 0, int64_t{4} << 40, 2000), 1500);
}

TEST(CounterChartTest, ColumnsRunFromTheRightEdgeLeftwardsAndStopAtTheLeftEdge) {
    Recorder bars;
    Chart::paint(bars, 10, 0, 13, 40, Chart::Columns, samples({100, 50, 0, 25, 75}), kInk, 0, 1);
    // The zero sample has no bar; the two oldest fall off the left edge.
    const std::vector<Fill> expected = {{12, 0, 1, 40, kInk}, {11, 20, 1, 20, kInk}};
    EXPECT_EQ(bars.fills, expected);

    Recorder marks;
    Series::View marked = samples({100, 50, 0});
    marked.marks = true;
    Chart::paint(marks, 0, 0, 10, 41, Chart::Columns, marked, kInk, 0, 1);
    // Rows: the maximum on row 0, the middle on row 20, the minimum on row
    // 40; each mark 5 high, pushed back inside at the edges.
    const std::vector<Fill> expectedMarks = {
        {9, 0, 1, 5, kInk}, {8, 18, 1, 5, kInk}, {7, 36, 1, 5, kInk}};
    EXPECT_EQ(marks.fills, expectedMarks);
}

TEST(CounterChartTest, TheBarTakesTheNewestSampleAndTwoSeriesShareTheHeight) {
    Recorder bar;
    Chart::paint(bar, 5, 10, 105, 30, Chart::Bar, samples({30, 90}), kInk, 0, 1);
    EXPECT_EQ(bar.fills, (std::vector<Fill>{{5, 10, 30, 20, kInk}}));
    Recorder shared;
    Chart::paint(shared, 0, 0, 100, 21, Chart::Bar, samples({50}), kInk, 0, 2);
    Chart::paint(shared, 0, 0, 100, 21, Chart::Bar, samples({100}), kInk, 1, 2);
    EXPECT_EQ(shared.fills, (std::vector<Fill>{{0, 0, 50, 10, kInk}, {0, 10, 100, 11, kInk}}));
}

TEST(CounterChartTest, CentredColumnsSitOnTheMiddleLine) {
    Recorder centred;
    Chart::paint(centred, 0, 10, 4, 50, Chart::Centred, samples({50, 100, 10}), kInk, 0, 1);
    const std::vector<Fill> expected = {
        {3, 20, 1, 20, kInk}, {2, 10, 1, 40, kInk}, {1, 28, 1, 4, kInk}};
    EXPECT_EQ(centred.fills, expected);
}

TEST(CounterChartTest, OtherModesNoColourAndEmptyInputDrawNothing) {
    Recorder nothing;
    const Series::View some = samples({50, 60});
    Chart::paint(nothing, 0, 0, 10, 10, 3, some, kInk, 0, 1);
    Chart::paint(nothing, 0, 0, 10, 10, -1, some, kInk, 0, 1);
    Chart::paint(nothing, 0, 0, 10, 10, Chart::Columns, some, Series::kNoColour, 0, 1);
    Chart::paint(nothing, 0, 0, 10, 10, Chart::Columns, samples({}), kInk, 0, 1);
    Chart::paint(nothing, 10, 0, 10, 10, Chart::Columns, some, kInk, 0, 1);
    Chart::paint(nothing, 0, 10, 10, 0, Chart::Bar, some, kInk, 0, 1);
    Chart::paint(nothing, 0, 0, 10, 10, Chart::Bar, some, kInk, 2, 2);
    EXPECT_TRUE(nothing.fills.empty());
    // A series' own colour wins over the chart's.
    Series::View own = samples({1});
    own.colour = 0x00ABCDEF;
    EXPECT_EQ(Chart::colourOf(own, kInk), 0x00ABCDEFu);
    EXPECT_EQ(Chart::colourOf(some, kInk), kInk);
}
