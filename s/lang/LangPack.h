#pragma once
#include "s/base/IObject.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

#include <cstdint>
#include <vector>

namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::lang {

// The texts of one language of the language pack: the language's tag, English
// name and own name, the texts of the numeric ids (in the order added, so that
// the first of two equal ids wins every lookup) and the texts of named
// entries.
//
// Packs come from the class pool and belong to the Localizer that loaded
// them; it gives them back when it is reset. A pack is filled on one thread
// while loading and only read afterwards, so several threads may look texts
// up at once.
class LangPack final : public s::base::IObject, public s::thread::IPoolable {
    S_POOLED_CLASS(LangPack, u"s_lang_LangPack")

public:
    using StrBuffer = s::str::strbuffer::StrBuffer;

    // Empties the names and every text; the barred-l rule goes off.
    void reset() override;

    // The short tag ("eng"), the English name ("Chinese_Simplified") and the
    // language's name for itself ("Deutsch"), zero-terminated, never null.
    const char16_t* getTagName() const;
    const char16_t* getEngName() const;
    const char16_t* getTrueName() const;
    // Sets the three names (null texts give empty names).
    void setNames(const char16_t* tag, const char16_t* englishName, const char16_t* ownName);

    // Appends id and a copy of the n units of text (n = -1: up to the
    // terminating zero). False when out of memory.
    bool addText(std::int32_t id, const char16_t* text, std::int32_t n = -1);
    // Appends a copy of name to the names and, unless the name already has a
    // text, stores a copy of text for it; numeric ids are not touched.
    bool addNamedText(const char16_t* name, const char16_t* text, std::int32_t n = -1);

    // Room for n more numeric texts without regrowing (a hint; ignored when
    // out of memory).
    void reserveTexts(std::uint32_t n);

    // The text of the first entry with this id, or null.
    const StrBuffer* findText(std::int32_t id) const;
    bool hasText(std::int32_t id) const { return findText(id) != nullptr; }
    // The text stored for the name (compared exactly), or null.
    const StrBuffer* findNamedText(const char16_t* name) const;
    bool hasNamedText(const char16_t* name) const { return findNamedText(name) != nullptr; }

    // The numeric ids and their texts, in the order added.
    std::uint32_t textCount() const { return static_cast<std::uint32_t>(ids.size()); }
    std::int32_t idAt(std::uint32_t index) const { return index < ids.size() ? ids[index] : 0; }
    const StrBuffer* textAt(std::uint32_t index) const {
        return index < texts.size() ? texts[index] : nullptr;
    }
    // The names of named entries, in the order added (repeats included).
    std::uint32_t nameCount() const { return static_cast<std::uint32_t>(names.size()); }
    const StrBuffer* nameAt(std::uint32_t index) const {
        return index < names.size() ? names[index] : nullptr;
    }

    // Venetian is written with U+019A (l with bar), which the fonts of systems
    // before Windows Vista lack; with this rule on, every text added has it
    // replaced by U+0142 (l with stroke). The Localizer decides per pack.
    void setReplaceBarredL(bool on) { replaceBarredL = on; }
    bool replacesBarredL() const { return replaceBarredL; }

private:
    // The three name buffers live as long as the pack; reset() only empties
    // them.
    LangPack();
    ~LangPack() override;

    // A pooled, zero-terminated copy (the barred-l rule applied to texts, not
    // to names); null when out of memory.
    StrBuffer* copyText(const char16_t* text, std::int32_t n, bool isText) const;
    static void releaseAll(std::vector<StrBuffer*>& strings);
    static const char16_t* textOf(const StrBuffer* buffer);

    StrBuffer* tagName = nullptr;
    StrBuffer* engName = nullptr;
    StrBuffer* trueName = nullptr;
    std::vector<std::int32_t> ids;
    std::vector<StrBuffer*> texts;
    std::vector<StrBuffer*> names;
    // Named texts: one record per distinct name, the first text given.
    std::vector<StrBuffer*> namedKeys;
    std::vector<StrBuffer*> namedTexts;
    bool replaceBarredL = false;
};

} // namespace s::lang
