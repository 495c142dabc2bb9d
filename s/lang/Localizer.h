#pragma once
#include "s/base/IObject.h"
#include "s/gui/events/EventSource.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace s::xml {
class Node;
}

namespace s::lang {

class LangPack;

// The language pack of the program: one LangPack per language, the current
// language, and the lookup of texts by numeric id.
//
// The pack document lists the languages under <languages> (one <entry
// tagName engName trueName/> each, in menu order, the first being the
// language of last resort) and the texts under <entries> (one <entry id> per
// text, with one child per language named by its tag). Loading fills every
// pack with every id of the document: a language without its own translation
// gets the text of the entry's first child. Names of elements and attributes
// are matched ignoring case.
//
// Made once per process by the application (load or loadFromModule), owned
// by it and released when it ends; the packs belong to the localizer. No lock:
// after loading, the packs are only read, and a language change stores one
// pointer and then calls the listeners on the thread that made the change, so
// windows on their own threads may look texts up at any time. Listeners may
// be added and removed from any thread, also while a change is being told.
class Localizer final : public s::base::IObject, public s::thread::IPoolable {
    S_POOLED_CLASS(Localizer, u"s_lang_Localizer")

public:
    // The text whose emptiness switches the update check off.
    static constexpr std::int32_t kUpdateCheckTextId = 400200;

    // Gives the packs back, forgets the current pack and the listeners, and
    // takes the system version again.
    void reset() override;

    // A new localizer (owned by the caller) filled from the UTF-8 pack
    // document, with the user-interface language selected. Missing, empty or
    // damaged bytes give a localizer with whatever languages could be read
    // (possibly none), whose lookups answer empty texts. Null only when out of
    // memory.
    static Localizer* load(const std::uint8_t* bytes, std::size_t count);
    // The same from resource `id` of the type in a module (null: the program
    // file); the program names its own pack resource. A missing resource
    // gives an empty localizer.
    static Localizer* loadFromModule(const void* module, const char16_t* type, std::int32_t id);

    // Adds the languages and texts of a pack document (its root element).
    void parse(const s::xml::Node& document);

    // The first pack whose tag equals tag ignoring case, or null.
    LangPack* findByTag(const char16_t* tag) const;
    // The pack for a language name such as userLanguageName() gives: the
    // first pack whose English name equals it ignoring case; otherwise, for a
    // Chinese name Chinese_Simplified (else Chinese_Traditional), for a
    // Portuguese name Portuguese_Brazilian (else Portuguese_Portugal), for a
    // Serbian name Serbian_Cyrillic (else Serbian_Latin); otherwise null.
    LangPack* findByName(const char16_t* name) const;

    // Makes the pack for the name current; a name no pack carries selects
    // English, then the first pack. Listeners hear of it (code 0) only when
    // the current pack changes.
    void setLanguage(const char16_t* name);
    // Makes pack `index` current (the language menu's command); listeners hear
    // of it only when that changes the current pack. An index outside the
    // list does nothing.
    void selectIndex(std::int32_t index);

    // The text of id in the current language; "" when the pack has no such id
    // or there is no pack. Never null; the text belongs to the pack and stays
    // valid while the localizer lives.
    const char16_t* getText(std::int32_t id);
    // The same from the English pack (the first pack when none is English),
    // whatever the current language.
    const char16_t* getEnglishText(std::int32_t id) const;
    // The text of a named entry in the current language, "" when absent.
    const char16_t* getNamedText(const char16_t* name);
    // True when the current language has a non-empty text for 400200.
    bool isUpdateCheckEnabled();

    // Listeners are told (onEvent(localizer, 0)) when the language changes,
    // in the order added; they are not owned. Adding one twice adds it once;
    // one added while a change is told is told in the same pass.
    void addListener(s::gui::events::IEventListener* listener);
    // Stops telling the listener; when this returns, no other thread is
    // still telling it, so it may be destroyed. A listener may remove itself
    // (or others) while it is told.
    void removeListener(s::gui::events::IEventListener* listener);

    // The packs in the order of the document's language list.
    std::uint32_t packCount() const { return static_cast<std::uint32_t>(packs.size()); }
    LangPack* packAt(std::uint32_t index) const {
        return index < packs.size() ? packs[index] : nullptr;
    }
    // The current pack, chosen from the user-interface language first when
    // none is current yet; null only without packs.
    LangPack* getCurrent();
    // Position of the current pack in the list (as getCurrent()), -1 without
    // packs.
    std::int32_t getCurrentIndex();

    // The system major version that decides the Venetian letter rule for
    // packs parsed from now on (see LangPack::setReplaceBarredL); the running
    // system's unless set.
    void setSystemMajorVersion(std::uint32_t major) { systemMajorVersion = major; }

private:
    Localizer() { reset(); }
    ~Localizer() override;

    void releasePacks();
    void parseLanguages(const s::xml::Node& languages);
    void parseEntries(const s::xml::Node& entries);
    bool hasUniqueTags() const;
    // Sets current to the pack of the user-interface language (or the first
    // pack) when none is current; answers current.
    LangPack* ensureCurrent();
    void changeCurrent(LangPack* pack);
    LangPack* findByEngName(const char16_t* name) const;

    std::vector<LangPack*> packs;
    std::atomic<LangPack*> current{nullptr};
    s::gui::events::EventSource listeners;
    std::uint32_t systemMajorVersion = 0;
};

} // namespace s::lang
