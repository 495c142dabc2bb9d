#include "s/lang/Localizer.h"

#include "s/gui/events/IEventListener.h"
#include "s/lang/LangPack.h"
#include "s/lang/SystemLanguage.h"
#include "s/lang/UserLanguage.h"
#include "s/str/Ascii.h"
#include "s/str/Numbers.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/PoolRef.h"
#include "s/xml/Node.h"

#include <unordered_set>

namespace s::lang {

using s::str::strbuffer::StrBuffer;
using s::thread::PoolRef;
using s::xml::Node;

namespace {

// Systems before Windows Vista lack the barred l in their fonts.
constexpr std::uint32_t kFirstMajorWithBarredL = 6;
constexpr const char16_t* kVenetianTag = u"vec";

bool startsWithIgnoreCase(const char16_t* text, const char16_t* prefix) {
    while (*prefix != u'\0') {
        if (s::str::Ascii::toLower(*text) != s::str::Ascii::toLower(*prefix)) {
            return false;
        }
        ++text;
        ++prefix;
    }
    return true;
}

bool equalsExactly(const char16_t* a, const char16_t* b) {
    while (*a != u'\0' && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

bool isNumericId(const StrBuffer& id) {
    char16_t first = id.charAt(0);
    return first >= u'0' && first <= u'9';
}

} // namespace

Localizer::~Localizer() {
    releasePacks();
}

void Localizer::reset() {
    releasePacks();
    listeners.reset();
    systemMajorVersion = system::majorVersion();
}

void Localizer::releasePacks() {
    current.store(nullptr);
    for (LangPack* pack : packs) {
        pack->release();
    }
    packs.clear();
}

// ---- loading ------------------------------------------------------------------------

Localizer* Localizer::load(const std::uint8_t* bytes, std::size_t count) {
    Localizer* localizer = newInstance();
    if (localizer == nullptr) {
        return nullptr;
    }
    {
        // The document lives only while the packs are filled.
        auto document = PoolRef<Node>::take();
        if (document) {
            document->parseUtf8(bytes, count);
            localizer->parse(*document);
        }
    }
    localizer->setLanguage(userLanguageName());
    return localizer;
}

Localizer* Localizer::loadFromModule(const void* module, const char16_t* type, std::int32_t id) {
    const std::uint8_t* bytes = nullptr;
    std::size_t count = 0;
    system::findModuleResource(module, type, id, bytes, count);
    return load(bytes, count);
}

void Localizer::parse(const Node& document) {
    if (const Node* languages = document.getChild(u"languages")) {
        parseLanguages(*languages);
    }
    if (const Node* entries = document.getChild(u"entries")) {
        parseEntries(*entries);
    }
}

void Localizer::parseLanguages(const Node& languages) {
    auto tag = PoolRef<StrBuffer>::take();
    auto englishName = PoolRef<StrBuffer>::take();
    auto ownName = PoolRef<StrBuffer>::take();
    if (!tag || !englishName || !ownName) {
        return;
    }
    const bool oldSystem = systemMajorVersion > 0 && systemMajorVersion < kFirstMajorWithBarredL;
    for (std::uint32_t i = 0; i < languages.childCount(); ++i) {
        const Node* entry = languages.childAt(i);
        if (!entry->nameEquals(u"entry")) {
            continue;
        }
        PoolRef<LangPack> pack = PoolRef<LangPack>::take();
        if (!pack) {
            return;
        }
        entry->getString(tag.get(), u"tagName", u"");
        entry->getString(englishName.get(), u"engName", u"");
        entry->getString(ownName.get(), u"trueName", u"");
        pack->setNames(tag->c_str(), englishName->c_str(), ownName->c_str());
        pack->setReplaceBarredL(oldSystem && equalsExactly(tag->c_str(), kVenetianTag));
        try {
            packs.push_back(pack.get());
        } catch (...) {
            return;
        }
        pack.detach();
    }
}

void Localizer::parseEntries(const Node& entries) {
    auto id = PoolRef<StrBuffer>::take();
    auto text = PoolRef<StrBuffer>::take();
    auto fallback = PoolRef<StrBuffer>::take();
    std::vector<std::uint32_t> countsBefore;
    std::unordered_set<std::int32_t> seenNumbers;
    try {
        countsBefore.resize(packs.size());
        for (LangPack* pack : packs) {
            pack->reserveTexts(entries.childCount());
            for (std::uint32_t i = 0; i < pack->textCount(); ++i) {
                seenNumbers.insert(pack->idAt(i));
            }
        }
    } catch (...) {
        return;
    }
    if (!id || !text || !fallback) {
        return;
    }
    // Child k of an entry normally names pack k; the guess is only taken when
    // no two packs share a tag, so that it always agrees with findByTag.
    const bool tagsUnique = hasUniqueTags();

    for (std::uint32_t i = 0; i < entries.childCount(); ++i) {
        const Node* entry = entries.childAt(i);
        if (!entry->nameEquals(u"entry")) {
            continue;
        }
        // 1. The id as stored: a leading digit makes it numeric.
        entry->getString(id.get(), u"id", u"");
        const bool numeric = isNumericId(*id);
        const std::int32_t number = numeric ? s::str::Numbers::parseInt32(id->c_str()) : 0;
        const char16_t* name = id->c_str();
        fallback->clear();
        for (std::size_t p = 0; p < packs.size(); ++p) {
            countsBefore[p] = packs[p]->textCount();
        }

        // 2. Every child named by a declared language adds its text to that
        //    language; the first child's text is the fallback. When the first
        //    child names no language, the fallback stays empty.
        for (std::uint32_t k = 0; k < entry->childCount(); ++k) {
            const Node* child = entry->childAt(k);
            LangPack* pack = nullptr;
            if (tagsUnique && k < packs.size() &&
                s::str::Ascii::equalsIgnoreCase(packs[k]->getTagName(), child->getName())) {
                pack = packs[k];
            } else {
                pack = findByTag(child->getName());
            }
            if (pack == nullptr) {
                continue;
            }
            child->getString(text.get(), u"", nullptr);
            if (numeric) {
                pack->addText(number, text->data(), static_cast<std::int32_t>(text->length()));
            } else {
                pack->addNamedText(name, text->data(), static_cast<std::int32_t>(text->length()));
            }
            if (k == 0) {
                fallback->assign(text->data(), text->length());
            }
        }

        // 3. Languages without a text of their own get the fallback. A pack
        //    can hold the number from before this entry only when an earlier
        //    entry had it; otherwise a text added just now is the only one.
        const bool repeated = numeric && seenNumbers.count(number) > 0;
        const auto fallbackLength = static_cast<std::int32_t>(fallback->length());
        for (std::size_t p = 0; p < packs.size(); ++p) {
            LangPack* pack = packs[p];
            if (numeric) {
                const bool added = pack->textCount() > countsBefore[p];
                if (!added && !(repeated && pack->hasText(number))) {
                    pack->addText(number, fallback->data(), fallbackLength);
                }
            } else if (!pack->hasNamedText(name)) {
                pack->addNamedText(name, fallback->data(), fallbackLength);
            }
        }
        if (numeric && !repeated) {
            try {
                seenNumbers.insert(number);
            } catch (...) {
                return;
            }
        }
    }
}

bool Localizer::hasUniqueTags() const {
    for (std::size_t i = 0; i < packs.size(); ++i) {
        for (std::size_t j = i + 1; j < packs.size(); ++j) {
            if (s::str::Ascii::equalsIgnoreCase(packs[i]->getTagName(), packs[j]->getTagName())) {
                return false;
            }
        }
    }
    return true;
}

// ---- finding packs ------------------------------------------------------------------

LangPack* Localizer::findByTag(const char16_t* tag) const {
    if (tag == nullptr) {
        return nullptr;
    }
    for (LangPack* pack : packs) {
        if (s::str::Ascii::equalsIgnoreCase(pack->getTagName(), tag)) {
            return pack;
        }
    }
    return nullptr;
}

LangPack* Localizer::findByEngName(const char16_t* name) const {
    for (LangPack* pack : packs) {
        if (s::str::Ascii::equalsIgnoreCase(pack->getEngName(), name)) {
            return pack;
        }
    }
    return nullptr;
}

LangPack* Localizer::findByName(const char16_t* name) const {
    if (name == nullptr) {
        return nullptr;
    }
    // 1. A pack of exactly that English name.
    if (LangPack* exact = findByEngName(name)) {
        return exact;
    }
    // 2.-4. Language families whose user-interface names (CHINESE,
    //       PORTUGUESE_PORTUGAL, SERBIAN) match no pack name: the family's
    //       preferred pack, else its other one.
    LangPack* result = nullptr;
    if (startsWithIgnoreCase(name, u"Chinese")) {
        result = findByEngName(u"CHINESE_SIMPLIFIED");
        if (result == nullptr) {
            result = findByEngName(u"CHINESE_TRADITIONAL");
        }
    }
    if (startsWithIgnoreCase(name, u"Portuguese")) {
        if (LangPack* brazilian = findByEngName(u"PORTUGUESE_BRAZILIAN")) {
            result = brazilian;
        }
        if (result == nullptr) {
            result = findByEngName(u"PORTUGUESE_PORTUGAL");
        }
    }
    if (startsWithIgnoreCase(name, u"Serbian")) {
        if (LangPack* cyrillic = findByEngName(u"SERBIAN_CYRILLIC")) {
            result = cyrillic;
        }
        if (result == nullptr) {
            result = findByEngName(u"SERBIAN_LATIN");
        }
    }
    return result;
}

// ---- the current language -----------------------------------------------------------

LangPack* Localizer::ensureCurrent() {
    LangPack* activePack = current.load();
    if (activePack != nullptr || packs.empty()) {
        return activePack;
    }
    LangPack* chosen = findByName(userLanguageName());
    if (chosen == nullptr) {
        chosen = packs.front();
    }
    // Another thread may have chosen first; both choose the same pack.
    LangPack* expected = nullptr;
    current.compare_exchange_strong(expected, chosen);
    return current.load();
}

LangPack* Localizer::getCurrent() {
    return ensureCurrent();
}

std::int32_t Localizer::getCurrentIndex() {
    LangPack* activePack = ensureCurrent();
    for (std::size_t i = 0; i < packs.size(); ++i) {
        if (packs[i] == activePack) {
            return static_cast<std::int32_t>(i);
        }
    }
    return -1;
}

void Localizer::setLanguage(const char16_t* name) {
    LangPack* activePack = ensureCurrent();
    if (activePack == nullptr) {
        return;
    }
    if (name == nullptr) {
        name = u"";
    }
    if (s::str::Ascii::equalsIgnoreCase(activePack->getEngName(), name)) {
        return;
    }
    LangPack* pack = findByName(name);
    if (pack == nullptr) {
        pack = findByName(u"English");
    }
    if (pack == nullptr) {
        pack = packs.front();
    }
    changeCurrent(pack);
}

void Localizer::selectIndex(std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= packs.size()) {
        return;
    }
    ensureCurrent();
    changeCurrent(packs[static_cast<std::size_t>(index)]);
}

void Localizer::changeCurrent(LangPack* pack) {
    if (pack == current.load()) {
        return;
    }
    current.store(pack);
    listeners.raise(this, 0);
}

// ---- lookups ------------------------------------------------------------------------

const char16_t* Localizer::getText(std::int32_t id) {
    LangPack* activePack = ensureCurrent();
    if (activePack == nullptr) {
        return u"";
    }
    const StrBuffer* text = activePack->findText(id);
    return text != nullptr ? text->c_str() : u"";
}

const char16_t* Localizer::getEnglishText(std::int32_t id) const {
    LangPack* english = findByEngName(u"English");
    if (english == nullptr) {
        if (packs.empty()) {
            return u"";
        }
        english = packs.front();
    }
    const StrBuffer* text = english->findText(id);
    return text != nullptr ? text->c_str() : u"";
}

const char16_t* Localizer::getNamedText(const char16_t* name) {
    LangPack* activePack = ensureCurrent();
    if (activePack == nullptr) {
        return u"";
    }
    const StrBuffer* text = activePack->findNamedText(name);
    return text != nullptr ? text->c_str() : u"";
}

bool Localizer::isUpdateCheckEnabled() {
    LangPack* activePack = ensureCurrent();
    if (activePack == nullptr) {
        return false;
    }
    const StrBuffer* text = activePack->findText(kUpdateCheckTextId);
    return text != nullptr && !text->isEmpty();
}

// ---- listeners ----------------------------------------------------------------------

void Localizer::addListener(s::gui::events::IEventListener* listener) {
    listeners.addOnce(listener);
}

void Localizer::removeListener(s::gui::events::IEventListener* listener) {
    listeners.withdraw(listener);
}

} // namespace s::lang
