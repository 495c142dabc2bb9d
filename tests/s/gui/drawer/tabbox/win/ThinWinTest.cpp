#include "s/gui/drawer/tabbox/win/Thin.h"

#include <gtest/gtest.h>

#include "../../ControlCanvas.h"
#include "s/gui/win/Font.h"
#include "s/thread/PoolRef.h"

using s::gui::drawer::tabbox::win::Thin;
using s::thread::PoolRef;

TEST(TabBoxDrawerWinTest, PaintsNothingAndCompletesLabelsAndTitlesFromItsTwoTextDrawers) {
    auto drawer = PoolRef<Thin>::take();
    EXPECT_EQ(drawer->getColor(), RGB(255, 255, 255));
    drawer->setColor(4, 5, 6);
    EXPECT_EQ(drawer->getColor(), RGB(4, 5, 6));
    drawer->getStyle1().setTextColor(200, 0, 0);
    drawer->getSecondStyle().setTextColor(0, 0, 200);
    auto label = PoolRef<s::gui::win::Font>::take();
    auto title = PoolRef<s::gui::win::Font>::take();
    drawer->completeFonts(label.get(), nullptr);
    drawer->completeFontsSecond(title.get());
    EXPECT_EQ(label->getTextColor(), RGB(200, 0, 0));
    EXPECT_EQ(title->getTextColor(), RGB(0, 0, 200));
    // The disabled style is the text drawer's own grey until a skin sets it.
    EXPECT_EQ(drawer->getStyle2().getTextColor(), RGB(161, 161, 146));

    drawertest::ControlCanvas canvas(40, 20, RGB(9, 9, 9));
    drawer->draw(canvas.get(), 0, 0, 40, 20, 1, u"Tab", label.get(), true);
    EXPECT_TRUE(canvas.untouched());
    // A reset brings the colour and both text drawers back.
    drawer->reset();
    EXPECT_EQ(drawer->getColor(), RGB(255, 255, 255));
    EXPECT_EQ(drawer->getSecondStyle().getTextColor(), RGB(0, 0, 0));
}
