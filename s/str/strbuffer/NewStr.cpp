#include "s/str/strbuffer/NewStr.h"

namespace s::str::strbuffer {

StrBuffer* newStr(const char16_t* text) {
    StrBuffer* result = StrBuffer::newInstance();
    result->assignWcs(text);
    return result;
}

StrBuffer* newStr(const char16_t* a, const char16_t* b) {
    StrBuffer* result = newStr(a);
    result->appendWcs(b);
    return result;
}

StrBuffer* newPath(const char16_t* dir, const char16_t* name) {
    StrBuffer* result = newStr(dir);
    result->appendChar(u'\\');
    result->appendWcs(name);
    return result;
}

} // namespace s::str::strbuffer
