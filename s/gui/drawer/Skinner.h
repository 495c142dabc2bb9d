#pragma once
#include <atomic>
#include <cstdint>
#include <vector>

#include "s/base/IObject.h"
#include "s/gui/events/EventSource.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::str::strbuffer {
class StrBuffer;
}
namespace s::str::strarray {
class StrArray;
}

namespace s::gui::drawer {

class ISkin;

// The skins of one skin family ("ThinWindow", "Thin", or "Basic" for none),
// kept in build order, one of them current, selected by scheme name; the
// windows that paint with the current skin are told when the selection
// changes (onEvent(skinner, 0), in registration order) and take the new
// skin's drawers.
//
// The schemes of a family are the skins that buildSchemes() adds: the 16
// schemes of "ThinWindow" or the 13 of "Thin" (the family name compared
// ignoring case), in their list order; any other family has none, and then
// select() finds nothing and getCurrent() stays null (windows keep the
// native frame). The list is built once: buildSchemes() adds nothing to a
// skinner that already has schemes (reset() empties it). Skins made
// elsewhere join with addScheme().
//
// Ownership: the skinner owns its skins and gives them back with reset();
// the registered windows are borrowed and leave with removeListener() before
// they go. Threads: the schemes are built and the family set while the
// application starts, before any window uses the skinner; select() runs on
// the caller's thread and tells the windows there (a window moves the paint
// work to its own thread); windows register and leave from any thread; the
// current skin is published atomically, so windows read it from their own
// threads.
class Skinner : public s::base::IObject, public s::thread::IPoolable {
    S_POOLED_CLASS(Skinner, u"s_gui_drawer_Skinner")
public:
    static constexpr const char16_t* kThinWindowFamily = u"ThinWindow";
    static constexpr const char16_t* kThinFamily = u"Thin";
    static constexpr const char16_t* kBasicFamily = u"Basic";

    // Gives every skin back, empties the names and the windows, no current
    // skin, family "Basic".
    void reset() override;

    // A skinner of the family "ThinWindow" with its schemes built; owned by
    // the caller.
    static Skinner* newThinWindowSkinner();

    const char16_t* getFamily() const;
    void setFamily(const char16_t* family);
    // Adds the schemes of the family unless there are schemes already (see
    // the class comment).
    void buildSchemes();
    // Takes over a skin and appends it, with a copy of its name, to the
    // schemes. Null is ignored.
    void addScheme(ISkin* skin);

    int32_t getSchemeCount() const { return static_cast<int32_t>(schemes.size()); }
    // Index of the first scheme whose whole name equals `name` ignoring case;
    // false with index -1 when there is none.
    bool findScheme(const char16_t* name, int32_t& index) const;
    // The scheme names in list order (lent).
    const s::str::strarray::StrArray& getSchemeNames() const { return *schemeNames; }
    // Makes the named scheme current, or the first one when no scheme has
    // the name; when that changes the current skin, every window is told.
    // Nothing happens without schemes.
    void select(const char16_t* name);
    // The current skin (lent), or null.
    ISkin* getCurrent() const { return current.load(); }

    // Windows that paint with the current skin; a window added twice is
    // told once.
    void addListener(s::gui::events::IEventListener* window);
    // When this returns the window is told nothing more and may go.
    void removeListener(s::gui::events::IEventListener* window);

private:
    Skinner();
    ~Skinner() override;

    void releaseSchemes();

    s::str::strbuffer::StrBuffer* family = nullptr;
    std::vector<ISkin*> schemes;
    s::str::strarray::StrArray* schemeNames = nullptr;
    std::atomic<ISkin*> current{nullptr};
    s::gui::events::EventSource listeners;
};

} // namespace s::gui::drawer
