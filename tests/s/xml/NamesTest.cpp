#include "s/xml/Names.h"

#include <gtest/gtest.h>

#include <string>

using s::xml::Names;

TEST(NamesTest, TakesXmlNamesOnly) {
    for (const char16_t* name :
         {u"View", u"MainWindow", u"View4K", u"_x", u"a:b", u"a-b.c9", u"Gr\u00f6\u00dfe",
          u"\u65e5\u672c", u"x\u00b7\u0301", u"\U00010000x"}) {
        EXPECT_TRUE(Names::isName(name)) << std::u16string(name).size();
    }
    for (const char16_t* name :
         {u"", u"1x", u"-x", u".x", u"\u00b7x", u"a b", u"a>b", u"a=b", u"a\"b", u"a/b", u"a\\b",
          u"a\tb", u"a&b", u"a<b", u"x\xd800", u"\xdc00x", u"\U000F0000"}) {
        EXPECT_FALSE(Names::isName(name)) << std::u16string(name).size();
    }
    EXPECT_FALSE(Names::isName(nullptr));
    EXPECT_TRUE(Names::isName(u"ab cd", 2));         // only the given units count
    EXPECT_FALSE(Names::isName(u"\xd800\xdc00", 1)); // a pair cut in half
}
