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
// that an entity produced. For the same reason content writes a tab or an
// ideographic space U+3000 at either end of the text as "&#9;" or
// "&#12288;" (in the middle they stay as they are), and the empty text as
// "&#65279;", which content decoding alone (nothing else around it) reads
// back as the empty text: an element with no content at all means "no
// value". So every text reads back exactly as it was written. Unknown
// entities stay as they are. The functions
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
