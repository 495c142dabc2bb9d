#pragma once

namespace s::str {

// ASCII case folding, the only folding the library does: `A`-`Z` and
// `a`-`z` map onto each other, every other unit (accented letters, other
// scripts) stays as it is, so comparisons never depend on a locale.
// Stateless; safe from any thread.
class Ascii {
public:
    static constexpr char16_t toLower(char16_t unit) {
        return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + 32) : unit;
    }
    static constexpr char16_t toUpper(char16_t unit) {
        return unit >= u'a' && unit <= u'z' ? static_cast<char16_t>(unit - 32) : unit;
    }
    static constexpr bool isDigit(char16_t unit) { return unit >= u'0' && unit <= u'9'; }

    // Two zero-terminated texts equal when folded; null equals only null.
    static bool equalsIgnoreCase(const char16_t* a, const char16_t* b) {
        if (a == nullptr || b == nullptr) {
            return a == b;
        }
        for (; *a != 0 && toLower(*a) == toLower(*b); ++a, ++b) {
        }
        return toLower(*a) == toLower(*b);
    }
};

} // namespace s::str
