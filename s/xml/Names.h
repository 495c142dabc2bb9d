#pragma once
#include <cstddef>

namespace s::xml {

// Which texts a document can hold as element or attribute names: the names of
// XML 1.0 (fifth edition). A name starts with a letter, '_' or ':' (or one of
// the many non-ASCII letter ranges) and goes on with those, digits, '-', '.',
// U+00B7 and the combining marks; a character beyond U+FFFF counts as a
// letter when its surrogate pair is complete. Anything else (a space, '=',
// '>', a quote, a leading digit, an unpaired surrogate, the empty text) would
// change how the written document reads back, so writers refuse it.
class Names {
public:
    // True when the `count` units at text form a name (count 0: false).
    static bool isName(const char16_t* text, std::size_t count);
    // The same for a zero-terminated text (null: false).
    static bool isName(const char16_t* text);
};

} // namespace s::xml
