#include "s/str/Utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using s::str::Utf8;

namespace {

// Decodes from a buffer of exactly the bytes' length, so that a read past a
// sequence cut off at the end is caught by the address sanitizer.
std::u16string decodedUtf8(const std::string& bytes) {
    std::vector<std::uint8_t> in(bytes.begin(), bytes.end());
    std::vector<char16_t> out(Utf8::maxUnits(in.size()) + 1);
    std::size_t length = Utf8::decode(in.data(), in.size(), out.data());
    return std::u16string(out.data(), length);
}

} // namespace

TEST(Utf8Test, ReplacesEveryMalformedByteAndKeepsWellFormedSequences) {
    EXPECT_EQ(decodedUtf8("plain ascii text"), u"plain ascii text");
    EXPECT_EQ(decodedUtf8("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), u"\u00e9\u20ac\U0001F600");
    EXPECT_EQ(decodedUtf8("\x80"), u"\uFFFD");                     // stray continuation
    EXPECT_EQ(decodedUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");           // overlong
    EXPECT_EQ(decodedUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD"); // encoded surrogate
    EXPECT_EQ(decodedUtf8("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");
    // A sequence cut short is one ill-formed part; the byte that cut it
    // starts the next one.
    EXPECT_EQ(decodedUtf8("ab\xE2\x82"), u"ab\uFFFD");
    EXPECT_EQ(decodedUtf8("\xE2\x82x\xF0\x9F\x98"), u"\uFFFDx\uFFFD");
    EXPECT_EQ(decodedUtf8("\xE0\x80\x80"), u"\uFFFD\uFFFD\uFFFD"); // overlong three-byte form
    // Past the eight-byte ASCII fast path, mixed text decodes the same.
    EXPECT_EQ(decodedUtf8("abcdefgh\xC3\xA9ijklmnop\xFF"), u"abcdefgh\u00e9ijklmnop\uFFFD");
    std::u16string lone = u"a";
    lone.push_back(0xD800);
    lone.push_back(u'b');
    std::vector<std::uint8_t> bytes(Utf8::maxBytes(lone.size()));
    bytes.resize(Utf8::encode(lone.data(), lone.size(), bytes.data()));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "a\xEF\xBF\xBD"
                                                       "b");
}
