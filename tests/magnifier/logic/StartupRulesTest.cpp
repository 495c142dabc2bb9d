#include "magnifier/logic/StartupRules.h"

#include <gtest/gtest.h>

#include <vector>

#include "s/process/commandline/ArgumentRules.h"

namespace magnifier = s::image::gui::dialogs::magnifier;
using s::process::commandline::normaliseArgument;

TEST(StartupRulesTest, SupportedSystemsTruthTable) {
    struct Row {
        bool isNT;
        uint32_t major;
        uint32_t minor;
        bool supported;
    };
    const Row rows[] = {
        {true, 5, 0, false},  // Windows 2000
        {true, 5, 1, true},   // XP
        {true, 5, 2, true},   // XP x64 / Server 2003
        {true, 5, 3, false},  // no such NT 5 release
        {false, 5, 1, false}, // 5.1 needs the NT platform
        {false, 4, 10, false}, {true, 4, 0, false}, {true, 6, 0, true},
        {false, 6, 0, true}, // from 6 on the platform flag does not matter
        {true, 6, 1, true},    {true, 10, 0, true}, {false, 0, 0, false}, // a failed version query
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.supported, magnifier::isSupportedSystem(row.isNT, row.major, row.minor))
            << row.isNT << " " << row.major << "." << row.minor;
    }
}

TEST(StartupRulesTest, SlashOrHyphenStartupInAnyCaseIsABootStart) {
    std::vector<std::u16string> stored;
    for (const char16_t* written : {u"/STARTUP", u"-startup", u"/StartUp", u"-STARTUP"}) {
        stored.push_back(normaliseArgument(written));
    }
    for (const std::u16string& argument : stored) {
        const char16_t* arguments[] = {argument.c_str()};
        EXPECT_TRUE(magnifier::isBootStart(arguments, 1));
    }
}

TEST(StartupRulesTest, OtherArgumentsAreIgnoredButNeverMakeABootStart) {
    const std::u16string extra = normaliseArgument(u"/x");
    const char16_t* withOthers[] = {u"file.txt", extra.c_str(), u"-startup"};
    EXPECT_TRUE(magnifier::isBootStart(withOthers, 3));
    const char16_t* others[] = {u"-start", u"startup", u"-startupx", u"--startup", u""};
    EXPECT_FALSE(magnifier::isBootStart(others, 5));
    EXPECT_FALSE(magnifier::isBootStart(nullptr, 0));
    const char16_t* withNull[] = {nullptr, u"-startup"};
    EXPECT_TRUE(magnifier::isBootStart(withNull, 2));
}

TEST(StartupRulesTest, ArgumentsKeepALeadingHyphenForASlash) {
    EXPECT_EQ(u"-startup", normaliseArgument(u"/startup"));
    EXPECT_EQ(u"-a/b", normaliseArgument(u"/a/b")); // only the first unit changes
    EXPECT_EQ(u"-", normaliseArgument(u"/"));
    EXPECT_EQ(u"", normaliseArgument(u""));
    EXPECT_EQ(u"", normaliseArgument(nullptr));
    EXPECT_EQ(u"x/", normaliseArgument(u"x/"));
}
