#include "s/xml/Entities.h"
#include "s/xml/Numbers.h"
#include "s/xml/Utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using s::xml::Entities;
using s::xml::Numbers;
using s::xml::Utf8;

namespace {

std::u16string encoded(const std::u16string& text, bool content) {
    std::vector<char16_t> out(Entities::encodedLength(text.data(), text.size(), content));
    char16_t* end = Entities::encode(text.data(), text.size(), content, out.data());
    EXPECT_EQ(static_cast<std::size_t>(end - out.data()), out.size());
    return std::u16string(out.begin(), out.end());
}

// Decodes from a buffer of exactly the text's length, so that a read past an
// entity cut off at the end is caught by the address sanitizer.
std::u16string decoded(const std::u16string& text, bool content) {
    std::vector<char16_t> in(text.begin(), text.end());
    std::vector<char16_t> out(in.size() + 1);
    std::size_t length = Entities::decode(in.data(), in.size(), content, out.data());
    return std::u16string(out.data(), length);
}

std::u16string decodedUtf8(const std::string& bytes) {
    std::vector<char16_t> out(Utf8::maxUnits(bytes.size()) + 1);
    std::size_t length =
        Utf8::decode(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), out.data());
    return std::u16string(out.data(), length);
}

} // namespace

TEST(EntitiesTest, EncodesAttributesAndContentDifferently) {
    EXPECT_EQ(encoded(u"a b\"<>&\r\n", false), u"a b&quot;&lt;>&amp;&#13;&#10;");
    EXPECT_EQ(encoded(u"a b\"<>&\r\n", true), u"a&#160;b\"&lt;&gt;&amp;&#13;&#10;");
    EXPECT_EQ(encoded(u"", false), u"");
}

TEST(EntitiesTest, ContentWritesWhatTheReaderWouldTrimAsReferencesAndReadsItBack) {
    // Tabs and ideographic spaces only at either end; the empty text as the
    // one reference that reads back as nothing.
    EXPECT_EQ(encoded(u"\tx\ty\t\u3000", true), u"&#9;x\ty&#9;&#12288;");
    EXPECT_EQ(encoded(u"\u3000 \t", true), u"&#12288;&#160;&#9;");
    EXPECT_EQ(encoded(u"", true), u"&#65279;");
    EXPECT_EQ(encoded(u"\t", false), u"\t"); // attribute values are never trimmed
    EXPECT_EQ(decoded(u"&#65279;", true), u"");
    EXPECT_EQ(decoded(u"&#65279; \r\n", true), u"");
    EXPECT_EQ(decoded(u"&#65279;x", true), u"&#65279;x"); // only alone does it mean empty
    EXPECT_EQ(decoded(u"&#65279;", false), u"&#65279;");
    const std::u16string texts[] = {u"",
                                    u" ",
                                    u"\t",
                                    u"\u3000",
                                    u"\t a \t",
                                    u"\r\n\t",
                                    u"\u00a0x\u00a0",
                                    u"x\t\u3000 \t",
                                    u"&#65279;",
                                    u"\ufeff",
                                    u"&#9;",
                                    u"a\t\u3000b"};
    for (const std::u16string& text : texts) {
        EXPECT_EQ(decoded(encoded(text, true), true), text);
        EXPECT_EQ(decoded(encoded(text, false), false), text);
    }
}

TEST(EntitiesTest, DecodesOnlyItsOwnEntitiesAndStopsAtTheEnd) {
    EXPECT_EQ(decoded(u"&amp;&lt;&quot;&#13;&#10;&gt;&#160;&apos;", false),
              u"&<\"\r\n&gt;&#160;&apos;");
    EXPECT_EQ(decoded(u"&am", false), u"&am");
    EXPECT_EQ(decoded(u"&#16", true), u"&#16");
    EXPECT_EQ(decoded(u"&", true), u"&");
    EXPECT_EQ(decoded(u" \t\r\n x &#160; \u3000\t", true), u"x  ");
    EXPECT_EQ(decoded(u"x&#10;\n\n", true), u"x\n");
    EXPECT_EQ(decoded(u" \n ", true), u"");
    EXPECT_EQ(decoded(u"  a  ", false), u"  a  "); // attributes keep their spaces
}

TEST(NumbersTest, ParsesLikeTheForgivingDecimalParseAndSaturates) {
    EXPECT_EQ(Numbers::parseInt32(u"  -42abc"), -42);
    EXPECT_EQ(Numbers::parseInt32(u"+7"), 7);
    EXPECT_EQ(Numbers::parseInt32(u"x1"), 0);
    EXPECT_EQ(Numbers::parseInt32(u""), 0);
    EXPECT_EQ(Numbers::parseInt32(nullptr), 0);
    EXPECT_EQ(Numbers::parseInt32(u"99999999999"), 2147483647);
    EXPECT_EQ(Numbers::parseInt32(u"-99999999999999999999999"), -2147483647 - 1);
    EXPECT_EQ(Numbers::parseUInt32(u"4294967295"), 4294967295u);
    EXPECT_EQ(Numbers::parseUInt32(u"4294967296"), 4294967295u);
    EXPECT_EQ(Numbers::parseUInt32(u"-1"), 4294967295u);
    EXPECT_EQ(Numbers::parseInt64(u"-9223372036854775808"), INT64_MIN);
    EXPECT_EQ(Numbers::parseInt64(u"9223372036854775808"), INT64_MAX);
    EXPECT_DOUBLE_EQ(Numbers::parseDouble(u" -1.25e2x"), -125.0);
    EXPECT_DOUBLE_EQ(Numbers::parseDouble(u".5"), 0.5);
    EXPECT_DOUBLE_EQ(Numbers::parseDouble(u"3e"), 3.0);
    EXPECT_DOUBLE_EQ(Numbers::parseDouble(u"inf"), 0.0);
    EXPECT_DOUBLE_EQ(Numbers::parseDouble(u"0x10"), 0.0);

    char16_t text[Numbers::kMaxText];
    EXPECT_EQ(std::u16string(text, Numbers::formatInt64(INT64_MIN, text)), u"-9223372036854775808");
    EXPECT_EQ(std::u16string(text, Numbers::formatDouble(-0.5, text)), u"-0.500000");
    EXPECT_EQ(Numbers::formatDouble(1e308, text), 316u); // no truncation
}

TEST(Utf8Test, ReplacesEveryMalformedByteAndKeepsWellFormedSequences) {
    EXPECT_EQ(decodedUtf8("plain ascii text"), u"plain ascii text");
    EXPECT_EQ(decodedUtf8("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), u"\u00e9\u20ac\U0001F600");
    EXPECT_EQ(decodedUtf8("\x80"), u"\uFFFD");                     // stray continuation
    EXPECT_EQ(decodedUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");           // overlong
    EXPECT_EQ(decodedUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD"); // encoded surrogate
    EXPECT_EQ(decodedUtf8("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(decodedUtf8("ab\xE2\x82"), u"ab\uFFFD\uFFFD"); // cut short
    std::u16string lone = u"a";
    lone.push_back(0xD800);
    lone.push_back(u'b');
    std::vector<std::uint8_t> bytes(Utf8::maxBytes(lone.size()));
    bytes.resize(Utf8::encode(lone.data(), lone.size(), bytes.data()));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "a\xEF\xBF\xBD"
                                                       "b");
}
