#include "s/str/strbuffer/CodePageConverter.h"

#include "s/col/_array/ArrayU08.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/PoolRef.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using s::col::_array::ArrayU08;
using s::str::strbuffer::CodePageConverter;
using s::str::strbuffer::StrBuffer;
using s::thread::PoolRef;

TEST(CodePageConverterWinTest, SystemCodePagesConvertBothWays) {
    auto euro = PoolRef<StrBuffer>::take();
    euro->assignWcs(u"\x20AC\xE9");
    ArrayU08* ansi = euro->toCodePage(1252, nullptr, false, false);
    ASSERT_NE(nullptr, ansi);
    ASSERT_EQ(2u, ansi->count());
    EXPECT_EQ(0x80, ansi->get(0));
    EXPECT_EQ(0xE9, ansi->get(1));
    auto back = PoolRef<StrBuffer>::take();
    EXPECT_EQ(2, back->fromCodePage(1252, ansi->data(), false, 2));
    EXPECT_TRUE(back->equals(euro.get()));
    ansi->release();

    // Code pages 437 and 850, the usual OEM pages, both put e-acute at 0x82.
    EXPECT_TRUE(CodePageConverter::isSupported(CodePageConverter::oemCodePage()));
    EXPECT_EQ(1, back->fromOem("\x82", false));
    EXPECT_EQ(std::u16string(u"\xE9"), std::u16string(back->c_str()));

    // Shift-JIS: a double-byte page.
    const char kanji[] = "\x93\xfa\x96\x7b";
    EXPECT_EQ(2, back->fromCodePage(932, kanji, false));
    EXPECT_EQ(std::u16string(u"\x65E5\x672C"), std::u16string(back->c_str()));
    EXPECT_FALSE(CodePageConverter::isSupported(4242));

    // UTF-7 needs more than three bytes for a lone non-ASCII unit.
    auto accent = PoolRef<StrBuffer>::take();
    accent->assignWcs(u"\xE9");
    ArrayU08* seven = accent->toCodePage(65000, nullptr, false, false);
    ASSERT_NE(nullptr, seven);
    EXPECT_EQ(std::string("+AOk-"),
              std::string(reinterpret_cast<const char*>(seven->data()), seven->count()));
    seven->release();
}

} // namespace
