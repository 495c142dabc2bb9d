#include "s/lang/LangPack.h"

#include "s/str/strbuffer/StrBuffer.h"

namespace s::lang {

using s::str::strbuffer::StrBuffer;

namespace {

constexpr char16_t kBarredL = u'\u019A';  // Latin small letter l with bar
constexpr char16_t kStrokedL = u'\u0142'; // Latin small letter l with stroke

std::uint32_t lengthOf(const char16_t* text, std::int32_t n) {
    if (text == nullptr) {
        return 0;
    }
    if (n >= 0) {
        return static_cast<std::uint32_t>(n);
    }
    std::uint32_t length = 0;
    while (text[length] != u'\0') {
        ++length;
    }
    return length;
}

// Names are read from several threads later: terminate them now, so that
// c_str() only reads.
void assignText(StrBuffer* dest, const char16_t* text) {
    if (dest != nullptr) {
        dest->assign(text, lengthOf(text, -1));
        dest->terminate();
    }
}

} // namespace

LangPack::LangPack()
    : tagName(StrBuffer::newInstance()), engName(StrBuffer::newInstance()),
      trueName(StrBuffer::newInstance()) {
    reset();
}

LangPack::~LangPack() {
    reset();
    for (StrBuffer* name : {tagName, engName, trueName}) {
        if (name != nullptr) {
            name->release();
        }
    }
}

void LangPack::reset() {
    for (StrBuffer* name : {tagName, engName, trueName}) {
        if (name != nullptr) {
            name->clear();
        }
    }
    ids.clear();
    releaseAll(texts);
    releaseAll(names);
    releaseAll(namedKeys);
    releaseAll(namedTexts);
    replaceBarredL = false;
}

void LangPack::releaseAll(std::vector<StrBuffer*>& strings) {
    for (StrBuffer* text : strings) {
        text->release();
    }
    strings.clear();
}

const char16_t* LangPack::textOf(const StrBuffer* buffer) {
    return buffer != nullptr ? buffer->c_str() : u"";
}

const char16_t* LangPack::getTagName() const {
    return textOf(tagName);
}
const char16_t* LangPack::getEngName() const {
    return textOf(engName);
}
const char16_t* LangPack::getTrueName() const {
    return textOf(trueName);
}

void LangPack::setNames(const char16_t* tag, const char16_t* englishName, const char16_t* ownName) {
    assignText(tagName, tag);
    assignText(engName, englishName);
    assignText(trueName, ownName);
}

StrBuffer* LangPack::copyText(const char16_t* text, std::int32_t n, bool isText) const {
    StrBuffer* copy = StrBuffer::newInstance();
    if (copy == nullptr) {
        return nullptr;
    }
    std::uint32_t length = lengthOf(text, n);
    copy->assign(text, length);
    if (length > 0 && copy->length() != length) {
        copy->release();
        return nullptr;
    }
    if (isText && replaceBarredL) {
        char16_t* units = copy->data();
        for (std::uint32_t i = 0; i < copy->length(); ++i) {
            if (units[i] == kBarredL) {
                units[i] = kStrokedL;
            }
        }
    }
    // Lookups hand the text out zero-terminated from any thread; terminate
    // it once now so that c_str() never writes afterwards.
    copy->terminate();
    return copy;
}

bool LangPack::addText(std::int32_t id, const char16_t* text, std::int32_t n) {
    StrBuffer* copy = copyText(text, n, true);
    if (copy == nullptr) {
        return false;
    }
    try {
        texts.push_back(copy);
    } catch (...) {
        copy->release();
        return false;
    }
    try {
        ids.push_back(id);
    } catch (...) {
        texts.pop_back();
        copy->release();
        return false;
    }
    return true;
}

bool LangPack::addNamedText(const char16_t* name, const char16_t* text, std::int32_t n) {
    StrBuffer* nameCopy = copyText(name, -1, false);
    if (nameCopy == nullptr) {
        return false;
    }
    try {
        names.push_back(nameCopy);
    } catch (...) {
        nameCopy->release();
        return false;
    }
    if (hasNamedText(nameCopy->c_str())) {
        return true;
    }
    StrBuffer* key = copyText(name, -1, false);
    StrBuffer* value = copyText(text, n, true);
    if (key == nullptr || value == nullptr) {
        if (key != nullptr) {
            key->release();
        }
        if (value != nullptr) {
            value->release();
        }
        return false;
    }
    try {
        namedKeys.push_back(key);
        namedTexts.push_back(value);
    } catch (...) {
        if (namedKeys.size() > namedTexts.size()) {
            namedKeys.pop_back();
        }
        key->release();
        value->release();
        return false;
    }
    return true;
}

void LangPack::reserveTexts(std::uint32_t n) {
    try {
        ids.reserve(ids.size() + n);
        texts.reserve(texts.size() + n);
    } catch (...) {
    }
}

const StrBuffer* LangPack::findText(std::int32_t id) const {
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (ids[i] == id) {
            return texts[i];
        }
    }
    return nullptr;
}

const StrBuffer* LangPack::findNamedText(const char16_t* name) const {
    if (name == nullptr) {
        return nullptr;
    }
    for (std::size_t i = 0; i < namedKeys.size(); ++i) {
        if (namedKeys[i]->equalsWcs(name)) {
            return namedTexts[i];
        }
    }
    return nullptr;
}

} // namespace s::lang
