#pragma once
#include "s/app/update/IPageOpener.h"

namespace s::app::update::win {

// Opens the product page with the shell's "open" verb (the user's browser).
// Stateless; any thread.
class ShellPageOpener final : public s::app::update::IPageOpener {
public:
    bool openPage(const char16_t* address) override;
};

} // namespace s::app::update::win
