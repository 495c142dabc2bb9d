#pragma once

namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::gui::text {

// Native controls (check boxes, push buttons) read "&" as the mark of an
// underlined access key. Texts from language packs and users mean the
// character itself, so it is doubled ("&&"), which the control shows as one
// "&" and underlines nothing. Any thread.
class Ampersands {
public:
    // `out` becomes `text` with every "&" doubled; null gives the empty text.
    static void doubled(const char16_t* text, s::str::strbuffer::StrBuffer& out);
};

} // namespace s::gui::text
