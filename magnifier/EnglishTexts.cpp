#include "magnifier/EnglishTexts.h"

namespace s::image::gui::dialogs::magnifier {

namespace {

struct Text {
    int32_t id;
    const char16_t* text;
};

constexpr Text kTexts[] = {
    {800000, u"To magnify the screen, press and hold the \""},
    {800100, u"\" (or click on the tray icon)."},
    {800200, u"The configuration is available from TaskTray icon menu."},
    {801001, u"Right CTRL-Key"},
    {801002, u"Right Alt-Key"},
    {801003, u"Ctrl-Key"},
    {801004, u"Ctrl+Shift Key"},
    {801005, u"Ctrl+Alt Key"},
    {801006, u"Ctrl+Shift+Alt Key"},
    {751000, u"Exit"},
};

} // namespace

const char16_t* englishText(int32_t textId) {
    for (const Text& entry : kTexts) {
        if (entry.id == textId) {
            return entry.text;
        }
    }
    return u"";
}

} // namespace s::image::gui::dialogs::magnifier
