// The drawers every scheme of both families is built with, in the scheme's
// colours by role.
#include <gtest/gtest.h>

#include <string>

#include "s/gui/drawer/IButton.h"
#include "s/gui/drawer/ICounter.h"
#include "s/gui/drawer/IGroupBox.h"
#include "s/gui/drawer/IListBox.h"
#include "s/gui/drawer/IListHeader.h"
#include "s/gui/drawer/IMenu.h"
#include "s/gui/drawer/IRadioButton.h"
#include "s/gui/drawer/IScrollBar.h"
#include "s/gui/drawer/ISkin.h"
#include "s/gui/drawer/ISlider.h"
#include "s/gui/drawer/IStatusBar.h"
#include "s/gui/drawer/ITabBox.h"
#include "s/gui/drawer/IText.h"
#include "s/gui/drawer/IWindow.h"
#include "s/gui/drawer/Skinner.h"
#include "s/gui/drawer/skin/ThinPalette.h"
#include "s/gui/drawer/skin/ThinWindowPalette.h"
#include "s/platform/win/GdiObject.h"
#include "s/platform/win/MemoryDC.h"
#include "s/platform/win/ObjectSelection.h"
#include "s/str/strarray/StrArray.h"
#include "s/thread/PoolRef.h"

using s::gui::drawer::ISkin;
using s::gui::drawer::Skinner;
using s::gui::drawer::skin::Rgb;
using s::gui::drawer::skin::ThinPalette;
using s::gui::drawer::skin::ThinWindowPalette;
using s::thread::PoolRef;

namespace {

PoolRef<Skinner> skinnerOf(const char16_t* family) {
    auto skinner = PoolRef<Skinner>::take();
    skinner->setFamily(family);
    skinner->buildSchemes();
    return skinner;
}

// The skin of the scheme at `index`, made current.
ISkin* schemeAt(Skinner& skinner, int32_t index) {
    skinner.select(skinner.getSchemeNames().textAt(static_cast<uint32_t>(index)));
    return skinner.getCurrent();
}

uint32_t colour(const ThinWindowPalette& palette, ThinWindowPalette::Role role) {
    return palette.colour(role).colorRef();
}

// The window drawer's frame, packed like its background.
uint32_t frameOf(const s::gui::drawer::IWindow& drawer) {
    return Rgb{drawer.getFrameRed(), drawer.getFrameGreen(), drawer.getFrameBlue()}.colorRef();
}

} // namespace

TEST(SchemeColoursWinTest, EveryThinWindowSchemesWindowDrawerHasItsFrameAndBackground) {
    using Role = ThinWindowPalette::Role;
    PoolRef<Skinner> skinner = skinnerOf(u"ThinWindow");
    for (int32_t i = 0; i < skinner->getSchemeCount(); ++i) {
        const ThinWindowPalette& palette = *ThinWindowPalette::at(i);
        s::gui::drawer::IWindow* window = schemeAt(*skinner, i)->getWindowDrawer();
        ASSERT_NE(nullptr, window) << i;
        EXPECT_EQ(colour(palette, Role::Background), window->getBackground()) << i;
        EXPECT_EQ(colour(palette, Role::Frame), frameOf(*window)) << i;
    }
    PoolRef<Skinner> thin = skinnerOf(u"Thin");
    for (int32_t i = 0; i < thin->getSchemeCount(); ++i) {
        const ThinPalette& palette = *ThinPalette::at(i);
        s::gui::drawer::IWindow* window = schemeAt(*thin, i)->getWindowDrawer();
        ASSERT_NE(nullptr, window) << i;
        EXPECT_EQ(palette.colour(ThinPalette::Role::Background).colorRef(), window->getBackground())
            << i;
        EXPECT_EQ(palette.colour(ThinPalette::Role::Frame).colorRef(), frameOf(*window)) << i;
    }
}

TEST(SchemeColoursWinTest, EverySchemesButtonDrawerHasItsFrameDisabledToggledAndTextColours) {
    using Role = ThinWindowPalette::Role;
    PoolRef<Skinner> skinner = skinnerOf(u"ThinWindow");
    for (int32_t i = 0; i < skinner->getSchemeCount(); ++i) {
        const ThinWindowPalette& palette = *ThinWindowPalette::at(i);
        s::gui::drawer::IButton* button = schemeAt(*skinner, i)->getButtonDrawer();
        ASSERT_NE(nullptr, button) << i;
        const Rgb frame{button->getFrameRed(), button->getFrameGreen(), button->getFrameBlue()};
        const Rgb disabled{button->getDisabledFrameRed(), button->getDisabledFrameGreen(),
                           button->getDisabledFrameBlue()};
        const Rgb fill{button->getToggledFillRed(), button->getToggledFillGreen(),
                       button->getToggledFillBlue()};
        EXPECT_EQ(palette.colour(Role::ControlFrame), frame) << i;
        EXPECT_EQ(palette.colour(Role::Disabled), disabled) << i;
        EXPECT_EQ(palette.colour(Role::ToggledFill), fill) << i;
        EXPECT_EQ(colour(palette, Role::Text), button->getStyle1().getTextColor()) << i;
        EXPECT_EQ(colour(palette, Role::Disabled), button->getStyle2().getTextColor()) << i;
        EXPECT_EQ(colour(palette, Role::ToggledText), button->getToggledStyle().getTextColor())
            << i;
    }
    // Thin: frame and label only; the rest is the drawer's own grey.
    PoolRef<Skinner> thin = skinnerOf(u"Thin");
    for (int32_t i = 0; i < thin->getSchemeCount(); ++i) {
        const ThinPalette& palette = *ThinPalette::at(i);
        s::gui::drawer::IButton* button = schemeAt(*thin, i)->getButtonDrawer();
        ASSERT_NE(nullptr, button) << i;
        const Rgb frame{button->getFrameRed(), button->getFrameGreen(), button->getFrameBlue()};
        const Rgb fill{button->getToggledFillRed(), button->getToggledFillGreen(),
                       button->getToggledFillBlue()};
        EXPECT_EQ(palette.colour(ThinPalette::Role::Frame), frame) << i;
        EXPECT_EQ((Rgb{120, 120, 120}), fill) << i;
        const uint32_t text = palette.colour(ThinPalette::Role::Text).colorRef();
        EXPECT_EQ(text, button->getStyle1().getTextColor()) << i;
        EXPECT_EQ(text, button->getStyle2().getTextColor()) << i;
    }
}

TEST(SchemeColoursWinTest, ThinWindowTextStylesTakeTheTextDisabledAndFrameColours) {
    using Role = ThinWindowPalette::Role;
    PoolRef<Skinner> skinner = skinnerOf(u"ThinWindow");
    ASSERT_EQ(ThinWindowPalette::kSchemeCount, skinner->getSchemeCount());
    for (int32_t i = 0; i < ThinWindowPalette::kSchemeCount; ++i) {
        const ThinWindowPalette& palette = *ThinWindowPalette::at(i);
        ISkin* skin = schemeAt(*skinner, i);
        ASSERT_NE(nullptr, skin);
        ASSERT_EQ(std::u16string(palette.name), std::u16string(skin->getName()));
        s::gui::drawer::IText* text = skin->getTextDrawer();
        ASSERT_NE(nullptr, text) << i;
        EXPECT_EQ(colour(palette, Role::Text), text->getStyle1().getTextColor()) << i;
        EXPECT_EQ(colour(palette, Role::Background), text->getStyle1().getBackColor()) << i;
        EXPECT_EQ(colour(palette, Role::Shade), text->getStyle1().getShadeColor()) << i;
        EXPECT_EQ(colour(palette, Role::Disabled), text->getStyle2().getTextColor()) << i;
        EXPECT_EQ(colour(palette, Role::Text), text->getStyle3().getTextColor()) << i;
        EXPECT_EQ(colour(palette, Role::ControlFrame), text->getStyle4().getTextColor()) << i;
        // Style 5 (a pressed link) keeps the drawer's own colour.
        EXPECT_EQ(s::gui::text::FontDescription::rgb(170, 170, 0), text->getStyle5().getTextColor())
            << i;
    }
}

TEST(SchemeColoursWinTest, ThinTextStylesOneAndTwoTakeTheTextColour) {
    using Role = ThinPalette::Role;
    PoolRef<Skinner> skinner = skinnerOf(u"Thin");
    ASSERT_EQ(ThinPalette::kSchemeCount, skinner->getSchemeCount());
    for (int32_t i = 0; i < ThinPalette::kSchemeCount; ++i) {
        const ThinPalette& palette = *ThinPalette::at(i);
        ISkin* skin = schemeAt(*skinner, i);
        ASSERT_NE(nullptr, skin);
        s::gui::drawer::IText* text = skin->getTextDrawer();
        ASSERT_NE(nullptr, text) << i;
        const uint32_t textColour = palette.colour(Role::Text).colorRef();
        EXPECT_EQ(textColour, text->getStyle1().getTextColor()) << i;
        EXPECT_EQ(textColour, text->getStyle2().getTextColor()) << i;
        // The link styles keep the drawer's own colours.
        EXPECT_EQ(s::gui::text::FontDescription::rgb(0, 170, 0), text->getStyle3().getTextColor())
            << i;
    }
}

namespace {

// The colour a menu drawer paints a selected bar item in.
COLORREF selectionPainted(const s::gui::drawer::IMenu& menu) {
    s::platform::win::MemoryDC dc(nullptr);
    s::platform::win::OwnedGdiObject<HBITMAP> bitmap(CreateBitmap(20, 10, 1, 32, nullptr));
    s::platform::win::ObjectSelection selection(dc.get(), bitmap.get());
    menu.drawBarItem(dc.get(), 0, 0, 20, 10, nullptr, true, nullptr, nullptr);
    return GetPixel(dc.get(), 10, 5);
}

} // namespace

TEST(SchemeColoursWinTest, EveryThinWindowSchemesControlDrawersCarryTheirRoles) {
    using Role = ThinWindowPalette::Role;
    PoolRef<Skinner> skinner = skinnerOf(u"ThinWindow");
    for (int32_t i = 0; i < skinner->getSchemeCount(); ++i) {
        const ThinWindowPalette& palette = *ThinWindowPalette::at(i);
        ISkin* skin = schemeAt(*skinner, i);
        ASSERT_NE(nullptr, skin->getScrollBarDrawer()) << i;
        ASSERT_NE(nullptr, skin->getCheckBoxDrawer()) << i;
        ASSERT_NE(nullptr, skin->getRadioButtonDrawer()) << i;
        ASSERT_NE(nullptr, skin->getComboDrawer()) << i;

        s::gui::drawer::ISlider* slider = skin->getSliderDrawer();
        ASSERT_NE(nullptr, slider) << i;
        EXPECT_EQ(palette.colour(Role::Track),
                  (Rgb{slider->getFillRed(), slider->getFillGreen(), slider->getFillBlue()}))
            << i;

        s::gui::drawer::IListHeader* header = skin->getListHeaderDrawer();
        ASSERT_NE(nullptr, header) << i;
        EXPECT_EQ(palette.colour(Role::ControlFrame),
                  (Rgb{header->getFrameRed(), header->getFrameGreen(), header->getFrameBlue()}))
            << i;
        EXPECT_EQ(palette.colour(Role::ToggledFill),
                  (Rgb{header->getBackgroundRed(), header->getBackgroundGreen(),
                       header->getBackgroundBlue()}))
            << i;
        EXPECT_EQ(colour(palette, Role::ToggledText), header->getTextStyle().getTextColor()) << i;

        s::gui::drawer::IMenu* menu = skin->getMenuDrawer();
        ASSERT_NE(nullptr, menu) << i;
        EXPECT_EQ(colour(palette, Role::Text), menu->getNormalStyle().getTextColor()) << i;
        EXPECT_EQ(colour(palette, Role::Background), menu->getSelectedStyle().getTextColor()) << i;
        EXPECT_EQ(colour(palette, Role::ControlFrame), selectionPainted(*menu)) << i;
        EXPECT_NE(nullptr, menu->getComboDrawer()) << i;
    }
}

TEST(SchemeColoursWinTest, EveryThinSchemesControlDrawersCarryTheirRoles) {
    using Role = ThinPalette::Role;
    PoolRef<Skinner> skinner = skinnerOf(u"Thin");
    for (int32_t i = 0; i < skinner->getSchemeCount(); ++i) {
        const ThinPalette& palette = *ThinPalette::at(i);
        ISkin* skin = schemeAt(*skinner, i);
        s::gui::drawer::ISlider* slider = skin->getSliderDrawer();
        ASSERT_NE(nullptr, slider) << i;
        EXPECT_EQ(palette.colour(Role::SliderFill),
                  (Rgb{slider->getFillRed(), slider->getFillGreen(), slider->getFillBlue()}))
            << i;
        s::gui::drawer::IListHeader* header = skin->getListHeaderDrawer();
        ASSERT_NE(nullptr, header) << i;
        EXPECT_EQ(palette.colour(Role::Background),
                  (Rgb{header->getBackgroundRed(), header->getBackgroundGreen(),
                       header->getBackgroundBlue()}))
            << i;
        EXPECT_EQ(palette.colour(Role::Text).colorRef(), header->getTextStyle().getTextColor())
            << i;
        s::gui::drawer::IMenu* menu = skin->getMenuDrawer();
        ASSERT_NE(nullptr, menu) << i;
        EXPECT_EQ(palette.colour(Role::Text).colorRef(), menu->getNormalStyle().getTextColor())
            << i;
        EXPECT_EQ(palette.colour(Role::Frame).colorRef(), selectionPainted(*menu)) << i;
    }
}

namespace {

Rgb firstOf(const s::gui::drawer::ICounter& counter) {
    return {counter.getFirstRed(), counter.getFirstGreen(), counter.getFirstBlue()};
}

Rgb secondOf(const s::gui::drawer::ICounter& counter) {
    return {counter.getSecondRed(), counter.getSecondGreen(), counter.getSecondBlue()};
}

Rgb groupFrameOf(const s::gui::drawer::IGroupBox& box) {
    return {box.getFrameRed(), box.getFrameGreen(), box.getFrameBlue()};
}

} // namespace

TEST(SchemeColoursWinTest, EveryThinWindowSchemesCounterListGroupAndTabDrawersCarryTheirRoles) {
    using Role = ThinWindowPalette::Role;
    PoolRef<Skinner> skinner = skinnerOf(u"ThinWindow");
    for (int32_t i = 0; i < skinner->getSchemeCount(); ++i) {
        const ThinWindowPalette& palette = *ThinWindowPalette::at(i);
        ISkin* skin = schemeAt(*skinner, i);
        ASSERT_NE(nullptr, skin->getStatusBarDrawer()) << i;

        s::gui::drawer::ICounter* counter = skin->getCounterDrawer();
        ASSERT_NE(nullptr, counter) << i;
        EXPECT_EQ(palette.colour(Role::FirstSeries), firstOf(*counter)) << i;
        EXPECT_EQ(palette.colour(Role::SecondSeries), secondOf(*counter)) << i;

        s::gui::drawer::IListBox* list = skin->getListBoxDrawer();
        ASSERT_NE(nullptr, list) << i;
        EXPECT_EQ(colour(palette, Role::ListBackground), list->getBackground()) << i;
        EXPECT_EQ(colour(palette, Role::ToggledFill), list->getFrameColor()) << i;
        EXPECT_EQ(colour(palette, Role::ListThird), list->getThirdColor()) << i;
        EXPECT_EQ(colour(palette, Role::ListText), list->getItemStyle().getTextColor()) << i;
        EXPECT_EQ(colour(palette, Role::ToggledText), list->getSelectedStyle().getTextColor()) << i;

        s::gui::drawer::IGroupBox* group = skin->getGroupBoxDrawer();
        ASSERT_NE(nullptr, group) << i;
        EXPECT_EQ(palette.colour(Role::GroupFrame), groupFrameOf(*group)) << i;
        EXPECT_EQ(colour(palette, Role::Text), group->getStyle1().getTextColor()) << i;
        EXPECT_EQ(colour(palette, Role::Text), group->getStyle2().getTextColor()) << i;

        s::gui::drawer::ITabBox* tabs = skin->getTabBoxDrawer();
        ASSERT_NE(nullptr, tabs) << i;
        EXPECT_EQ(colour(palette, Role::ControlFrame), tabs->getColor()) << i;
        EXPECT_EQ(colour(palette, Role::Text), tabs->getStyle1().getTextColor()) << i;
        EXPECT_EQ(colour(palette, Role::Text), tabs->getStyle2().getTextColor()) << i;
        EXPECT_EQ(colour(palette, Role::Text), tabs->getSecondStyle().getTextColor()) << i;
    }
}

TEST(SchemeColoursWinTest, EveryThinSchemesCounterListGroupAndTabDrawersCarryTheirRoles) {
    using Role = ThinPalette::Role;
    PoolRef<Skinner> skinner = skinnerOf(u"Thin");
    for (int32_t i = 0; i < skinner->getSchemeCount(); ++i) {
        const ThinPalette& palette = *ThinPalette::at(i);
        ISkin* skin = schemeAt(*skinner, i);
        s::gui::drawer::ICounter* counter = skin->getCounterDrawer();
        ASSERT_NE(nullptr, counter) << i;
        EXPECT_EQ(palette.colour(Role::FirstSeries), firstOf(*counter)) << i;
        EXPECT_EQ(palette.colour(Role::SecondSeries), secondOf(*counter)) << i;

        s::gui::drawer::IListBox* list = skin->getListBoxDrawer();
        ASSERT_NE(nullptr, list) << i;
        EXPECT_EQ(palette.colour(Role::Background).colorRef(), list->getBackground()) << i;
        EXPECT_EQ(palette.colour(Role::Frame).colorRef(), list->getFrameColor()) << i;
        EXPECT_EQ(ThinPalette::kListThird.colorRef(), list->getThirdColor()) << i;
        EXPECT_EQ(palette.colour(Role::Text).colorRef(), list->getItemStyle().getTextColor()) << i;
        EXPECT_EQ(palette.colour(Role::Background).colorRef(),
                  list->getSelectedStyle().getTextColor())
            << i;

        s::gui::drawer::IGroupBox* group = skin->getGroupBoxDrawer();
        ASSERT_NE(nullptr, group) << i;
        EXPECT_EQ(palette.colour(Role::Frame), groupFrameOf(*group)) << i;
        EXPECT_EQ(palette.colour(Role::Text).colorRef(), group->getStyle1().getTextColor()) << i;

        s::gui::drawer::ITabBox* tabs = skin->getTabBoxDrawer();
        ASSERT_NE(nullptr, tabs) << i;
        EXPECT_EQ(palette.colour(Role::Frame).colorRef(), tabs->getColor()) << i;
        ASSERT_NE(nullptr, skin->getStatusBarDrawer()) << i;
    }
}
