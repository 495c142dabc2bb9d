#include "s/gui/win/Font.h"

#include <gtest/gtest.h>

#include <string>

#include "s/gui/scale/win/SystemScale.h"
#include "s/gui/text/FontSize.h"
#include "s/gui/win/SystemFontFace.h"
#include "s/thread/PoolRef.h"

using s::gui::text::FontSize;
using s::gui::win::Font;

namespace {

LOGFONTW logicalFontOf(HFONT font) {
    LOGFONTW logical = {};
    GetObjectW(font, sizeof(logical), &logical);
    return logical;
}

} // namespace

TEST(FontWinTest, SizeCodesReachTheSystemFontAndOtherCodesLeaveIt) {
    auto font = s::thread::PoolRef<Font>::take();
    const auto& scale = s::gui::scale::win::systemScale();
    LOGFONTW logical = logicalFontOf(font->getHandle());
    EXPECT_EQ(FontSize::heightFor(10, scale), logical.lfHeight);
    EXPECT_EQ(400, logical.lfWeight);
    EXPECT_EQ(std::u16string(s::gui::win::systemFontFace()),
              reinterpret_cast<const char16_t*>(logical.lfFaceName));

    font->setFontSize(103);
    logical = logicalFontOf(font->getHandle());
    EXPECT_EQ(FontSize::heightFor(17, scale), logical.lfHeight);
    EXPECT_EQ(700, logical.lfWeight);

    font->setFontSize(1000);
    logical = logicalFontOf(font->getHandle());
    EXPECT_EQ(FontSize::heightFor(17, scale), logical.lfHeight) << "1000 is no size";
    EXPECT_EQ(700, logical.lfWeight);
    EXPECT_EQ(1000, font->getFontSize());

    font->setFontSize(-103);
    EXPECT_EQ(FontSize::heightFor(11, scale), logicalFontOf(font->getHandle()).lfHeight);
    font->setUnderline(true);
    EXPECT_TRUE(logicalFontOf(font->getHandle()).lfUnderline) << "a change makes a new font";
}

TEST(FontWinTest, TheSystemFaceIsAReadableName) {
    const std::u16string face = s::gui::win::systemFontFace();
    EXPECT_FALSE(face.empty());
    EXPECT_LE(face.size(), 31u);
    EXPECT_EQ(s::gui::win::systemFontFace(), s::gui::win::systemFontFace()) << "read once";
}
