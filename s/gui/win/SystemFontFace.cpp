#include "s/gui/win/SystemFontFace.h"

#include <windows.h>

#include "s/gui/text/FontDescription.h"
#include "s/platform/win/WideText.h"

namespace s::gui::win {

namespace {

constexpr const char16_t* kFallbackFace = u"MS Shell Dlg 2";

struct Face {
    char16_t name[s::gui::text::FontDescription::kFaceLength + 1] = {};
};

Face readMessageFace() {
    Face face;
    NONCLIENTMETRICSW metrics = {};
    // The record as the oldest supported system knows it (the build targets
    // it, so the size leaves out the padded border of later ones), which
    // every later system accepts as well.
    metrics.cbSize = sizeof(metrics);
    const BOOL read = SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    const char16_t* name = read && metrics.lfMessageFont.lfFaceName[0] != L'\0'
                               ? s::platform::win::utf16(metrics.lfMessageFont.lfFaceName)
                               : kFallbackFace;
    for (int32_t i = 0; i < s::gui::text::FontDescription::kFaceLength && name[i] != u'\0'; ++i) {
        face.name[i] = name[i];
    }
    return face;
}

} // namespace

const char16_t* systemFontFace() {
    // Racing first calls read the same value; the static is built once.
    static const Face face = readMessageFace();
    return face.name;
}

} // namespace s::gui::win
