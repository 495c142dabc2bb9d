// What each drawer kind's colouring sets, for every scheme of both families,
// read back from recording stand-ins (so settings without getters count too).
#include <gtest/gtest.h>

#include "s/gui/drawer/skin/ThinPalette.h"
#include "s/gui/drawer/skin/ThinWindowPalette.h"
#include "s/gui/drawer/skin/win/ButtonColours.h"
#include "s/gui/drawer/skin/win/CheckBoxColours.h"
#include "s/gui/drawer/skin/win/ComboColours.h"
#include "s/gui/drawer/skin/win/RadioButtonColours.h"
#include "s/gui/drawer/skin/win/ScrollBarColours.h"
#include "s/gui/drawer/skin/win/StatusBarColours.h"
#include "s/gui/drawer/skin/win/WindowColours.h"
#include "s/gui/scale/win/SystemScale.h"
#include "tests/s/gui/drawer/skin/win/ColourRecorders.h"

using namespace colour_recorders;
using s::gui::drawer::skin::ThinPalette;
using s::gui::drawer::skin::ThinWindowPalette;
using namespace s::gui::drawer::skin::win;

namespace {

int64_t c(const ThinWindowPalette& palette, ThinWindowPalette::Role role) {
    return palette.colour(role).colorRef();
}

int64_t t(const ThinPalette& palette, ThinPalette::Role role) {
    return palette.colour(role).colorRef();
}

} // namespace

TEST(KindColoursWinTest, ThinWindowWindowButtonAndCheckBoxTakeTheirRolesInEveryScheme) {
    using Role = ThinWindowPalette::Role;
    for (int32_t i = 0; i < ThinWindowPalette::kSchemeCount; ++i) {
        const ThinWindowPalette& p = *ThinWindowPalette::at(i);
        WindowRecorder window;
        WindowColours::thinWindow(window, p);
        EXPECT_EQ(c(p, Role::Frame), window.frame) << i;
        EXPECT_EQ(c(p, Role::Background), window.background) << i;
        EXPECT_EQ(0, window.topCorners) << i;
        EXPECT_EQ(0, window.bottomCorners) << i;

        ButtonRecorder button;
        ButtonColours::thinWindow(button, p);
        EXPECT_EQ(c(p, Role::ControlFrame), button.frame) << i;
        EXPECT_EQ(c(p, Role::Disabled), button.disabledFrame) << i;
        EXPECT_EQ(c(p, Role::ControlFrame), button.toggledFrame) << i;
        EXPECT_EQ(c(p, Role::ToggledFill), button.toggledFill) << i;
        EXPECT_EQ(c(p, Role::Text), button.style1.getTextColor()) << i;
        EXPECT_EQ(c(p, Role::Disabled), button.style2.getTextColor()) << i;
        EXPECT_EQ(c(p, Role::ToggledText), button.toggledStyle.getTextColor()) << i;
        EXPECT_EQ(0, button.firstFlag) << i;
        EXPECT_EQ(1, button.secondFlag) << i;
        EXPECT_EQ(1, button.shiftLabel) << i;
        EXPECT_EQ(kUnset, button.accent) << i; // the drawer's own accent stays

        CheckBoxRecorder box;
        CheckBoxColours::thinWindow(box, p);
        EXPECT_EQ(c(p, Role::ControlFrame), box.frame) << i;
        EXPECT_EQ(c(p, Role::Text), box.label) << i;
        EXPECT_EQ(c(p, Role::Disabled), box.secondLabel) << i;
        EXPECT_EQ(-1, box.firstFlag) << i; // flags keep the drawer's defaults
        EXPECT_EQ(kUnset, box.markFrame) << i;
    }
}

TEST(KindColoursWinTest, ThinWindowButtonOfClassicLgByNumber) {
    // C4 17 17 17, C3 86 86 86, C9 25 25 25, C6 255 255 255, C10 255 255 255.
    ButtonRecorder button;
    ButtonColours::thinWindow(button, *ThinWindowPalette::at(6));
    EXPECT_EQ(packed(17, 17, 17), button.frame);
    EXPECT_EQ(packed(86, 86, 86), button.disabledFrame);
    EXPECT_EQ(packed(25, 25, 25), button.toggledFill);
    EXPECT_EQ(packed(255, 255, 255), button.style1.getTextColor());
    EXPECT_EQ(packed(255, 255, 255), button.toggledStyle.getTextColor());
}

TEST(
    KindColoursWinTest,
    ThinSchemesColourWindowButtonAndCheckBoxByFrameBackgroundAndTextOnlyTakeFrameBackgroundAndTextOnly) {
    using Role = ThinPalette::Role;
    for (int32_t i = 0; i < ThinPalette::kSchemeCount; ++i) {
        const ThinPalette& p = *ThinPalette::at(i);
        WindowRecorder window;
        WindowColours::thin(window, p);
        EXPECT_EQ(t(p, Role::Frame), window.frame) << i;
        EXPECT_EQ(t(p, Role::Background), window.background) << i;

        ButtonRecorder button;
        ButtonColours::thin(button, p);
        EXPECT_EQ(t(p, Role::Frame), button.frame) << i;
        EXPECT_EQ(t(p, Role::Text), button.style1.getTextColor()) << i;
        EXPECT_EQ(t(p, Role::Text), button.style2.getTextColor()) << i;
        EXPECT_EQ(kUnset, button.disabledFrame) << i;
        EXPECT_EQ(kUnset, button.toggledFill) << i;
        EXPECT_EQ(-1, button.shiftLabel) << i;

        CheckBoxRecorder box;
        CheckBoxColours::thin(box, p);
        EXPECT_EQ(t(p, Role::Frame), box.frame) << i;
        EXPECT_EQ(t(p, Role::Text), box.label) << i;
        EXPECT_EQ(t(p, Role::Text), box.secondLabel) << i;
    }
}

TEST(KindColoursWinTest, RadioButtonComboAndScrollBarTakeTheirRolesInEveryScheme) {
    const int32_t thickness = 15 * s::gui::scale::win::systemScale().getUnit();
    for (int32_t i = 0; i < ThinWindowPalette::kSchemeCount; ++i) {
        using Role = ThinWindowPalette::Role;
        const ThinWindowPalette& p = *ThinWindowPalette::at(i);
        RadioButtonRecorder radio;
        RadioButtonColours::thinWindow(radio, p);
        EXPECT_EQ(c(p, Role::ControlFrame), radio.frame) << i;
        EXPECT_EQ(c(p, Role::Text), radio.label) << i;
        EXPECT_EQ(c(p, Role::Disabled), radio.secondLabel) << i;
        EXPECT_EQ(kUnset, radio.dot) << i; // the dot keeps its own green
        EXPECT_EQ(-1, radio.flag) << i;

        ComboRecorder combo;
        ComboColours::thinWindow(combo, p);
        EXPECT_EQ(c(p, Role::ControlFrame), combo.frame) << i;
        EXPECT_EQ(c(p, Role::Text), combo.label) << i;
        EXPECT_EQ(c(p, Role::Text), combo.secondLabel) << i;

        ScrollBarRecorder bar;
        ScrollBarColours::thinWindow(bar, p);
        EXPECT_EQ(c(p, Role::ControlFrame), bar.frame) << i;
        EXPECT_EQ(c(p, Role::Track), bar.track) << i;
        EXPECT_EQ(thickness, bar.thickness) << i;
    }
    for (int32_t i = 0; i < ThinPalette::kSchemeCount; ++i) {
        using Role = ThinPalette::Role;
        const ThinPalette& p = *ThinPalette::at(i);
        RadioButtonRecorder radio;
        RadioButtonColours::thin(radio, p);
        EXPECT_EQ(t(p, Role::Frame), radio.frame) << i;
        EXPECT_EQ(t(p, Role::Text), radio.label) << i;
        EXPECT_EQ(t(p, Role::Text), radio.secondLabel) << i;
        EXPECT_EQ(kUnset, radio.dot) << i;

        ComboRecorder combo;
        ComboColours::thin(combo, p);
        EXPECT_EQ(t(p, Role::Frame), combo.frame) << i;
        EXPECT_EQ(t(p, Role::Text), combo.label) << i;
        EXPECT_EQ(t(p, Role::Text), combo.secondLabel) << i;

        ScrollBarRecorder bar;
        ScrollBarColours::thin(bar, p);
        EXPECT_EQ(t(p, Role::Frame), bar.frame) << i;
        EXPECT_EQ(t(p, Role::Background), bar.track) << i;
        EXPECT_EQ(thickness, bar.thickness) << i;
    }
}

TEST(KindColoursWinTest, StatusBarTakesTheControlFrameOrTheThinFrame) {
    for (int32_t i = 0; i < ThinWindowPalette::kSchemeCount; ++i) {
        const ThinWindowPalette& p = *ThinWindowPalette::at(i);
        StatusBarRecorder bar;
        StatusBarColours::thinWindow(bar, p);
        EXPECT_EQ(c(p, ThinWindowPalette::Role::ControlFrame), bar.background) << i;
    }
    for (int32_t i = 0; i < ThinPalette::kSchemeCount; ++i) {
        const ThinPalette& p = *ThinPalette::at(i);
        StatusBarRecorder bar;
        StatusBarColours::thin(bar, p);
        EXPECT_EQ(t(p, ThinPalette::Role::Frame), bar.background) << i;
    }
}
