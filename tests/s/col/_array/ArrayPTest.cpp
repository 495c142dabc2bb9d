#include "s/col/_array/ArrayP.h"

#include "s/cleaner/CleanerIObject.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/IPoolable.h"
#include "s/thread/PoolRef.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <string>

using s::col::_array::ArrayP;
using s::thread::PoolRef;

namespace {

std::atomic<int> itemsDestroyed{0};

class Item : public s::base::IObject, public s::thread::IPoolable {
    S_POOLED_CLASS(Item, u"tests_Item")
public:
    void reset() override { value = 0; }
    int value;

private:
    Item() { reset(); }
    ~Item() override { ++itemsDestroyed; }
};

struct Owned : s::base::IComparable {
    explicit Owned(int* counter) : deletions(counter) {}
    ~Owned() override { ++*deletions; }
    int* deletions;
};

} // namespace

TEST(ArrayPTest, DisposerActsOnFreeStorageButNotOnClearOrRemoval) {
    // Warm the pool so that idle counts below are exact.
    Item* items[4];
    for (Item*& item : items) {
        item = Item::newInstance();
        item->value = 1;
    }
    const std::uint32_t idleBefore = Item::pool().idleCount();
    auto array = PoolRef<ArrayP>::take();
    array->setDisposer(&Item::pool());
    for (Item* item : items) {
        array->add(item);
    }
    array->removeLast();
    EXPECT_EQ(Item::pool().idleCount(), idleBefore) << "removeLast does not dispose";
    EXPECT_EQ(items[3]->value, 1);
    array->add(items[3]);
    void* taken = array->removeAt(0);
    EXPECT_EQ(taken, items[0]);
    EXPECT_EQ(array->get(0), items[1]) << "the rest moved down";
    EXPECT_EQ(Item::pool().idleCount(), idleBefore);
    array->clear();
    EXPECT_EQ(Item::pool().idleCount(), idleBefore) << "clear does not dispose";
    for (Item* item : items) {
        array->add(item);
    }
    array->freeStorage();
    EXPECT_EQ(Item::pool().idleCount(), idleBefore + 4) << "freeStorage gives every item back";
    EXPECT_EQ(items[2]->value, 0) << "given back means reset";
    EXPECT_EQ(array->count(), 0u);
    EXPECT_EQ(array->capacity(), 0u);
    EXPECT_EQ(array->disposer(), &Item::pool()) << "the disposer stays until reset";
}

TEST(ArrayPTest, ReleaseDisposesAndARecycledArrayOwnsNothing) {
    int deletions = 0;
    ArrayP* array = ArrayP::newInstance();
    array->setDisposer(&s::cleaner::CleanerIObject::instance());
    array->add(new Owned(&deletions));
    array->add(new Owned(&deletions));
    array->add(nullptr);
    array->release();
    EXPECT_EQ(deletions, 2);
    ArrayP* recycled = ArrayP::newInstance();
    EXPECT_EQ(recycled, array);
    EXPECT_EQ(recycled->disposer(), nullptr);
    EXPECT_EQ(recycled->count(), 0u);
    Owned kept(&deletions);
    recycled->add(&kept);
    recycled->release();
    EXPECT_EQ(deletions, 2) << "without a disposer nothing is deleted";
}

TEST(ArrayPTest, FindsRemovesAndNamesElements) {
    auto array = PoolRef<ArrayP>::take();
    int a = 0, b = 0, c = 0;
    array->add(&a);
    array->add(&b);
    array->add(&c);
    array->insertAt(1, &c);
    std::int32_t index = 99;
    EXPECT_TRUE(array->indexOf(&c, index));
    EXPECT_EQ(index, 1);
    EXPECT_TRUE(array->indexOf(&c, index, 2));
    EXPECT_EQ(index, 3);
    EXPECT_FALSE(array->indexOf(&index, index));
    EXPECT_EQ(index, -1);
    EXPECT_EQ(array->removeAt(3), &c) << "the last element is taken without moving anything";
    EXPECT_EQ(array->removeAt(3), nullptr) << "out of range";
    EXPECT_EQ(array->last(), &b);
    EXPECT_EQ(std::u16string(array->getClassName()), u"s_col__array_ArrayP");
    EXPECT_EQ(std::u16string(array->getTypeName()), u"s_col__array_ArrayP");
    EXPECT_EQ(array->elementSize(), sizeof(void*));
}

TEST(ArrayPTest, StringPoolAsDisposerTakesTheStringsBackOnlyOnFreeStorage) {
    using s::str::strbuffer::StrBuffer;
    StrBuffer* strings[3];
    for (StrBuffer*& text : strings) {
        text = StrBuffer::newInstance();
        text->assignWcs(u"text");
    }
    const std::uint32_t idleBefore = StrBuffer::pool().idleCount();
    auto array = PoolRef<ArrayP>::take();
    array->setDisposer(&StrBuffer::pool());
    for (StrBuffer* text : strings) {
        array->add(text);
    }
    array->removeLast();
    array->clear();
    EXPECT_EQ(StrBuffer::pool().idleCount(), idleBefore);
    EXPECT_EQ(strings[0]->length(), 4u);
    for (StrBuffer* text : strings) {
        array->add(text);
    }
    array->freeStorage();
    EXPECT_EQ(StrBuffer::pool().idleCount(), idleBefore + 3);
    EXPECT_EQ(StrBuffer::newInstance(), strings[2]) << "the last one given back comes first";
    EXPECT_EQ(strings[2]->length(), 0u);
    strings[2]->release();
}

TEST(ArrayPTest, TextNamesTheClassOfEachElementOnceItIsKnown) {
    auto array = PoolRef<ArrayP>::take();
    auto item = PoolRef<Item>::take();
    array->add(item.get());
    array->add(nullptr);
    auto text = PoolRef<s::str::strbuffer::StrBuffer>::take();
    char address[32];
    std::snprintf(address, sizeof(address), "(0x%llx)",
                  static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(item.get())));
    const std::u16string addressText(address, address + std::strlen(address));

    array->toText(*text, false);
    EXPECT_EQ(std::u16string(text->c_str()), u"s_col__array_ArrayP [" + addressText + u" (0x0)]");
    array->setElementClass<Item>();
    array->toText(*text, false);
    EXPECT_EQ(std::u16string(text->c_str()),
              u"s_col__array_ArrayP [tests_Item" + addressText + u" (0x0)]");

    // A recycled array knows no element class, like it has no disposer.
    array->removeLast(2);
    array->release();
    array.detach();
    auto recycled = PoolRef<ArrayP>::take();
    recycled->add(item.get());
    recycled->toText(*text, false);
    EXPECT_EQ(std::u16string(text->c_str()), u"s_col__array_ArrayP [" + addressText + u"]");
}
