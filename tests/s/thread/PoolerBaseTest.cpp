#include "s/thread/Factory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

// Blocks are malloc'ed buffers whose first int holds their size in bytes.
class SizedFactory : public s::thread::Factory {
public:
    ~SizedFactory() override { destroyIdleBlocks(); }
    void* generate() override { return makeBlock(64); }
    s::base::IObject* newObject() const override { return new SizedFactory(); }
    std::int32_t blockSize(void* block) const override { return *static_cast<int*>(block); }
    void resetBlock(void* block) override {
        ++resets;
        const int size = *static_cast<int*>(block);
        std::memset(static_cast<char*>(block) + sizeof(int), 0, size - sizeof(int));
    }
    void destroyBlock(void** slot) override {
        ++destroyed;
        std::free(*slot);
        *slot = nullptr;
    }
    static void* makeBlock(int size) {
        void* block = std::calloc(1, size);
        *static_cast<int*>(block) = size;
        return block;
    }
    int resets = 0;
    int destroyed = 0;
};

} // namespace

TEST(PoolerBaseTest, WithoutAccountingKeepsUpTo1001BlocksOfAnySize) {
    SizedFactory factory;
    EXPECT_FALSE(factory.accounting());
    for (int i = 0; i < 1001; ++i) {
        factory.giveBack(SizedFactory::makeBlock(i == 0 ? 4096 : 64));
    }
    EXPECT_EQ(factory.idleCount(), 1001u);
    EXPECT_EQ(factory.destroyed, 0);
    EXPECT_EQ(factory.bytesHeld(), 0u);
    factory.giveBack(SizedFactory::makeBlock(64));
    EXPECT_EQ(factory.idleCount(), 1001u);
    EXPECT_EQ(factory.destroyed, 1);
    EXPECT_EQ(factory.resets, 1001);
    EXPECT_EQ(std::u16string(factory.getClassName()), u"s_thread_Factory");
}

TEST(PoolerBaseTest, WithAccountingRefusesLargeBlocksAndBytesAboveTheBudget) {
    SizedFactory factory;
    factory.setAccounting(true);
    factory.giveBack(SizedFactory::makeBlock(1025));
    EXPECT_EQ(factory.destroyed, 1) << "a block above 1024 bytes is never kept";
    factory.giveBack(SizedFactory::makeBlock(1024));
    EXPECT_EQ(factory.idleCount(), 1u);
    EXPECT_EQ(factory.bytesHeld(), 1024u);
    // 99 more blocks of 1024 reach exactly 102400 bytes.
    for (int i = 0; i < 99; ++i) {
        factory.giveBack(SizedFactory::makeBlock(1024));
    }
    EXPECT_EQ(factory.bytesHeld(), 102400u);
    EXPECT_EQ(factory.idleCount(), 100u);
    factory.giveBack(SizedFactory::makeBlock(8));
    EXPECT_EQ(factory.destroyed, 2) << "even 8 more bytes exceed the budget";
    // A caller-given size is what counts on the way back.
    void* block = factory.take();
    EXPECT_EQ(factory.bytesHeld(), 101376u);
    factory.giveBack(block, 1024);
    EXPECT_EQ(factory.bytesHeld(), 102400u);
    // A bogus negative size never enters the pool.
    void* other = factory.take();
    factory.giveBack(other, -5);
    EXPECT_EQ(factory.destroyed, 3);
}

TEST(PoolerBaseTest, TakeIsAStackThatGeneratesWhenEmptyAndDisposeGivesBack) {
    SizedFactory factory;
    void* generated = factory.take();
    ASSERT_NE(generated, nullptr);
    EXPECT_EQ(factory.blockSize(generated), 64);
    static_cast<char*>(generated)[10] = 'x';
    void* slot = generated;
    factory.dispose(&slot);
    EXPECT_EQ(slot, nullptr);
    factory.dispose(&slot);
    factory.giveBack(nullptr);
    EXPECT_EQ(factory.idleCount(), 1u);
    void* second = SizedFactory::makeBlock(32);
    factory.giveBack(second);
    EXPECT_EQ(factory.take(), second);
    void* first = factory.take();
    EXPECT_EQ(first, generated);
    EXPECT_EQ(static_cast<char*>(first)[10], 0) << "reset on the way back";
    factory.giveBack(first);
    factory.giveBack(second);
}

TEST(PoolerBaseTest, SurvivesConcurrentTakeAndGiveBackWithAccounting) {
    SizedFactory factory;
    factory.setAccounting(true);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&factory] {
            std::vector<void*> held;
            for (int i = 0; i < 3000; ++i) {
                held.push_back(factory.take());
                if (i % 5 == 4) {
                    for (void* block : held) {
                        factory.giveBack(block);
                    }
                    held.clear();
                }
            }
            for (void* block : held) {
                factory.giveBack(block);
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(factory.bytesHeld(), factory.idleCount() * 64u);
}
