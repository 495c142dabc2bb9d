#include "s/system/win/CommonControls.h"

#include "s/system/win/SystemLibrary.h"

#include <windows.h>

#include <commctrl.h>

namespace s::system::win {

namespace {

using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);

InitFunction lookUpInit() {
    return SystemLibrary::function<InitFunction>(SystemLibrary::loadSideBySide(u"comctl32.dll"),
                                                 "InitCommonControlsEx");
}

} // namespace

bool CommonControls::init(std::uint32_t classes) {
    static const InitFunction initCommonControlsEx = lookUpInit();
    if (initCommonControlsEx == nullptr) {
        return false;
    }
    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof(controls);
    controls.dwICC = classes;
    return initCommonControlsEx(&controls) != FALSE;
}

} // namespace s::system::win
