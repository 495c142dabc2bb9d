#pragma once

namespace s::image::gui::dialogs::magnifier {

// Whole-string comparison that folds ASCII letters only, as every
// case-insensitive comparison of the program does.
inline bool equalsIgnoreAsciiCase(const char16_t* a, const char16_t* b) {
    auto fold = [](char16_t c) -> char16_t { return (c >= u'A' && c <= u'Z') ? c + 32 : c; };
    for (; *a != 0 && *b != 0; ++a, ++b) {
        if (fold(*a) != fold(*b)) {
            return false;
        }
    }
    return *a == *b;
}

} // namespace s::image::gui::dialogs::magnifier
