#include "s/map/MapTable.h"

#include "s/cleaner/CleanerIObject.h"
#include "s/col/_array/ArrayP.h"
#include "s/map/Map.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/PoolRef.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using s::map::Map;
using s::map::MapEntry;
using s::map::MapTable;
using s::thread::PoolRef;

namespace {

// A text key comparing exactly or ignoring ASCII case; counts its deletions.
class Key : public s::base::IComparable {
public:
    explicit Key(std::u16string keyText, int* counter = nullptr)
        : text(std::move(keyText)), deletions(counter) {}
    ~Key() override {
        if (deletions != nullptr) {
            ++*deletions;
        }
    }
    int compareTo(const IComparable* other, const s::base::IComparator* = nullptr) const override {
        return text.compare(static_cast<const Key*>(other)->text);
    }
    int compareToIgnoreCase(const IComparable* other,
                            const s::base::IComparator* = nullptr) const override {
        return folded(text).compare(folded(static_cast<const Key*>(other)->text));
    }

private:
    static std::u16string folded(std::u16string text) {
        for (char16_t& c : text) {
            if (c >= u'A' && c <= u'Z') {
                c = static_cast<char16_t>(c + 32);
            }
        }
        return text;
    }
    std::u16string text;
    int* deletions;
};

} // namespace

TEST(MapTableTest, RehashesInto431BucketsAtThe106thPutKeepingEveryEntry) {
    auto table = PoolRef<MapTable>::take();
    EXPECT_EQ(table->bucketCount(), 0u) << "no buckets before the first put";
    std::vector<Key> keys;
    keys.reserve(200);
    for (int i = 0; i < 200; ++i) {
        keys.emplace_back(u"k" + std::u16string(1, static_cast<char16_t>(u'0' + i % 10)) +
                          std::u16string(1, static_cast<char16_t>(0x100 + i)));
    }
    for (std::uint32_t i = 0; i < 105; ++i) {
        // Hashes that collide in both sizes' buckets now and then.
        ASSERT_TRUE(table->put(i * 7, &keys[i], &keys[i]));
    }
    EXPECT_EQ(table->bucketCount(), 211u);
    EXPECT_EQ(table->sizeLevel(), 0u);
    ASSERT_TRUE(table->put(105 * 7, &keys[105], &keys[105]));
    EXPECT_EQ(table->bucketCount(), 431u) << "105 entries reached half of 211";
    EXPECT_EQ(table->sizeLevel(), 1u);
    EXPECT_EQ(table->count(), 106u);
    for (std::uint32_t i = 0; i < 106; ++i) {
        EXPECT_EQ(table->find(i * 7, &keys[i]), &keys[i]) << i;
    }
    for (std::uint32_t i = 106; i < 200; ++i) {
        table->put(i * 7, &keys[i], &keys[i]);
    }
    EXPECT_EQ(table->bucketCount(), 431u);
    table->put(1000000, &keys[0], nullptr); // same key, other hash: a separate entry
    EXPECT_EQ(table->count(), 201u);
}

TEST(MapTableTest, PutsFindsAndRemovesByHashAndEquality) {
    auto table = PoolRef<MapTable>::take();
    Key apple(u"apple"), appleAgain(u"apple"), pear(u"pear"), upperApple(u"APPLE");
    int value1 = 1, value2 = 2;
    EXPECT_TRUE(table->put(5, &apple, &value1));
    EXPECT_FALSE(table->put(5, &appleAgain, &value2)) << "equal key with the same hash";
    EXPECT_TRUE(table->put(5 + 211, &pear, &value2)) << "same chain, different key";
    EXPECT_FALSE(table->put(1, nullptr, &value1));
    EXPECT_EQ(table->count(), 2u);
    EXPECT_EQ(table->find(5, &appleAgain), &value1);
    EXPECT_EQ(table->find(5 + 211, &pear), &value2);
    EXPECT_EQ(table->find(6, &apple), nullptr) << "another hash is another key";
    EXPECT_EQ(table->find(5, &upperApple), nullptr) << "case matters by default";
    EXPECT_EQ(table->find(5, nullptr), nullptr);

    // entries(): bucket by bucket, chain order.
    PoolRef<s::col::_array::ArrayP> entries(table->entries());
    ASSERT_EQ(entries->count(), 2u);
    EXPECT_EQ(static_cast<MapEntry*>(entries->get(0))->key, &apple);
    EXPECT_EQ(static_cast<MapEntry*>(entries->get(1))->key, &pear);

    EXPECT_TRUE(table->remove(5, &appleAgain));
    EXPECT_FALSE(table->remove(5, &apple));
    EXPECT_EQ(table->find(5 + 211, &pear), &value2) << "the rest of the chain stays";
    EXPECT_EQ(table->count(), 1u);

    auto folding = PoolRef<MapTable>::take();
    folding->setIgnoreCase(true);
    EXPECT_TRUE(folding->put(9, &apple, &value1));
    EXPECT_EQ(folding->find(9, &upperApple), &value1);
    EXPECT_FALSE(folding->put(9, &upperApple, &value2));
}

TEST(MapTableTest, ClearAndReleaseDisposeOfKeysAndValuesThroughTheDisposers) {
    int keyDeletions = 0;
    int valueDeletions = 0;
    auto& cleaner = s::cleaner::CleanerIObject::instance();
    MapTable* table = MapTable::newInstance();
    table->setKeyDisposer(&cleaner);
    table->setValueDisposer(&cleaner);
    for (std::uint32_t i = 0; i < 300; ++i) {
        table->put(i, new Key(u"k", &keyDeletions), new Key(u"v", &valueDeletions));
    }
    EXPECT_EQ(table->count(), 300u);
    table->clear();
    EXPECT_EQ(keyDeletions, 300);
    EXPECT_EQ(valueDeletions, 300);
    EXPECT_EQ(table->count(), 0u);
    Key probe(u"k");
    EXPECT_EQ(table->find(3, &probe), nullptr);

    table->put(1, new Key(u"a", &keyDeletions), new Key(u"b", &valueDeletions));
    table->put(2, new Key(u"a", &keyDeletions), nullptr);
    Key a(u"a");
    EXPECT_TRUE(table->remove(1, &a));
    EXPECT_EQ(keyDeletions, 301);
    EXPECT_EQ(valueDeletions, 301);
    table->release();
    EXPECT_EQ(keyDeletions, 302);

    MapTable* recycled = MapTable::newInstance();
    EXPECT_EQ(recycled->count(), 0u);
    EXPECT_EQ(recycled->bucketCount(), 0u);
    EXPECT_FALSE(recycled->ignoreCase());
    Key kept(u"kept", &keyDeletions);
    recycled->put(1, &kept, nullptr);
    recycled->release();
    EXPECT_EQ(keyDeletions, 302) << "a recycled table has no disposers";
    EXPECT_EQ(std::u16string(recycled->getClassName()), u"s_map_MapTable");
}

TEST(MapTableTest, MapIsASetOfKeys) {
    auto set = PoolRef<Map>::take();
    Key one(u"one"), oneAgain(u"one"), two(u"two");
    EXPECT_TRUE(set->put(1, &one));
    EXPECT_FALSE(set->put(1, &oneAgain));
    EXPECT_TRUE(set->put(2, &two));
    EXPECT_EQ(set->find(1, &oneAgain), &one);
    EXPECT_TRUE(set->contains(2, &two));
    EXPECT_TRUE(set->remove(1, &oneAgain));
    EXPECT_FALSE(set->contains(1, &one));
    EXPECT_EQ(set->count(), 1u);
    EXPECT_EQ(std::u16string(set->getClassName()), u"s_map_Map");
}

TEST(MapTableTest, MapsStringsToStringsIgnoringCaseAndGivesThemBack) {
    using s::str::strbuffer::StrBuffer;
    auto makeText = [](const char16_t* units) {
        StrBuffer* text = StrBuffer::newInstance();
        text->assignWcs(units);
        return text;
    };
    auto table = PoolRef<MapTable>::take();
    table->setIgnoreCase(true);
    table->setKeyDisposer(&StrBuffer::pool());
    table->setValueDisposer(&StrBuffer::pool());
    StrBuffer* key = makeText(u"Title");
    StrBuffer* value = makeText(u"Vexa");
    ASSERT_TRUE(table->put(static_cast<std::uint32_t>(key->hashCodeIgnoreCase()), key, value));
    auto probe = PoolRef<StrBuffer>::take();
    probe->assignWcs(u"TITLE");
    EXPECT_EQ(table->find(static_cast<std::uint32_t>(probe->hashCodeIgnoreCase()), probe.get()),
              value);
    const std::uint32_t idleBefore = StrBuffer::pool().idleCount();
    EXPECT_TRUE(
        table->remove(static_cast<std::uint32_t>(probe->hashCodeIgnoreCase()), probe.get()));
    EXPECT_EQ(StrBuffer::pool().idleCount(), idleBefore + 2) << "key and value went back";
}
