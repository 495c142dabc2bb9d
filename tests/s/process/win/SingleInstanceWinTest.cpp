#include "s/process/win/SingleInstance.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

using s::process::win::SingleInstance;

namespace {

// A name no other test run on this machine uses at the same time.
std::u16string uniqueName(const char16_t* base) {
    std::u16string name(base);
    for (unsigned long id = GetCurrentProcessId(); id != 0; id /= 10) {
        name += static_cast<char16_t>(u'0' + id % 10);
    }
    return name;
}

} // namespace

// This process holds the mutex of every name it asked for, so a second
// question with the same name finds "another" copy, one with another name
// does not: the caller's name decides which programs meet.
TEST(SingleInstanceWinTest, TheCallersNameDecidesWhichCopiesMeet) {
    const std::u16string first = uniqueName(u"SingleInstanceTestA");
    const std::u16string second = uniqueName(u"SingleInstanceTestB");
    EXPECT_FALSE(SingleInstance::findOtherInstance(first.c_str()));
    EXPECT_TRUE(SingleInstance::findOtherInstance(first.c_str()));
    EXPECT_FALSE(SingleInstance::findOtherInstance(second.c_str()));
    EXPECT_TRUE(SingleInstance::findOtherInstance(second.c_str()));
}

// Names the system refuses as mutex names (a backslash, or far too long)
// leave the process list to decide: no other process runs this test program.
TEST(SingleInstanceWinTest, ARefusedNameFallsBackToTheProcessList) {
    const std::u16string slashed = uniqueName(u"Bad\\Name");
    EXPECT_FALSE(SingleInstance::findOtherInstance(slashed.c_str()));
    EXPECT_FALSE(SingleInstance::findOtherInstance(slashed.c_str()));
    const std::u16string huge(40000, u'x');
    EXPECT_FALSE(SingleInstance::findOtherInstance(huge.c_str()));
    EXPECT_FALSE(SingleInstance::findOtherInstance(huge.c_str()));
}
