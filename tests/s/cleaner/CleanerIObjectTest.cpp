#include "s/cleaner/CleanerIObject.h"

#include "s/base/IComparable.h"

#include <gtest/gtest.h>

namespace {
struct Counted : s::base::IComparable {
    explicit Counted(int* counter) : deletions(counter) {}
    ~Counted() override { ++*deletions; }
    int* deletions;
};
} // namespace

TEST(CleanerIObjectTest, DeletesThroughTheVirtualDestructorAndIgnoresNull) {
    int deletions = 0;
    void* slot = new Counted(&deletions);
    auto& cleaner = s::cleaner::CleanerIObject::instance();
    EXPECT_EQ(&cleaner, &s::cleaner::CleanerIObject::instance());
    cleaner.dispose(&slot);
    EXPECT_EQ(deletions, 1);
    EXPECT_EQ(slot, nullptr);
    cleaner.dispose(&slot);
    cleaner.dispose(nullptr);
    EXPECT_EQ(deletions, 1);
}
