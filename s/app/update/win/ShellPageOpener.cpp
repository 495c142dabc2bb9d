#include "s/app/update/win/ShellPageOpener.h"

#include "s/system/win/WebAddress.h"

namespace s::app::update::win {

bool ShellPageOpener::openPage(const char16_t* address) {
    return s::system::win::openWebAddress(address);
}

} // namespace s::app::update::win
