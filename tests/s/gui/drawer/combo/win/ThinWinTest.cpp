#include "s/gui/drawer/combo/win/Thin.h"

#include <gtest/gtest.h>

#include "s/gui/scale/win/SystemScale.h"
#include "s/gui/win/Font.h"
#include "tests/support/win/PixelCanvas.h"

using s::gui::drawer::combo::win::Thin;
using s::gui::win::Font;
using s::test::win::PixelCanvas;
using s::thread::PoolRef;

namespace {

constexpr COLORREF kFrame = RGB(200, 0, 0);

} // namespace

TEST(ComboThinWinTest, SeparatorAndDownArrowArePaintedRightOfTheTextBox) {
    if (s::gui::scale::win::systemScale().getUnit() != 1) {
        GTEST_SKIP() << "the sizes checked here are those of scale factor 1";
    }
    auto drawer = PoolRef<Thin>::take();
    drawer->setFrameColor(200, 0, 0);
    PixelCanvas canvas(100, 22);
    drawer->draw(canvas.get(), 0, 0, 100, 22, 0, nullptr, nullptr, true);
    // Text box (4, 1) ... (85, 21): separator (86, 3, 1, 16), arrow in
    // (88, 3) ... (98, 19).
    EXPECT_EQ(16, canvas.count(kFrame, 86, 0, 87, 22));
    EXPECT_EQ(kFrame, canvas.at(86, 3));
    EXPECT_EQ(kFrame, canvas.at(86, 18));
    EXPECT_EQ(PixelCanvas::kWhite, canvas.at(86, 2));
    EXPECT_EQ(0, canvas.painted(87, 2, 89, 20)) << "gap and the glyph's own margin";
    EXPECT_GT(canvas.count(kFrame, 89, 4, 97, 18), 0) << "the arrow";
    EXPECT_EQ(0, canvas.painted(2, 2, 85, 20)) << "no text";
}

TEST(ComboThinWinTest, TheTextIsDrawnInTheTextBoxAndEmptyRectanglesDrawNothing) {
    auto drawer = PoolRef<Thin>::take();
    auto font = PoolRef<Font>::take();
    drawer->setLabelColor(0, 0, 0);
    drawer->completeFonts(font.get(), nullptr);
    const int32_t unit = s::gui::scale::win::systemScale().getUnit();
    PixelCanvas canvas(200 * unit, 30 * unit);
    drawer->draw(canvas.get(), 0, 0, 0, 30 * unit, 0, u"Choice", font.get(), true);
    drawer->draw(canvas.get(), 0, 30 * unit, 200 * unit, 0, 0, u"Choice", font.get(), true);
    EXPECT_EQ(0, canvas.painted());
    drawer->draw(canvas.get(), 0, 0, 200 * unit, 30 * unit, 0, u"Choice", font.get(), true);
    EXPECT_GT(canvas.painted(4 * unit, 2 * unit, 185 * unit, 28 * unit), 0);
    EXPECT_EQ(0, canvas.painted(2 * unit, 2 * unit, 4 * unit, 28 * unit))
        << "the text starts in the text box";
    EXPECT_EQ(RGB(0, 0, 0), drawer->getFrameColor()) << "frame colour until a scheme sets one";
}
