#include "s/xml/Entities.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using s::xml::Entities;

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
