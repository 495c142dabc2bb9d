#include "s/col/_array/Sort.h"

#include "s/col/_array/ArrayP.h"
#include "s/thread/PoolRef.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

using s::col::_array::ArrayP;
using s::thread::PoolRef;

namespace {

struct Record {
    int key;
    int order;
};

int byKey(const void* a, const void* b, void* context) {
    ++*static_cast<int*>(context);
    const int left = static_cast<const Record*>(a)->key;
    const int right = static_cast<const Record*>(b)->key;
    return left < right ? -1 : (left > right ? 1 : 0);
}

void fill(ArrayP& array, std::vector<Record>& records) {
    array.clear();
    for (Record& record : records) {
        array.add(&record);
    }
}

} // namespace

TEST(SortTest, OrderedInputCostsOneComparisonPerNeighbourPair) {
    auto array = PoolRef<ArrayP>::take();
    for (int n : {2, 6, 7, 13, 100, 1000}) {
        std::vector<Record> records;
        for (int i = 0; i < n; ++i) {
            records.push_back({i, i});
        }
        fill(*array, records);
        int comparisons = 0;
        ASSERT_TRUE(s::col::_array::sortPointers(*array, &byKey, &comparisons));
        // Any merge would cost more than n - 1 comparisons.
        EXPECT_EQ(comparisons, n - 1) << n << " ordered elements";
        for (int i = 0; i < n; ++i) {
            EXPECT_EQ(array->get(i), &records[i]);
        }
    }
}

TEST(SortTest, SortsLikeStableSortAndKeepsEqualElementsInOrder) {
    std::mt19937 random(12345);
    auto array = PoolRef<ArrayP>::take();
    for (int n : {0, 1, 5, 7, 64, 1001}) {
        std::vector<Record> records;
        for (int i = 0; i < n; ++i) {
            records.push_back({static_cast<int>(random() % 10), i});
        }
        fill(*array, records);
        int comparisons = 0;
        ASSERT_TRUE(s::col::_array::sortPointers(*array, &byKey, &comparisons));
        std::vector<Record> expected = records;
        std::stable_sort(expected.begin(), expected.end(),
                         [](const Record& a, const Record& b) { return a.key < b.key; });
        for (int i = 0; i < n; ++i) {
            const auto* got = static_cast<const Record*>(array->get(i));
            EXPECT_EQ(got->key, expected[i].key);
            EXPECT_EQ(got->order, expected[i].order) << "equal keys keep their order";
        }

        fill(*array, records);
        ASSERT_TRUE(s::col::_array::sortPointersDescending(*array, &byKey, &comparisons));
        std::vector<Record> descending = records;
        std::stable_sort(descending.begin(), descending.end(),
                         [](const Record& a, const Record& b) { return a.key > b.key; });
        for (int i = 0; i < n; ++i) {
            const auto* got = static_cast<const Record*>(array->get(i));
            EXPECT_EQ(got->key, descending[i].key);
            EXPECT_EQ(got->order, descending[i].order);
        }
    }
    EXPECT_FALSE(s::col::_array::sortPointers(*array, nullptr, nullptr));
}
