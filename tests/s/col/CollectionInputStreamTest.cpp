#include "s/col/CollectionInputStream.h"

#include "s/col/_array/ArrayS32.h"
#include "s/col/_array/ArrayU08.h"
#include "s/thread/PoolRef.h"

#include <gtest/gtest.h>

#include <cstring>

using s::col::CollectionInputStream;
using s::col::_array::ArrayS32;
using s::col::_array::ArrayU08;
using s::thread::PoolRef;

TEST(CollectionInputStreamTest, ReadsTheStorageBytesWithAPositionOfItsOwn) {
    auto array = PoolRef<ArrayU08>::take();
    for (std::uint8_t b : {1, 2, 3, 4, 5}) {
        array->add(b);
    }
    array->setPosition(4); // the array's own stream view is left alone
    PoolRef<s::io::IInputStream> first(array->newInputStream());
    PoolRef<s::io::IInputStream> second(array->newInputStream());
    ASSERT_TRUE(first && second);
    auto* stream = dynamic_cast<CollectionInputStream*>(first.get());
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(std::u16string(stream->getClassName()), u"s_col_CollectionInputStream");

    std::uint8_t buffer[8] = {};
    std::uint32_t got = 0;
    EXPECT_TRUE(first->read(buffer, 3, got));
    EXPECT_EQ(got, 3u);
    EXPECT_EQ(buffer[2], 3);
    EXPECT_TRUE(second->read(buffer, 8, got));
    EXPECT_EQ(got, 5u);
    EXPECT_EQ(first->getPosition(), 3u);
    EXPECT_EQ(array->getPosition(), 4u);
    EXPECT_TRUE(first->read(buffer, 0, got)); // data remains
    EXPECT_EQ(got, 0u);
    EXPECT_TRUE(first->read(buffer, 8, got));
    EXPECT_EQ(got, 2u);
    EXPECT_FALSE(first->read(buffer, 8, got)); // at the end
    EXPECT_EQ(got, 0u);

    // Positioning; the array may change size between reads.
    first->seekFromEnd(2);
    EXPECT_EQ(first->getPosition(), 3u);
    first->stepBack(9);
    EXPECT_EQ(first->getPosition(), 0u);
    first->skip(4);
    array->removeLast(2);
    EXPECT_FALSE(first->read(buffer, 1, got));
    array->add(9);
    array->add(8);
    EXPECT_TRUE(first->read(buffer, 4, got));
    EXPECT_EQ(got, 1u);
    EXPECT_EQ(buffer[0], 8);
    first->rewind();
    EXPECT_TRUE(first->canRewind() && first->canSeek());
    first->seekToEnd();
    EXPECT_EQ(first->getPosition(), 5u);
}

TEST(CollectionInputStreamTest, WiderElementsAreReadInMemoryOrder) {
    auto array = PoolRef<ArrayS32>::take();
    array->add(0x04030201);
    array->add(-1);
    PoolRef<s::io::IInputStream> stream(array->newInputStream());
    std::uint8_t bytes[8] = {};
    std::uint32_t got = 0;
    EXPECT_TRUE(stream->read(bytes, 8, got));
    ASSERT_EQ(got, 8u);
    std::int32_t values[2];
    std::memcpy(values, bytes, sizeof(values));
    EXPECT_EQ(values[0], 0x04030201);
    EXPECT_EQ(values[1], -1);
}
