#pragma once
#include <cstddef>

namespace s::xml {

// The escaping of texts stored in documents. Attribute values and element
// content are escaped differently:
//
//   unit          attribute   content
//   line feed     &#10;       &#10;
//   return        &#13;       &#13;
//   "             &quot;      "
//   &             &amp;       &amp;
//   <             &lt;        &lt;
//   >             >           &gt;
//   space         space       &#160;
//
// Content writes every space as "&#160;" so that the layout whitespace a
// reader drops around content can never eat a real space; decoding content
// skips leading whitespace and trims trailing whitespace up to the last unit
// that an entity produced. Unknown entities stay as they are. The functions
// work on caller storage and read exactly `count` units (no terminator
// needed).
class Entities {
public:
    // Units the encoded form of text takes.
    static std::size_t encodedLength(const char16_t* text, std::size_t count, bool content);
    // Writes the encoded form at `out`; returns the position after it.
    static char16_t* encode(const char16_t* text, std::size_t count, bool content, char16_t* out);
    // Writes the decoded form at `out` (room for `count` units: decoding never
    // grows a text); returns its length.
    static std::size_t decode(const char16_t* text, std::size_t count, bool content, char16_t* out);
};

} // namespace s::xml
