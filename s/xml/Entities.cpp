#include "s/xml/Entities.h"

namespace s::xml {

namespace {

// The replacement text of one unit, or null when the unit stays as it is.
const char16_t* replacementOf(char16_t unit, bool content) {
    switch (unit) {
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
           unit == u'>' || unit == u' ';
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
                                       {u"&#13;", 5, u'\r', true}, {u"&#10;", 5, u'\n', true}};

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

} // namespace

std::size_t Entities::encodedLength(const char16_t* text, std::size_t count, bool content) {
    std::size_t length = count;
    for (std::size_t i = 0; i < count; ++i) {
        if (needsCheck(text[i])) {
            const char16_t* replacement = replacementOf(text[i], content);
            if (replacement != nullptr) {
                length += lengthOf(replacement) - 1;
            }
        }
    }
    return length;
}

char16_t* Entities::encode(const char16_t* text, std::size_t count, bool content, char16_t* out) {
    for (std::size_t i = 0; i < count; ++i) {
        char16_t unit = text[i];
        const char16_t* replacement = needsCheck(unit) ? replacementOf(unit, content) : nullptr;
        if (replacement == nullptr) {
            *out++ = unit;
            continue;
        }
        while (*replacement != 0) {
            *out++ = *replacement++;
        }
    }
    return out;
}

std::size_t Entities::decode(const char16_t* text, std::size_t count, bool content, char16_t* out) {
    std::size_t i = 0;
    if (content) {
        while (i < count && isLayoutSpace(text[i])) {
            ++i;
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
