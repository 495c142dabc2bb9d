#include "s/str/strarray/StrArray.h"

#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/PoolRef.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using s::str::strarray::StrArray;
using s::str::strbuffer::StrBuffer;
using s::thread::PoolRef;

TEST(StrArrayTest, OwnsItsStringsAndGivesThemBackToThePool) {
    auto list = PoolRef<StrArray>::take();
    EXPECT_EQ(std::u16string(u"s_str_strarray_StrArray"), list->getClassName());
    list->appendCopy(u"alpha");
    list->appendCopy(u"BETA-ignored", 4);
    StrBuffer* gamma = StrBuffer::newInstance();
    gamma->assignWcs(u"gamma");
    list->add(gamma);
    list->add(nullptr);
    ASSERT_EQ(3u, list->count());
    EXPECT_EQ(std::u16string(u"BETA"), list->textAt(1));
    EXPECT_EQ(gamma, list->get(2));
    EXPECT_EQ(nullptr, list->get(3));
    EXPECT_EQ(std::u16string(u""), list->textAt(3));

    std::uint32_t index = 99;
    EXPECT_TRUE(list->indexOfIgnoreCase(u"beta", -1, index));
    EXPECT_EQ(1u, index);
    EXPECT_FALSE(list->indexOf(u"beta", -1, index));
    EXPECT_TRUE(list->indexOf(u"gam", 3, index) == false);
    EXPECT_TRUE(list->indexOf(u"gamma", -1, index));
    EXPECT_EQ(2u, index);

    // The array's disposer is the string pool: an owned string is not leaked
    // (the sanitizer build checks) when removed, cleared or released.
    StrBuffer* taken = list->takeAt(0);
    EXPECT_EQ(2u, list->count());
    EXPECT_EQ(std::u16string(u"alpha"), taken->c_str());
    taken->release();
    list->removeAt(0);
    EXPECT_EQ(1u, list->count());
    EXPECT_EQ(std::u16string(u"gamma"), list->textAt(0));
    list->clear();
    EXPECT_TRUE(list->isEmpty());
    list->appendCopy(u"left for release");
    EXPECT_EQ(&StrBuffer::pool(), list->array().disposer());
}

TEST(StrArrayTest, RecycledListStillOwnsNewStrings) {
    StrArray* first = StrArray::newInstance();
    first->appendCopy(u"x");
    first->release();
    StrArray* second = StrArray::newInstance();
    EXPECT_EQ(0u, second->count());
    EXPECT_EQ(&StrBuffer::pool(), second->array().disposer());
    second->appendCopy(u"y");
    second->release();
}

} // namespace
