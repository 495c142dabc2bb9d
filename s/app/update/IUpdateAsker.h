#pragma once

namespace s::app::update {

// Asks the user one yes-or-no question for the update check: the program's
// confirmation dialog, owned by the window the check runs for, without its
// "don't ask again" option. Called on the thread that runs the check, which
// it blocks until answered.
class IUpdateAsker {
public:
    virtual ~IUpdateAsker() = default;
    // True when the user chose the first button (`yesText`); closing the
    // dialog any other way answers false.
    virtual bool askYesNo(const char16_t* title, const char16_t* message, const char16_t* yesText,
                          const char16_t* noText) = 0;
};

} // namespace s::app::update
