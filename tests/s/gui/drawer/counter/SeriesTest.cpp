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
    // The producer adds rising samples until the painter has read enough;
    // every copy the painter takes must be a consistent ring: falling by one
    // from the newest, no torn entries, the scale set with the samples.
    Series series(64);
    std::atomic<bool> stop{false};
    std::atomic<int64_t> added{0};
    std::thread producer([&series, &stop, &added] {
        for (int64_t sample = 1; !stop; ++sample) {
            series.add(sample);
            series.setScale(0, sample);
            added = sample;
        }
    });
    while (added < 100) {
        std::this_thread::yield();
    }
    Series::View view;
    bool ordered = true;
    for (int32_t reads = 0; reads < 2000; ++reads) {
        series.read(view);
        ordered = ordered && view.newestFirst.size() == 64u &&
                  view.maximum >= view.newestFirst.front() - 1;
        for (size_t i = 1; i < view.newestFirst.size(); ++i) {
            ordered = ordered && view.newestFirst[i] + 1 == view.newestFirst[i - 1];
        }
    }
    stop = true;
    producer.join();
    EXPECT_TRUE(ordered);
    series.read(view);
    EXPECT_EQ(view.newestFirst.front(), added.load());
    EXPECT_EQ(view.maximum, added.load());
}
