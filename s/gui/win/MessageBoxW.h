#pragma once
#include <cstdint>

#include "s/gui/IMessageBox.h"
#include "s/thread/ClassPool.h"

namespace s::gui::win {

// The system's standard message box, modal on the calling thread, with the
// program file's name (without folder and extension) as caption and the
// active window of the calling thread, if any, as owner. The text is shown
// as it stands; a null text shows an empty box.
//
// Holds no state: any instance serves any caller, from any thread. Instances
// come from the class pool (newInstance()/release(), at most 1000 kept
// idle); whoever takes one owns it until it gives it back.
class MessageBoxW : public s::gui::IMessageBox {
    S_POOLED_CLASS(MessageBoxW, u"s_gui_win_MessageBox")
public:
    void reset() override {}

    void showInformation(const char16_t* text) override;
    void showWarning(const char16_t* text) override;
    void showError(const char16_t* text) override;
    bool askYesNo(const char16_t* text) override;
    bool askYesNoCancel(const char16_t* text, bool* yes) override;

private:
    MessageBoxW() = default;
    ~MessageBoxW() override = default;

    // Shows the box with the given flags; the system's answer code, 0 when
    // the box could not be shown.
    int32_t show(const char16_t* text, uint32_t flags);
};

// Shortcuts that take a box from the pool, show it and give it back; callable
// from any thread, several at once.
void showInformationBox(const char16_t* text);
void showErrorBox(const char16_t* text);
bool askYesNoBox(const char16_t* text);

} // namespace s::gui::win
