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
