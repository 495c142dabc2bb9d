#pragma once

namespace s::gui::drawer {
class Skinner;
}

namespace s::app::win {

// The four things the framework asks of a skin selector, in one place, so
// that the application base and the window settings hold a selector only by
// pointer. Every function takes null as "no selector" and then answers as if
// every name were unknown and nothing were current.
//
// PENDING: the skin selector class is being written; until it lands these
// treat every stored name as known, report no current skin, select nothing
// and leave the selector to its creator. The magnifier hands no selector
// yet, so nothing depends on these answers at run time.
struct SkinnerAccess {
    // True when the selector has a skin of that name (ASCII case ignored).
    static bool hasSkin(s::gui::drawer::Skinner* skinner, const char16_t* name);
    // The name of the selector's current skin, or null.
    static const char16_t* currentSkinName(s::gui::drawer::Skinner* skinner);
    // Makes the named skin current (the selector's first skin when the name
    // is not among them); the selector tells its windows only when the
    // current skin changes.
    static void selectSkin(s::gui::drawer::Skinner* skinner, const char16_t* name);
    // Gives an owned selector back to its pool.
    static void release(s::gui::drawer::Skinner* skinner);
};

} // namespace s::app::win
