#include "s/system/win/WebAddress.h"

#include <windows.h>

#include <shellapi.h>

#include "s/platform/win/WideText.h"

namespace s::system::win {

bool openWebAddress(const char16_t* address) {
    if (address == nullptr || *address == 0) {
        return false;
    }
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    info.hwnd = nullptr;
    info.lpVerb = L"open";
    info.lpFile = s::platform::win::wide(address);
    info.lpParameters = L"";
    info.lpDirectory = nullptr;
    info.nShow = SW_SHOW;
    return ShellExecuteExW(&info) != FALSE;
}

} // namespace s::system::win
