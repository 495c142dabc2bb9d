#include "s/process/commandline/win/CommandLine.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "s/platform/win/WideText.h"
#include "s/process/commandline/ArgumentSplitter.h"
#include "s/thread/PoolRef.h"

using s::process::commandline::ArgumentSplitter;
using s::process::commandline::ICommandLine;
using s::process::commandline::win::CommandLine;
using s::thread::PoolRef;

namespace {

// The system's own split, without the program name.
std::vector<std::u16string> systemSplit(const char16_t* line) {
    int count = 0;
    LPWSTR* split = CommandLineToArgvW(s::platform::win::wide(line), &count);
    std::vector<std::u16string> arguments;
    for (int i = 1; split != nullptr && i < count; ++i) {
        arguments.push_back(s::platform::win::utf16(split[i]));
    }
    LocalFree(split);
    return arguments;
}

} // namespace

TEST(CommandLineWinTest, SplitsEveryLineAsTheSystemDoes) {
    const char16_t* lines[] = {
        u"p",
        u"p a b",
        u"\"C:\\Program Files\\p.exe\" -startup",
        u"p  a\t\tb  ",
        u"p \"a b\" c",
        u"p a\"b c\"d",
        u"p \"\" x \"\"",
        u"p a\\\\b c:\\dir\\",
        u"p a\\\"b",
        u"p a\\\\\"b c\"",
        u"p a\\\\\\\"b",
        u"p \"c:\\my dir\\\\\" x",
        u"p \"a\"\"b c",
        u"p \"a\"\"b\" c",
        u"p \"\"\"\"",
        u"p \"\"\" x",
        u"\"a b\"c d",
        u"p \"a b ",
        u"p \"\"\"\"\"\" y",
        u"p \\\\\\\\\"\"\"",
        u"C:\\x\\\"y a",
    };
    for (const char16_t* line : lines) {
        SCOPED_TRACE(testing::Message()
                     << std::string(line, line + std::char_traits<char16_t>::length(line)));
        EXPECT_EQ(systemSplit(line), ArgumentSplitter::split(line));
    }
}

TEST(CommandLineWinTest, KeepsSwitchesWithALeadingDashAndOtherArgumentsAsTheyAre) {
    PoolRef<CommandLine> commandLine = PoolRef<CommandLine>::take();
    EXPECT_EQ(std::u16string(u"s_process_commandline_win_CommandLine"),
              commandLine->getClassName());
    EXPECT_EQ(std::u16string(u"s_process_commandline_ICommandLine"), ICommandLine::interfaceName);
    commandLine->parse(u"\"C:\\p.exe\" /startup -StartUp / x/y \"\" \"/quoted\" \\/z");
    ASSERT_EQ(7, commandLine->getCount());
    EXPECT_EQ(std::u16string(u"-startup"), commandLine->getArgument(0));
    EXPECT_EQ(std::u16string(u"-StartUp"), commandLine->getArgument(1));
    EXPECT_EQ(std::u16string(u"-"), commandLine->getArgument(2));
    EXPECT_EQ(std::u16string(u"x/y"), commandLine->getArgument(3));
    EXPECT_EQ(std::u16string(u""), commandLine->getArgument(4));
    EXPECT_EQ(std::u16string(u"-quoted"), commandLine->getArgument(5));
    EXPECT_EQ(std::u16string(u"\\/z"), commandLine->getArgument(6));
    EXPECT_EQ(std::u16string(u""), commandLine->getArgument(7));
    EXPECT_EQ(std::u16string(u""), commandLine->getArgument(-1));
    // A second parse replaces the first.
    commandLine->parse(u"p.exe");
    EXPECT_EQ(0, commandLine->getCount());
    commandLine->parse(nullptr);
    EXPECT_EQ(0, commandLine->getCount());
}

TEST(CommandLineWinTest, ReadsTheProcessOwnLineAndComesBackFromItsPoolEmpty) {
    CommandLine* commandLine = CommandLine::newInstance();
    commandLine->parse();
    const std::vector<std::u16string> expected =
        systemSplit(s::platform::win::utf16(GetCommandLineW()));
    ASSERT_EQ(static_cast<int32_t>(expected.size()), commandLine->getCount());
    for (size_t i = 0; i < expected.size(); ++i) {
        std::u16string kept = expected[i];
        if (!kept.empty() && kept[0] == u'/') {
            kept[0] = u'-';
        }
        EXPECT_EQ(kept, commandLine->getArgument(static_cast<int32_t>(i)));
    }
    commandLine->parse(u"p a b");
    commandLine->release();
    PoolRef<CommandLine> again = PoolRef<CommandLine>::take();
    EXPECT_EQ(0, again->getCount());
}
