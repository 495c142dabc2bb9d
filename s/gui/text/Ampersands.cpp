#include "s/gui/text/Ampersands.h"

#include "s/str/strbuffer/StrBuffer.h"

namespace s::gui::text {

void Ampersands::doubled(const char16_t* text, s::str::strbuffer::StrBuffer& out) {
    out.clear();
    if (text == nullptr) {
        return;
    }
    for (const char16_t* unit = text; *unit != u'\0'; ++unit) {
        out.appendChar(*unit);
        if (*unit == u'&') {
            out.appendChar(u'&');
        }
    }
}

} // namespace s::gui::text
