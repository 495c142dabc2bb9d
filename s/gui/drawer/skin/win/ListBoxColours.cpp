#include "s/gui/drawer/skin/win/ListBoxColours.h"

#include "s/gui/drawer/IListBox.h"
#include "s/gui/drawer/skin/ThinPalette.h"
#include "s/gui/drawer/skin/ThinWindowPalette.h"

namespace s::gui::drawer::skin::win {

using s::gui::drawer::IListBox;

namespace {

void colour(IListBox& drawer, const Rgb& background, const Rgb& itemText, const Rgb& frame,
            const Rgb& selectedText, const Rgb& third) {
    setRgb(drawer, &IListBox::setBackground, background);
    setRgb(drawer, &IListBox::setItemTextColor, itemText);
    setRgb(drawer, &IListBox::setFrameColor, frame);
    setRgb(drawer, &IListBox::setSelectedTextColor, selectedText);
    setRgb(drawer, &IListBox::setThirdColor, third);
}

} // namespace

void ListBoxColours::thinWindow(IListBox& drawer, const ThinWindowPalette& palette) {
    using Role = ThinWindowPalette::Role;
    colour(drawer, palette.colour(Role::ListBackground), palette.colour(Role::ListText),
           palette.colour(Role::ToggledFill), palette.colour(Role::ToggledText),
           palette.colour(Role::ListThird));
}

void ListBoxColours::thin(IListBox& drawer, const ThinPalette& palette) {
    using Role = ThinPalette::Role;
    colour(drawer, palette.colour(Role::Background), palette.colour(Role::Text),
           palette.colour(Role::Frame), palette.colour(Role::Background), ThinPalette::kListThird);
}

} // namespace s::gui::drawer::skin::win
