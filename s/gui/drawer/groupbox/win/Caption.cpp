#include "s/gui/drawer/groupbox/win/Caption.h"

#include "s/gui/win/Font.h"
#include "s/platform/win/ObjectSelection.h"
#include "s/platform/win/WideText.h"

namespace s::gui::drawer::groupbox::win {

static_assert(Caption::kFormat == (DT_SINGLELINE | DT_NOPREFIX));

void Caption::draw(HDC dc, int32_t x, const char16_t* caption, s::gui::win::Font* font,
                   int32_t width, int32_t height) {
    if (caption == nullptr || font == nullptr) {
        return;
    }
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF previousColour = SetTextColor(dc, font->getTextColor());
    {
        const s::platform::win::ObjectSelection selection(dc, font->getHandle());
        RECT rect = {x, 0, x + width, height};
        DrawTextW(dc, s::platform::win::wide(caption), -1, &rect, kFormat);
    }
    SetTextColor(dc, previousColour);
    SetBkMode(dc, previousMode);
}

} // namespace s::gui::drawer::groupbox::win
