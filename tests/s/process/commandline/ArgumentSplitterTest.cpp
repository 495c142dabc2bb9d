#include "s/process/commandline/ArgumentSplitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using s::process::commandline::ArgumentSplitter;
using Arguments = std::vector<std::u16string>;

TEST(ArgumentSplitterTest, TheProgramNameIsLeftOutQuotedOrNot) {
    EXPECT_EQ(Arguments{}, ArgumentSplitter::split(nullptr));
    EXPECT_EQ(Arguments{}, ArgumentSplitter::split(u""));
    EXPECT_EQ(Arguments{}, ArgumentSplitter::split(u"magnifier.exe"));
    EXPECT_EQ(Arguments{}, ArgumentSplitter::split(u"magnifier.exe   \t "));
    EXPECT_EQ((Arguments{u"-startup", u"/x"}),
              ArgumentSplitter::split(u"\"C:\\Program Files\\Vexa\\magnifier.exe\" -startup /x"));
    // Backslashes and quotes mean nothing special inside the program name.
    EXPECT_EQ((Arguments{u"a"}), ArgumentSplitter::split(u"C:\\x\\\"y a"));
    // The name ends at its closing quote even when more text follows.
    EXPECT_EQ((Arguments{u"c", u"d"}), ArgumentSplitter::split(u"\"a b\"c d"));
    // A line that starts with a blank has an empty program name.
    EXPECT_EQ((Arguments{u"a", u"b"}), ArgumentSplitter::split(u" a b"));
}

TEST(ArgumentSplitterTest, BlanksSeparateArgumentsOutsideQuotesAndEmptyQuotesAreArguments) {
    EXPECT_EQ((Arguments{u"a", u"b"}), ArgumentSplitter::split(u"p  a\t\tb  "));
    EXPECT_EQ((Arguments{u"a b", u"c"}), ArgumentSplitter::split(u"p \"a b\" c"));
    EXPECT_EQ((Arguments{u"ab cd"}), ArgumentSplitter::split(u"p a\"b c\"d"));
    EXPECT_EQ((Arguments{u"", u"x", u""}), ArgumentSplitter::split(u"p \"\" x \"\""));
    EXPECT_EQ((Arguments{u"\t"}), ArgumentSplitter::split(u"p \"\t\""));
    // A quote left open runs to the end of the line.
    EXPECT_EQ((Arguments{u"a b "}), ArgumentSplitter::split(u"p \"a b "));
}

TEST(ArgumentSplitterTest, BackslashesCountOnlyBeforeAQuote) {
    EXPECT_EQ((Arguments{u"a\\\\b", u"c:\\dir\\"}), ArgumentSplitter::split(u"p a\\\\b c:\\dir\\"));
    // 1 backslash: a literal quote.
    EXPECT_EQ((Arguments{u"a\"b"}), ArgumentSplitter::split(u"p a\\\"b"));
    // 2: one backslash, and the quote opens a quoted part.
    EXPECT_EQ((Arguments{u"a\\b c"}), ArgumentSplitter::split(u"p a\\\\\"b c\""));
    // 3: one backslash and a literal quote.
    EXPECT_EQ((Arguments{u"a\\\"b"}), ArgumentSplitter::split(u"p a\\\\\\\"b"));
    // A quoted folder ending in an escaped backslash.
    EXPECT_EQ((Arguments{u"c:\\my dir\\", u"x"}),
              ArgumentSplitter::split(u"p \"c:\\my dir\\\\\" x"));
}

TEST(ArgumentSplitterTest, TwoQuotesInsideAQuotedPartGiveOneQuoteAndEndThePart) {
    EXPECT_EQ((Arguments{u"a\"b", u"c"}), ArgumentSplitter::split(u"p \"a\"\"b c"));
    EXPECT_EQ((Arguments{u"a\"b c"}), ArgumentSplitter::split(u"p \"a\"\"b\" c"));
    EXPECT_EQ((Arguments{u"\""}), ArgumentSplitter::split(u"p \"\"\"\""));
    EXPECT_EQ((Arguments{u"\"", u"x"}), ArgumentSplitter::split(u"p \"\"\" x"));
}
