#pragma once
#include <cstdint>

#include "s/base/IObject.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::gui::win {

// The system's standard message box, modal on the calling thread, with the
// program file's name (without extension) as caption and the main or active
// window of the calling thread as owner. Holds no state: any instance serves
// any caller, from any thread.
class MessageBoxW : public s::base::IObject, public s::thread::IPoolable {
    S_POOLED_CLASS(MessageBoxW, u"s_gui_win_MessageBox")
public:
    void reset() override {}

    void showInformation(const char16_t* text);
    void showWarning(const char16_t* text);
    void showError(const char16_t* text);
    // True only when the answer is Yes.
    bool askYesNo(const char16_t* text);
    // Yes: yes = true, true; No: yes = false, true; anything else: false.
    bool askYesNoCancel(const char16_t* text, bool* yes);

private:
    MessageBoxW() = default;
    ~MessageBoxW() override = default;

    // Shows the box with the given flags; the system's answer code, 0 when
    // the box could not be shown.
    int32_t show(const char16_t* text, uint32_t flags);
};

// Shortcuts that take a box from the pool, show it and give it back.
void showInformationBox(const char16_t* text);
void showErrorBox(const char16_t* text);
bool askYesNoBox(const char16_t* text);

} // namespace s::gui::win
