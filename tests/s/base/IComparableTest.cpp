#include "s/base/IComparable.h"

#include "s/base/IComparator.h"

#include <gtest/gtest.h>

namespace {

struct Plain : s::base::IComparable {};
struct OtherPlain : s::base::IComparable {};

// Orders by the first int of the objects it is given; "ignore case" folds
// everything to equal so the two paths are distinguishable.
struct ByValue : s::base::IComparator {
    int compare(const void* a, const void* b) const override {
        const int left = static_cast<const Valued*>(static_cast<const s::base::IComparable*>(a))->v;
        const int right =
            static_cast<const Valued*>(static_cast<const s::base::IComparable*>(b))->v;
        return left < right ? -1 : (left > right ? 1 : 0);
    }
    int compareIgnoreCase(const void*, const void*) const override { return 0; }
    struct Valued : s::base::IComparable {
        explicit Valued(int value) : v(value) {}
        int v;
    };
};

} // namespace

TEST(IComparableTest, DefaultsCompareIdentity) {
    Plain objects[2];
    Plain& low = objects[0];
    Plain& high = objects[1];
    EXPECT_EQ(low.compareTo(&high), -1);
    EXPECT_EQ(high.compareTo(&low), 1);
    EXPECT_EQ(low.compareTo(&low), 0);
    EXPECT_EQ(low.compareToIgnoreCase(&high), -1);
    EXPECT_FALSE(low.equals(&high));
    EXPECT_TRUE(low.equals(&low));
    EXPECT_FALSE(low.equalsIgnoreCase(&high));
    EXPECT_TRUE(high.equalsIgnoreCase(&high));
}

TEST(IComparableTest, DefaultHashIsOnePerConcreteClass) {
    Plain a, b;
    OtherPlain c;
    EXPECT_EQ(a.hashCode(), b.hashCode());
    EXPECT_NE(a.hashCode(), c.hashCode());
    EXPECT_EQ(a.hashCodeIgnoreCase(), a.hashCode());
}

TEST(IComparableTest, AGivenComparatorDecides) {
    ByValue byValue;
    ByValue::Valued one(1), otherOne(1), two(2);
    EXPECT_EQ(one.compareTo(&two, &byValue), -1);
    EXPECT_EQ(two.compareTo(&one, &byValue), 1);
    EXPECT_TRUE(one.equals(&otherOne, &byValue));
    EXPECT_FALSE(one.equals(&otherOne));
    EXPECT_FALSE(one.equals(&two, &byValue));
    EXPECT_TRUE(one.equalsIgnoreCase(&two, &byValue));
    EXPECT_EQ(one.compareToIgnoreCase(&two, &byValue), 0);
}
