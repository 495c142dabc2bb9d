#include "s/gui/text/LayoutMeasure.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "s/gui/text/TextFormat.h"

using s::gui::layout::Size;
using s::gui::text::ITextExtent;
using s::gui::text::LayoutMeasure;
using s::gui::text::TextExtents;
using s::gui::text::TextFormat;

namespace {

// Every unit 7 pixels wide and lines 13 high; breaks at "\n" and, with word
// breaking in a zero width, at every space, as the system's measurement does.
class FixedWidthText : public ITextExtent {
public:
    explicit FixedWidthText(std::u16string content) : text(std::move(content)) {}

    Size measure(uint32_t format) override {
        formats.push_back(format);
        const bool breakWords = (format & TextFormat::kWordBreak) != 0;
        int32_t widest = 0;
        int32_t lines = 1;
        int32_t run = 0;
        for (char16_t unit : text) {
            if (unit == u'\n' || (breakWords && unit == u' ')) {
                widest = run > widest ? run : widest;
                run = 0;
                ++lines;
            } else {
                run += 7;
            }
        }
        widest = run > widest ? run : widest;
        return {widest, lines * 13};
    }

    std::u16string text;
    std::vector<uint32_t> formats;
};

} // namespace

TEST(LayoutMeasureTest, OneLineIsExactlyItsOwnSize) {
    FixedWidthText text(u"Zoom ratio");
    const TextExtents plain = LayoutMeasure::measure(text, false, false);
    EXPECT_EQ(70, plain.minWidth);
    EXPECT_EQ(70, plain.maxWidth);
    EXPECT_EQ(13, plain.height);
    EXPECT_EQ(13, plain.maxHeight);
    ASSERT_EQ(1u, text.formats.size());
    EXPECT_NE(0u, text.formats[0] & TextFormat::kNoPrefix) << "no access-key underlines";
    EXPECT_NE(0u, text.formats[0] & TextFormat::kCalculateRectangle);

    const TextExtents cut = LayoutMeasure::measure(text, false, true);
    EXPECT_EQ(1, cut.minWidth) << "an ellipsis text may shrink to one pixel";
    EXPECT_EQ(70, cut.maxWidth);
    EXPECT_EQ(13, cut.maxHeight);
}

TEST(LayoutMeasureTest, WrappedTextRangesFromTheWidestWordToTheUnbrokenLines) {
    FixedWidthText text(u"a quick fox\njumps");
    const TextExtents wrapped = LayoutMeasure::measure(text, true, true);
    EXPECT_EQ(35, wrapped.minWidth) << "\"quick\" and \"jumps\", five units";
    EXPECT_EQ(77, wrapped.maxWidth) << "the first line as written";
    EXPECT_EQ(26, wrapped.height) << "its own two lines";
    EXPECT_EQ(0, wrapped.maxHeight);
    ASSERT_EQ(2u, text.formats.size());
    EXPECT_EQ(0u, text.formats[0] & TextFormat::kSingleLine) << "own line breaks count";
    EXPECT_EQ(0u, text.formats[0] & TextFormat::kWordBreak);
    EXPECT_NE(0u, text.formats[1] & TextFormat::kWordBreak);
}

TEST(LayoutMeasureTest, FormatsFollowTheSwitchesAndCentringWins) {
    EXPECT_EQ(0x820u, TextFormat::forDrawing(false, false, false));
    EXPECT_EQ(0x8820u, TextFormat::forDrawing(false, false, true));
    EXPECT_EQ(0x810u, TextFormat::forDrawing(false, true, true)) << "wrapping beats the ellipsis";
    EXPECT_EQ(0x8825u, TextFormat::forDrawing(true, true, false)) << "centred is one line";
    EXPECT_EQ(0xC20u, TextFormat::forMeasuring(false, false));
    EXPECT_EQ(0x8C20u, TextFormat::forMeasuring(false, true));
    EXPECT_EQ(0xC10u, TextFormat::forMeasuring(true, false));
}
