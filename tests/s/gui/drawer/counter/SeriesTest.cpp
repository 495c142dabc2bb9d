#include "s/gui/drawer/counter/Series.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using s::gui::drawer::counter::Series;

TEST(CounterSeriesTest, TheRingKeepsTheNewestSamplesAndOverwritesTheOldest) {
    Series series(3);
    Series::View view;
    series.read(view);
    EXPECT_TRUE(view.newestFirst.empty());
    EXPECT_EQ(series.getNewest(), 0);
    for (int64_t sample = 1; sample <= 5; ++sample) {
        series.add(sample * 10);
    }
    series.read(view);
    EXPECT_EQ(view.newestFirst, (std::vector<int64_t>{50, 40, 30}));
    EXPECT_EQ(series.getCount(), 3);
    EXPECT_EQ(series.getNewest(), 50);
    series.clear();
    series.add(7);
    series.read(view);
    EXPECT_EQ(view.newestFirst, (std::vector<int64_t>{7}));
}

TEST(CounterSeriesTest, ScaleColourAndMarksAreCopiedOutAndABadCapacityKeepsOneSample) {
    Series series;
    EXPECT_EQ(series.getCapacity(), Series::kDefaultCapacity);
    series.setScale(-5, 5);
    series.setColor(1, 2, 3);
    series.setMarks(true);
    Series::View view;
    series.read(view);
    EXPECT_EQ(view.minimum, -5);
    EXPECT_EQ(view.maximum, 5);
    EXPECT_EQ(view.colour, 0x030201u);
    EXPECT_TRUE(view.marks);
    series.clearColor();
    series.read(view);
    EXPECT_EQ(view.colour, Series::kNoColour);

    Series none(0);
    none.add(1);
    none.add(2);
    EXPECT_EQ(none.getCapacity(), 1);
    none.read(view);
    EXPECT_EQ(view.newestFirst, (std::vector<int64_t>{2}));
}

TEST(CounterSeriesTest, APainterReadsWhileAProducerAddsAndAlwaysSeesAnOrderedRing) {
    // The producer adds rising samples; every copy the painter takes must be
    // a consistent ring: strictly falling from the newest, no torn entries.
    Series series(64);
    std::atomic<bool> done{false};
    std::thread producer([&series, &done] {
        for (int64_t sample = 1; sample <= 20000; ++sample) {
            series.add(sample);
            if (sample % 1000 == 0) {
                series.setScale(0, sample);
            }
        }
        done = true;
    });
    Series::View view;
    int32_t reads = 0;
    bool ordered = true;
    while (!done || reads == 0) {
        series.read(view);
        for (size_t i = 1; i < view.newestFirst.size(); ++i) {
            ordered = ordered && view.newestFirst[i] + 1 == view.newestFirst[i - 1];
        }
        ++reads;
    }
    producer.join();
    EXPECT_TRUE(ordered);
    series.read(view);
    EXPECT_EQ(view.newestFirst.front(), 20000);
    EXPECT_EQ(view.newestFirst.size(), 64u);
    EXPECT_EQ(view.maximum, 20000);
}
