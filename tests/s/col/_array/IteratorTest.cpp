#include "s/col/_array/Iterator.h"

#include "s/col/_array/ArrayS32.h"
#include "s/thread/PoolRef.h"

#include <gtest/gtest.h>

#include <vector>

using s::col::_array::ArrayS32;
using s::col::_array::Iterator;
using s::thread::PoolRef;

namespace {
std::int32_t valueAt(void* element) {
    return *static_cast<std::int32_t*>(element);
}
} // namespace

TEST(IteratorTest, WalksForwardAndBackOverEveryElement) {
    auto array = PoolRef<ArrayS32>::take();
    for (std::int32_t v : {10, 20, 30}) {
        array->add(v);
    }
    PoolRef<Iterator> it(array->iterator());
    EXPECT_EQ(it->getIndex(), -1);
    std::vector<std::int32_t> forward;
    while (it->hasNext()) {
        forward.push_back(valueAt(it->next()));
    }
    EXPECT_EQ(forward, (std::vector<std::int32_t>{10, 20, 30}));
    EXPECT_EQ(it->getIndex(), 2);
    EXPECT_EQ(it->next(), nullptr);

    PoolRef<Iterator> back(array->iteratorAtEnd());
    std::vector<std::int32_t> backward;
    while (back->hasPrevious()) {
        backward.push_back(valueAt(back->previous()));
    }
    EXPECT_EQ(backward, (std::vector<std::int32_t>{30, 20, 10}));
    EXPECT_EQ(back->previous(), nullptr);

    PoolRef<Iterator> from(array->iteratorFrom(1));
    EXPECT_EQ(valueAt(from->next()), 20);
    PoolRef<Iterator> fromEnd(array->iteratorFromEnd(1));
    EXPECT_EQ(valueAt(fromEnd->next()), 30);
    EXPECT_EQ(valueAt(fromEnd->back(2)), 20);
    EXPECT_EQ(valueAt(it->back(3)), 10);
    EXPECT_EQ(it->skip(5), nullptr);

    auto empty = PoolRef<ArrayS32>::take();
    PoolRef<Iterator> none(empty->iterator());
    EXPECT_FALSE(none->hasNext());
    EXPECT_FALSE(none->hasPrevious());
    EXPECT_EQ(std::u16string(none->getClassName()), u"s_col_array_Iterator");
}

TEST(IteratorTest, IndexRunsFromMinusOneToTheCountAsForTheStringIterator) {
    auto array = PoolRef<ArrayS32>::take();
    for (std::int32_t v : {10, 20, 30}) {
        array->add(v);
    }
    // At the end the index is the count; each previous() then names the
    // element it returned, down to 0, where hasPrevious() ends the walk.
    PoolRef<Iterator> back(array->iteratorAtEnd());
    EXPECT_EQ(back->getIndex(), 3);
    EXPECT_FALSE(back->hasNext());
    std::vector<std::int32_t> indices;
    while (back->hasPrevious()) {
        back->previous();
        indices.push_back(back->getIndex());
    }
    EXPECT_EQ(indices, (std::vector<std::int32_t>{2, 1, 0}));

    PoolRef<Iterator> fromEnd(array->iteratorFromEnd(2));
    EXPECT_EQ(fromEnd->getIndex(), 1);
    EXPECT_TRUE(fromEnd->hasPrevious());
    EXPECT_EQ(valueAt(fromEnd->next()), 20);
    PoolRef<Iterator> beyond(array->iteratorFromEnd(9));
    EXPECT_EQ(beyond->getIndex(), 0);
    EXPECT_EQ(valueAt(beyond->next()), 10);

    PoolRef<Iterator> from(array->iteratorFrom(7)); // beyond the end: at the end
    EXPECT_EQ(from->getIndex(), 2);
    EXPECT_EQ(from->next(), nullptr);
    EXPECT_EQ(valueAt(from->previous()), 30);

    // setIndex moves index and cursor together, within the array.
    PoolRef<Iterator> moved(array->iterator());
    moved->setIndex(0);
    EXPECT_EQ(valueAt(moved->next()), 20);
    moved->setIndex(99);
    EXPECT_EQ(moved->getIndex(), 2);
    EXPECT_EQ(moved->next(), nullptr);
    moved->setIndex(-5);
    EXPECT_EQ(moved->getIndex(), -1);
    EXPECT_EQ(valueAt(moved->next()), 10);

    // Growing the array between steps is harmless: addresses are fresh.
    for (std::int32_t v = 0; v < 500; ++v) {
        array->add(v);
    }
    EXPECT_EQ(valueAt(moved->next()), 20);
}
