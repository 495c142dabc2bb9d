// Every scheme of both families drawn into a memory context: the window
// frame, a button in each state and a check box show the scheme's colours
// where their roles put them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "s/gui/drawer/IButton.h"
#include "s/gui/drawer/ICheckBox.h"
#include "s/gui/drawer/ISkin.h"
#include "s/gui/drawer/IWindow.h"
#include "s/gui/drawer/Skinner.h"
#include "s/gui/drawer/skin/ThinPalette.h"
#include "s/gui/drawer/skin/ThinWindowPalette.h"
#include "s/gui/scale/win/SystemScale.h"
#include "s/str/strarray/StrArray.h"
#include "s/thread/PoolRef.h"
#include "tests/support/win/PixelCanvas.h"

using s::gui::drawer::ISkin;
using s::gui::drawer::Skinner;
using s::gui::drawer::skin::Rgb;
using s::gui::drawer::skin::ThinPalette;
using s::gui::drawer::skin::ThinWindowPalette;
using s::test::win::PixelCanvas;
using s::thread::PoolRef;

namespace {

constexpr int32_t kWidth = 120;
constexpr int32_t kHeight = 80;
// A colour no scheme uses, so that an untouched pixel is told apart.
constexpr COLORREF kUntouched = RGB(1, 2, 3);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// The colours a scheme gives the drawn parts, by role.
struct Expected {
    COLORREF windowBackground;
    COLORREF windowFrame;
    COLORREF buttonFrame;
    COLORREF buttonDisabledFrame;
    COLORREF toggledFrame;
    COLORREF toggledFill;
    COLORREF checkBoxFrame;
};

COLORREF ref(const Rgb& colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

// The button drawer's own colours where a Thin scheme sets none.
constexpr COLORREF kButtonDefault = RGB(120, 120, 120);

Expected thinWindowExpected(const ThinWindowPalette& p) {
    using Role = ThinWindowPalette::Role;
    return {ref(p.colour(Role::Background)),   ref(p.colour(Role::Frame)),
            ref(p.colour(Role::ControlFrame)), ref(p.colour(Role::Disabled)),
            ref(p.colour(Role::ControlFrame)), ref(p.colour(Role::ToggledFill)),
            ref(p.colour(Role::ControlFrame))};
}

Expected thinExpected(const ThinPalette& p) {
    using Role = ThinPalette::Role;
    return {ref(p.colour(Role::Background)),
            ref(p.colour(Role::Frame)),
            ref(p.colour(Role::Frame)),
            kButtonDefault,
            kButtonDefault,
            kButtonDefault,
            ref(p.colour(Role::Frame))};
}

std::string nameOf(const ISkin& skin) {
    std::string name;
    for (const char16_t* unit = skin.getName(); *unit != 0; ++unit) {
        name.push_back(static_cast<char>(*unit));
    }
    return name;
}

// A frame line around the background, nothing outside.
void checkWindow(ISkin& skin, const Expected& expected) {
    SCOPED_TRACE(nameOf(skin));
    PixelCanvas canvas(kWidth, kHeight, kUntouched);
    ASSERT_NE(nullptr, skin.getWindowDrawer());
    skin.getWindowDrawer()->draw(canvas.get(), 0, 0, 100, 60);
    EXPECT_EQ(expected.windowFrame, canvas.at(0, 30));
    EXPECT_EQ(expected.windowFrame, canvas.at(50, 0));
    EXPECT_EQ(expected.windowFrame, canvas.at(99, 30));
    EXPECT_EQ(expected.windowFrame, canvas.at(50, 59));
    EXPECT_EQ(expected.windowBackground, canvas.at(50, 30));
    EXPECT_EQ(kUntouched, canvas.at(100, 30));
}

// A framed button without label in each state: the flat bevel's left edge
// is the frame colour itself, the pressed bevel's right edge too.
void checkButton(ISkin& skin, const Expected& expected) {
    SCOPED_TRACE(nameOf(skin));
    PixelCanvas canvas(kWidth, kHeight, kUntouched);
    s::gui::drawer::IButton* button = skin.getButtonDrawer();
    ASSERT_NE(nullptr, button);
    button->draw(canvas.get(), 0, 0, 60, 24, 0, nullptr, true, nullptr, true, false, false);
    EXPECT_EQ(expected.buttonFrame, canvas.at(0, 12));
    EXPECT_EQ(kUntouched, canvas.at(30, 12)) << "a plain button is not filled";
    canvas.clear();
    button->draw(canvas.get(), 0, 0, 60, 24, 2, nullptr, true, nullptr, true, false, false);
    EXPECT_EQ(expected.buttonFrame, canvas.at(59, 12));
    canvas.clear();
    button->draw(canvas.get(), 0, 0, 60, 24, 1, nullptr, true, nullptr, true, false, false);
    EXPECT_NE(kUntouched, canvas.at(0, 12)) << "the hot bevel is drawn";
    EXPECT_EQ(kUntouched, canvas.at(30, 12));
    canvas.clear();
    button->draw(canvas.get(), 0, 0, 60, 24, 0, nullptr, true, nullptr, false, false, false);
    EXPECT_EQ(expected.buttonDisabledFrame, canvas.at(0, 12));
    canvas.clear();
    button->draw(canvas.get(), 0, 0, 60, 24, 0, nullptr, true, nullptr, true, true, false);
    EXPECT_EQ(expected.toggledFrame, canvas.at(0, 12)) << "toggled frame";
    EXPECT_EQ(expected.toggledFill, canvas.at(30, 12));
}

// A frame 2s thick around a white box; marked, a black check mark inside.
void checkCheckBox(ISkin& skin, const Expected& expected) {
    SCOPED_TRACE(nameOf(skin));
    const int32_t s = s::gui::scale::win::systemScale().getUnit();
    PixelCanvas canvas(kWidth, kHeight, kUntouched);
    s::gui::drawer::ICheckBox* box = skin.getCheckBoxDrawer();
    ASSERT_NE(nullptr, box);
    const int32_t side = 16 * s;
    box->draw(canvas.get(), 0, 0, 100, side, side, false, nullptr, nullptr);
    EXPECT_EQ(expected.checkBoxFrame, canvas.at(0, side / 2));
    EXPECT_EQ(expected.checkBoxFrame, canvas.at(2 * s - 1, side / 2));
    EXPECT_EQ(expected.checkBoxFrame, canvas.at(side - 1, side / 2));
    EXPECT_EQ(kWhite, canvas.at(side / 2, side / 2));
    EXPECT_EQ(0, canvas.count(kBlack, 2 * s, 2 * s, side - 2 * s, side - 2 * s));
    canvas.clear();
    box->draw(canvas.get(), 0, 0, 100, side, side, true, nullptr, nullptr);
    EXPECT_EQ(expected.checkBoxFrame, canvas.at(0, side / 2));
    EXPECT_LT(0, canvas.count(kBlack, 2 * s, 2 * s, side - 2 * s, side - 2 * s));
}

PoolRef<Skinner> skinnerOf(const char16_t* family) {
    auto skinner = PoolRef<Skinner>::take();
    skinner->setFamily(family);
    skinner->buildSchemes();
    return skinner;
}

// Runs `check` on every scheme of both families.
void forEveryScheme(void (*check)(ISkin&, const Expected&)) {
    PoolRef<Skinner> thinWindow = skinnerOf(u"ThinWindow");
    ASSERT_EQ(ThinWindowPalette::kSchemeCount, thinWindow->getSchemeCount());
    for (int32_t i = 0; i < ThinWindowPalette::kSchemeCount; ++i) {
        thinWindow->select(ThinWindowPalette::at(i)->name);
        ASSERT_NE(nullptr, thinWindow->getCurrent());
        check(*thinWindow->getCurrent(), thinWindowExpected(*ThinWindowPalette::at(i)));
    }
    PoolRef<Skinner> thin = skinnerOf(u"Thin");
    ASSERT_EQ(ThinPalette::kSchemeCount, thin->getSchemeCount());
    for (int32_t i = 0; i < ThinPalette::kSchemeCount; ++i) {
        thin->select(ThinPalette::at(i)->name);
        ASSERT_NE(nullptr, thin->getCurrent());
        check(*thin->getCurrent(), thinExpected(*ThinPalette::at(i)));
    }
}

} // namespace

TEST(SchemePixelsWinTest, EverySchemesWindowFrameIsDrawnInItsFrameAndBackgroundColours) {
    forEveryScheme(&checkWindow);
}

TEST(SchemePixelsWinTest, EverySchemesButtonIsFramedAndFilledInItsColoursInEachState) {
    forEveryScheme(&checkButton);
}

TEST(SchemePixelsWinTest, EverySchemesCheckBoxIsFramedInItsColourMarkedOrNot) {
    forEveryScheme(&checkCheckBox);
}
