#include "s/col/_array/ArrayS32.h"

#include "s/col/_array/ArrayP.h"
#include "s/col/_array/ArrayS08.h"
#include "s/col/_array/ArrayU08.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/PoolRef.h"

#include <gtest/gtest.h>

#include <string>

using s::col::_array::ArrayP;
using s::col::_array::ArrayS08;
using s::col::_array::ArrayS32;
using s::col::_array::ArrayU08;
using s::str::strbuffer::StrBuffer;
using s::thread::PoolRef;

namespace {
std::u16string textOf(const StrBuffer& text) {
    return std::u16string(text.data() != nullptr ? text.data() : u"", text.length());
}
} // namespace

TEST(ArrayS32Test, WritesItsElementsAsTextAndXml) {
    auto array = PoolRef<ArrayS32>::take();
    array->add(1);
    array->add(2);
    array->add(3);
    auto text = PoolRef<StrBuffer>::take();
    array->toText(*text, false);
    EXPECT_EQ(textOf(*text), u"s_col__array_ArrayS32 [1 2 3]");
    array->set(1, -20);
    array->toText(*text, true);
    EXPECT_EQ(textOf(*text), u"s_col__array_ArrayS32 [1 2 3]s_col__array_ArrayS32 [1 -20 3]");
    array->toXml(*text, false);
    EXPECT_EQ(textOf(*text), u"<s_col__array_ArrayS32 length=\"3\">00000001ffffffec00000003"
                             u"</s_col__array_ArrayS32>");

    auto empty = PoolRef<ArrayS32>::take();
    empty->toText(*text, false);
    EXPECT_EQ(textOf(*text), u"s_col__array_ArrayS32 []");

    auto unsignedBytes = PoolRef<ArrayU08>::take();
    unsignedBytes->add(255);
    unsignedBytes->add(7);
    unsignedBytes->toText(*text, false);
    EXPECT_EQ(textOf(*text), u"s_col__array_ArrayU08 [255 7]");
    unsignedBytes->elementsText(*text, false);
    EXPECT_EQ(textOf(*text), u"ff07");

    auto signedBytes = PoolRef<ArrayS08>::take();
    signedBytes->add(-1);
    signedBytes->add(7);
    signedBytes->toText(*text, false);
    EXPECT_EQ(textOf(*text), u"s_col__array_ArrayS08 [-1 7]");

    auto pointers = PoolRef<ArrayP>::take();
    pointers->add(reinterpret_cast<void*>(0x1234));
    pointers->add(nullptr);
    pointers->toText(*text, false);
    EXPECT_EQ(textOf(*text), u"s_col__array_ArrayP [(0x1234) (0x0)]");
}

TEST(ArrayS32Test, TypedArraysFindValuesAndCompareWithTheirOwnSign) {
    auto array = PoolRef<ArrayS32>::take();
    array->add(5);
    array->add(-7);
    std::int32_t index = 0;
    EXPECT_TRUE(array->indexOf(-7, index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(array->indexOf(8, index));
    EXPECT_EQ(index, -1);

    auto low = PoolRef<ArrayS08>::take();
    auto high = PoolRef<ArrayS08>::take();
    low->add(-1);
    high->add(1);
    EXPECT_LT(low->compareTo(high.get()), 0);
    auto lowU = PoolRef<ArrayU08>::take();
    auto highU = PoolRef<ArrayU08>::take();
    lowU->add(1);
    highU->add(255);
    EXPECT_LT(lowU->compareTo(highU.get()), 0);
    EXPECT_EQ(std::u16string(lowU->getClassName()), u"s_col__array_ArrayU08");
}
