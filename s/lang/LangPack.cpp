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
    : tagName_(StrBuffer::newInstance()), engName_(StrBuffer::newInstance()),
      trueName_(StrBuffer::newInstance()) {
    reset();
}

LangPack::~LangPack() {
    reset();
    for (StrBuffer* name : {tagName_, engName_, trueName_}) {
        if (name != nullptr) {
            name->release();
        }
    }
}

void LangPack::reset() {
    for (StrBuffer* name : {tagName_, engName_, trueName_}) {
        if (name != nullptr) {
            name->clear();
        }
    }
    ids_.clear();
    releaseAll(texts_);
    releaseAll(names_);
    releaseAll(namedKeys_);
    releaseAll(namedTexts_);
    replaceBarredL_ = false;
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
    return textOf(tagName_);
}
const char16_t* LangPack::getEngName() const {
    return textOf(engName_);
}
const char16_t* LangPack::getTrueName() const {
    return textOf(trueName_);
}

void LangPack::setNames(const char16_t* tag, const char16_t* englishName, const char16_t* ownName) {
    assignText(tagName_, tag);
    assignText(engName_, englishName);
    assignText(trueName_, ownName);
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
    if (isText && replaceBarredL_) {
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
        texts_.push_back(copy);
    } catch (...) {
        copy->release();
        return false;
    }
    try {
        ids_.push_back(id);
    } catch (...) {
        texts_.pop_back();
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
        names_.push_back(nameCopy);
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
        namedKeys_.push_back(key);
        namedTexts_.push_back(value);
    } catch (...) {
        if (namedKeys_.size() > namedTexts_.size()) {
            namedKeys_.pop_back();
        }
        key->release();
        value->release();
        return false;
    }
    return true;
}

void LangPack::reserveTexts(std::uint32_t n) {
    try {
        ids_.reserve(ids_.size() + n);
        texts_.reserve(texts_.size() + n);
    } catch (...) {
    }
}

const StrBuffer* LangPack::findText(std::int32_t id) const {
    for (std::size_t i = 0; i < ids_.size(); ++i) {
        if (ids_[i] == id) {
            return texts_[i];
        }
    }
    return nullptr;
}

const StrBuffer* LangPack::findNamedText(const char16_t* name) const {
    if (name == nullptr) {
        return nullptr;
    }
    for (std::size_t i = 0; i < namedKeys_.size(); ++i) {
        if (namedKeys_[i]->equalsWcs(name)) {
            return namedTexts_[i];
        }
    }
    return nullptr;
}

} // namespace s::lang
