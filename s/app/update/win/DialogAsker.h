#pragma once
#include <windows.h>

#include <cstdint>

#include "s/app/update/IUpdateAsker.h"

namespace s::app::win {
class AppBase;
}

namespace s::app::update::win {

// The update check's question on Windows: the confirmation dialog
// (s::gui::dialogs::FlexAsker) without its "don't ask again" option, in the
// window settings section "FlexAskerWindow" and the application's skin,
// centred on the parent window, which it disables while it asks. The button labels are the pack's
// Yes and No texts, the ones the check passes; only the first button answers true.
//
// Made by the caller of the check and used on its thread, which each question
// blocks until answered. The application base is borrowed.
class DialogAsker final : public s::app::update::IUpdateAsker {
public:
    static constexpr const char16_t* kWindowName = u"FlexAskerWindow";
    static constexpr std::int32_t kDefaultWidth = 400;
    static constexpr std::int32_t kDefaultHeight = 200;

    DialogAsker(s::app::win::AppBase* base, HWND parentWindow)
        : appBase(base), parent(parentWindow) {}

    bool askYesNo(const char16_t* title, const char16_t* message, const char16_t* yesText,
                  const char16_t* noText) override;

private:
    s::app::win::AppBase* appBase;
    HWND parent;
};

} // namespace s::app::update::win
