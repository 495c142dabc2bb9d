#include "s/gui/win/SystemFontFace.h"

#include <windows.h>

#include "s/gui/text/FontDescription.h"
#include "s/platform/win/WideText.h"
#include "s/system/win/OsVersion.h"
#include "s/system/win/SystemLibrary.h"

namespace s::gui::win {

namespace {

constexpr const char16_t* kFallbackFace = u"MS Shell Dlg 2";
// The theme's font of window captions (its system font ids run 801 to 806).
constexpr int kCaptionFont = 801;

using ThemeHandle = HANDLE;
using OpenThemeDataFunction = ThemeHandle(WINAPI*)(HWND, LPCWSTR);
using CloseThemeDataFunction = HRESULT(WINAPI*)(ThemeHandle);
using GetThemeSysFontFunction = HRESULT(WINAPI*)(ThemeHandle, int, LOGFONTW*);

struct Face {
    char16_t name[s::gui::text::FontDescription::kFaceLength + 1] = {};
};

void copyFace(Face& face, const char16_t* name) {
    for (int32_t i = 0; i < s::gui::text::FontDescription::kFaceLength && name[i] != u'\0'; ++i) {
        face.name[i] = name[i];
    }
}

// The caption font's face from the visual styles; false when the system has
// none to give (before Vista, no library, no active theme).
bool readThemeCaptionFace(Face& face) {
    if (!s::system::win::OsVersion::get().atLeast60) {
        return false;
    }
    using s::system::win::SystemLibrary;
    const HMODULE library = SystemLibrary::load(u"uxtheme.dll");
    const auto openTheme = SystemLibrary::function<OpenThemeDataFunction>(library, "OpenThemeData");
    const auto closeTheme =
        SystemLibrary::function<CloseThemeDataFunction>(library, "CloseThemeData");
    const auto themeFont =
        SystemLibrary::function<GetThemeSysFontFunction>(library, "GetThemeSysFont");
    bool found = false;
    if (openTheme != nullptr && closeTheme != nullptr && themeFont != nullptr) {
        const ThemeHandle theme = openTheme(nullptr, L"WINDOW");
        if (theme != nullptr) {
            LOGFONTW caption = {};
            found = SUCCEEDED(themeFont(theme, kCaptionFont, &caption)) &&
                    caption.lfFaceName[0] != L'\0';
            if (found) {
                copyFace(face, s::platform::win::utf16(caption.lfFaceName));
            }
            closeTheme(theme);
        }
    }
    if (library != nullptr) {
        FreeLibrary(library);
    }
    return found;
}

Face readFace() {
    Face face;
    if (!readThemeCaptionFace(face)) {
        copyFace(face, kFallbackFace);
    }
    return face;
}

} // namespace

const char16_t* systemFontFace() {
    // Racing first calls read the same value; the static is built once.
    static const Face face = readFace();
    return face.name;
}

} // namespace s::gui::win
