#pragma once
#include "s/base/IObject.h"
#include "s/thread/IPoolable.h"

namespace s::gui {

// A short modal message or question to the user: the standard boxes of the
// platform, each shown on the calling thread, which waits until the user
// dismisses it. The caption is the program's name; the owner is the calling
// thread's active window, which cannot be used while the box is open.
//
// Implementations hold no state that a show operation reads, so any instance
// serves any caller on any thread; they come from a class pool and go back
// with release().
class IMessageBox : public s::base::IObject, public s::thread::IPoolable {
public:
    // Interfaces name themselves for class-name checks; concrete classes
    // answer getClassName() with their own name.
    static constexpr const char16_t* kInterfaceName = u"s_gui_IMessageBox";

    // OK button; the three differ only in their icon. A box that cannot be
    // shown counts as dismissed.
    virtual void showInformation(const char16_t* text) = 0;
    virtual void showWarning(const char16_t* text) = 0;
    virtual void showError(const char16_t* text) = 0;
    // Yes and No: true only when the answer is Yes; false also when no box
    // could be shown.
    virtual bool askYesNo(const char16_t* text) = 0;
    // Yes, No and Cancel: Yes gives yes = true and true, No gives yes = false
    // and true; Cancel, or no box, gives yes = false and false. `yes` may be
    // null.
    virtual bool askYesNoCancel(const char16_t* text, bool* yes) = 0;
};

} // namespace s::gui
