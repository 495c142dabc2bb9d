#include "s/xml/Entities.h"

namespace s::xml {

namespace {

// The content written for an empty value: a reference to the zero-width
// no-break space. Text of no units would read back as no content at all (the
// default), and the writer never produces this reference otherwise (a U+FEFF
// of a value is written as it is), so the reader can take it for "empty".
constexpr const char16_t* kEmptyContent = u"&#65279;";
constexpr std::size_t kEmptyContentLength = 8;

// Content: the reader drops a tab before the first unit and the trim drops
// tabs and ideographic spaces after the last one, so those two are written as
// references at either end (in the middle they stay as they are, as ever).
bool isEdgeSpace(char16_t unit) {
    return unit == u'\t' || unit == 0x3000;
}

struct Ends {
    std::size_t leading;  // units [0, leading) are edge spaces
    std::size_t trailing; // units [trailing, count) are edge spaces
    bool at(std::size_t i) const { return i < leading || i >= trailing; }
};

Ends endsOf(const char16_t* text, std::size_t count) {
    Ends ends{0, count};
    while (ends.leading < count && isEdgeSpace(text[ends.leading])) {
        ++ends.leading;
    }
    while (ends.trailing > ends.leading && isEdgeSpace(text[ends.trailing - 1])) {
        --ends.trailing;
    }
    return ends;
}

char16_t* put(char16_t* out, const char16_t* text) {
    while (*text != 0) {
        *out++ = *text++;
    }
    return out;
}

// The replacement text of one unit, or null when the unit stays as it is.
// `edge`: the unit lies in the leading or trailing run of edge spaces.
const char16_t* replacementOf(char16_t unit, bool content, bool edge) {
    switch (unit) {
    case u'\t':
        return content && edge ? u"&#9;" : nullptr;
    case 0x3000:
        return content && edge ? u"&#12288;" : nullptr;
    case u'\n':
        return u"&#10;";
    case u'\r':
        return u"&#13;";
    case u'"':
        return content ? nullptr : u"&quot;";
    case u'&':
        return u"&amp;";
    case u'<':
        return u"&lt;";
    case u'>':
        return content ? u"&gt;" : nullptr;
    case u' ':
        return content ? u"&#160;" : nullptr;
    default:
        return nullptr;
    }
}

bool needsCheck(char16_t unit) {
    return unit == u'\n' || unit == u'\r' || unit == u'"' || unit == u'&' || unit == u'<' ||
           unit == u'>' || unit == u' ' || unit == u'\t' || unit == 0x3000;
}

std::size_t lengthOf(const char16_t* text) {
    std::size_t length = 0;
    while (text[length] != 0) {
        ++length;
    }
    return length;
}

struct Entity {
    const char16_t* text;
    std::size_t length;
    char16_t unit;
    bool kept; // content: the produced unit survives the trailing trim
};

constexpr Entity kAttributeEntities[] = {{u"&amp;", 5, u'&', false},
                                         {u"&lt;", 4, u'<', false},
                                         {u"&quot;", 6, u'"', false},
                                         {u"&#13;", 5, u'\r', false},
                                         {u"&#10;", 5, u'\n', false}};
constexpr Entity kContentEntities[] = {{u"&amp;", 5, u'&', false}, {u"&lt;", 4, u'<', false},
                                       {u"&gt;", 4, u'>', false},  {u"&#160;", 6, u' ', true},
                                       {u"&#13;", 5, u'\r', true}, {u"&#10;", 5, u'\n', true},
                                       {u"&#9;", 4, u'\t', true},  {u"&#12288;", 8, 0x3000, true}};

bool matchesAt(const char16_t* text, std::size_t left, const Entity& entity) {
    if (left < entity.length) {
        return false;
    }
    for (std::size_t i = 0; i < entity.length; ++i) {
        if (text[i] != entity.text[i]) {
            return false;
        }
    }
    return true;
}

bool isLayoutSpace(char16_t unit) {
    return unit == u' ' || unit == u'\t' || unit == u'\n' || unit == u'\r';
}

// The whitespace set of the string buffer's trimming.
bool isTrimmedSpace(char16_t unit) {
    return unit == u' ' || unit == u'\n' || unit == 0x3000 || unit == u'\t' || unit == u'\r';
}

// The written empty value, with nothing but layout whitespace after it.
bool isEmptyContent(const char16_t* text, std::size_t count) {
    if (count < kEmptyContentLength) {
        return false;
    }
    for (std::size_t i = 0; i < kEmptyContentLength; ++i) {
        if (text[i] != kEmptyContent[i]) {
            return false;
        }
    }
    for (std::size_t i = kEmptyContentLength; i < count; ++i) {
        if (!isTrimmedSpace(text[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

std::size_t Entities::encodedLength(const char16_t* text, std::size_t count, bool content) {
    if (content && count == 0) {
        return kEmptyContentLength;
    }
    Ends ends = content ? endsOf(text, count) : Ends{0, count};
    std::size_t length = count;
    for (std::size_t i = 0; i < count; ++i) {
        if (needsCheck(text[i])) {
            const char16_t* replacement = replacementOf(text[i], content, ends.at(i));
            if (replacement != nullptr) {
                length += lengthOf(replacement) - 1;
            }
        }
    }
    return length;
}

char16_t* Entities::encode(const char16_t* text, std::size_t count, bool content, char16_t* out) {
    if (content && count == 0) {
        return put(out, kEmptyContent);
    }
    Ends ends = content ? endsOf(text, count) : Ends{0, count};
    for (std::size_t i = 0; i < count; ++i) {
        char16_t unit = text[i];
        const char16_t* replacement =
            needsCheck(unit) ? replacementOf(unit, content, ends.at(i)) : nullptr;
        if (replacement == nullptr) {
            *out++ = unit;
            continue;
        }
        out = put(out, replacement);
    }
    return out;
}

std::size_t Entities::decode(const char16_t* text, std::size_t count, bool content, char16_t* out) {
    std::size_t i = 0;
    if (content) {
        while (i < count && isLayoutSpace(text[i])) {
            ++i;
        }
        if (isEmptyContent(text + i, count - i)) {
            return 0;
        }
    }
    const Entity* entities = content ? kContentEntities : kAttributeEntities;
    std::size_t entityCount = content ? sizeof(kContentEntities) / sizeof(Entity)
                                      : sizeof(kAttributeEntities) / sizeof(Entity);
    std::size_t length = 0;
    std::size_t kept = 0; // content: units up to here are never trimmed
    while (i < count) {
        char16_t unit = text[i];
        if (unit == u'&') {
            const Entity* found = nullptr;
            for (std::size_t e = 0; e < entityCount; ++e) {
                if (matchesAt(text + i, count - i, entities[e])) {
                    found = &entities[e];
                    break;
                }
            }
            if (found != nullptr) {
                out[length++] = found->unit;
                if (found->kept) {
                    kept = length;
                }
                i += found->length;
                continue;
            }
        }
        out[length++] = unit;
        ++i;
    }
    if (content) {
        while (length > kept && isTrimmedSpace(out[length - 1])) {
            --length;
        }
    }
    return length;
}

} // namespace s::xml
