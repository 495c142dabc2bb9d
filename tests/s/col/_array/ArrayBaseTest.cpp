#include "s/col/_array/ArrayBase.h"

#include "s/col/_array/ArrayS32.h"
#include "s/col/_array/ArrayU08.h"
#include "s/thread/PoolRef.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

using s::col::_array::ArrayBase;
using s::col::_array::ArrayS32;
using s::col::_array::ArrayU08;
using s::thread::PoolRef;

namespace {

std::vector<std::int32_t> valuesOf(const ArrayS32& array) {
    return std::vector<std::int32_t>(array.data(), array.data() + array.count());
}

} // namespace

TEST(ArrayBaseTest, GrowsTo100ThenTriplesAndWriteGrowsExactly) {
    auto array = PoolRef<ArrayS32>::take();
    EXPECT_EQ(array->capacity(), 0u);
    EXPECT_EQ(array->items(), nullptr);
    ASSERT_TRUE(array->add(0));
    EXPECT_EQ(array->capacity(), 100u);
    for (std::int32_t i = 1; i < 100; ++i) {
        array->add(i);
    }
    EXPECT_EQ(array->capacity(), 100u);
    array->add(100);
    EXPECT_EQ(array->capacity(), 300u) << "the 101st single append triples";
    EXPECT_EQ(array->count(), 101u);
    EXPECT_EQ(array->get(100), 100);

    // Appending n applies as many steps as it takes: 300 -> 900 -> 2700.
    std::vector<std::int32_t> block(1000, 7);
    ASSERT_TRUE(array->append(block.data(), 1000));
    EXPECT_EQ(array->capacity(), 2700u);

    auto exact = PoolRef<ArrayS32>::take();
    ASSERT_TRUE(exact->write(block.data(), 7, 0, 0));
    EXPECT_EQ(exact->capacity(), 7u) << "write grows to the exact size";
    ASSERT_TRUE(exact->setCount(12));
    EXPECT_EQ(exact->capacity(), 12u);
    EXPECT_EQ(exact->count(), 12u);
    exact->setCount(3);
    EXPECT_EQ(exact->capacity(), 12u);
    EXPECT_FALSE(exact->write(block.data(), 1, 0, 4)) << "beyond the end is refused";
    EXPECT_TRUE(exact->write(block.data(), 0, 0, 99)) << "n = 0 does nothing";
    EXPECT_EQ(exact->count(), 3u);

    EXPECT_EQ(ArrayBase::grownCapacity(9999999), 29999997u);
    EXPECT_EQ(ArrayBase::grownCapacity(10000000), 20000000u);
    EXPECT_EQ(ArrayBase::grownCapacity(50000000), 75000000u);
    EXPECT_EQ(ArrayBase::grownCapacity(100000000), 120000000u);
    EXPECT_EQ(ArrayBase::grownCapacity(4000000000u), UINT32_MAX);
}

TEST(ArrayBaseTest, InsertsRemovesAndPopsElements) {
    auto array = PoolRef<ArrayS32>::take();
    const std::int32_t values[] = {1, 2, 3, 4, 5, 6};
    array->append(values, 3);       // 1 2 3
    array->prepend(values, 2, 3);   // 4 5 1 2 3
    array->insert(2, values, 1, 5); // 4 5 6 1 2 3
    array->insert(6, values, 1);    // 4 5 6 1 2 3 1
    EXPECT_EQ(valuesOf(*array), (std::vector<std::int32_t>{4, 5, 6, 1, 2, 3, 1}));
    EXPECT_FALSE(array->insert(8, values, 1));

    // Inserting a range of the array into itself.
    array->insert(0, array->data(), 2, 2); // 6 1 4 5 6 1 2 3 1
    EXPECT_EQ(valuesOf(*array), (std::vector<std::int32_t>{6, 1, 4, 5, 6, 1, 2, 3, 1}));

    std::int32_t out[4] = {};
    EXPECT_EQ(array->popLast(out, 2, 1), 2u);
    EXPECT_EQ(out[1], 3);
    EXPECT_EQ(out[2], 1);
    EXPECT_EQ(array->popFirst(out, 1), 1u);
    EXPECT_EQ(out[0], 6);
    EXPECT_EQ(valuesOf(*array), (std::vector<std::int32_t>{1, 4, 5, 6, 1, 2}));
    EXPECT_EQ(array->takeRange(1, out, 2), 2u);
    EXPECT_EQ(out[0], 4);
    EXPECT_EQ(out[1], 5);
    array->removeRange(1, 1);
    array->removeFirst();
    EXPECT_EQ(valuesOf(*array), (std::vector<std::int32_t>{1, 2}));
    array->removeRange(5, 3);
    array->removeLast(10);
    EXPECT_EQ(array->count(), 0u);
    EXPECT_EQ(array->popLast(out, 1), 0u);

    array->append(values, 6);
    EXPECT_EQ(array->copyOut(out, 0, 4), 2u) << "n = -1 copies to the end";
    EXPECT_EQ(out[0], 5);
    array->swap(0, 5);
    array->reverse();
    EXPECT_EQ(valuesOf(*array), (std::vector<std::int32_t>{1, 5, 4, 3, 2, 6}));
    const std::uint32_t capacity = array->capacity();
    array->clear();
    EXPECT_EQ(array->count(), 0u);
    EXPECT_EQ(array->capacity(), capacity) << "clear keeps the storage";
    array->freeStorage();
    EXPECT_EQ(array->capacity(), 0u);
    EXPECT_EQ(array->items(), nullptr);
}

TEST(ArrayBaseTest, ComparesRangesAndArrays) {
    auto bytes = PoolRef<ArrayU08>::take();
    const std::uint8_t data[] = {1, 2, 200, 4};
    bytes->append(data, 4);
    EXPECT_EQ(bytes->compareRange(0, data, 4, 0), 0);
    const std::uint8_t lower[] = {1, 2, 3};
    EXPECT_EQ(bytes->compareRange(0, lower, 3, 0), 1) << "200 > 3 as unsigned bytes";
    EXPECT_EQ(bytes->compareRange(0, data, 3, 0, 3), 0);
    EXPECT_EQ(bytes->compareRange(0, data, 3, 0), 1) << "equal prefix: the longer is greater";
    EXPECT_EQ(bytes->compareRange(2, data, 4, 2, 1), 0);
    EXPECT_EQ(bytes->compareRange(3, data, 4, 2), -1);

    auto a = PoolRef<ArrayS32>::take();
    auto b = PoolRef<ArrayS32>::take();
    const std::int32_t values[] = {-5, 3, 9};
    a->append(values, 3);
    b->append(values, 2);
    EXPECT_EQ(b->compareTo(a.get()), -1) << "fewer elements is smaller";
    EXPECT_EQ(a->compareTo(b.get()), 1);
    b->add(10);
    EXPECT_EQ(a->compareTo(b.get()), -1);
    b->set(2, 9);
    EXPECT_EQ(a->compareTo(b.get()), 0);
    EXPECT_TRUE(a->equals(b.get()));
    b->set(0, -6);
    EXPECT_EQ(a->compareTo(b.get()), 1) << "signed comparison of the elements";

    auto copy = PoolRef<ArrayS32>::take();
    EXPECT_TRUE(a->copyTo(*copy, 0, 1));
    EXPECT_EQ(valuesOf(*copy), (std::vector<std::int32_t>{3, 9}));
    EXPECT_TRUE(copy->copyFrom(*a, 0, 2, 1));
    EXPECT_EQ(valuesOf(*copy), (std::vector<std::int32_t>{3, 9, -5}));
    EXPECT_FALSE(a->copyTo(*bytes, 0, 0)) << "element sizes differ";
}

TEST(ArrayBaseTest, StreamViewReadsAndWritesStorageBytes) {
    auto array = PoolRef<ArrayS32>::take();
    std::uint32_t put = 0;
    const std::uint8_t bytes[] = {1, 0, 0, 0, 2, 0};
    ASSERT_TRUE(array->write(bytes, 6, put));
    EXPECT_EQ(put, 6u);
    EXPECT_EQ(array->count(), 2u) << "the count covers a partly written element";
    EXPECT_EQ(array->get(0), 1);
    EXPECT_EQ(array->get(1), 2);
    EXPECT_EQ(array->getPosition(), 6u);

    array->rewind();
    std::uint8_t in[16] = {};
    std::uint32_t got = 0;
    EXPECT_TRUE(array->read(in, 5, got));
    EXPECT_EQ(got, 5u);
    EXPECT_TRUE(array->read(in, 16, got));
    EXPECT_EQ(got, 3u);
    EXPECT_FALSE(array->read(in, 1, got));
    EXPECT_EQ(got, 0u);
    array->seekFromEnd(4);
    EXPECT_EQ(array->getPosition(), 4u);
    array->stepBack(10);
    EXPECT_EQ(array->getPosition(), 0u);

    // Writing past the end leaves a zero gap.
    array->setPosition(12);
    const std::uint8_t tail[] = {9, 9, 9, 9};
    ASSERT_TRUE(array->write(tail, 4, put));
    EXPECT_EQ(array->count(), 4u);
    EXPECT_EQ(array->get(2), 0);
    EXPECT_EQ(array->get(3), 0x09090909);
}
