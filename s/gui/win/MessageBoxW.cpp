#include "s/gui/win/MessageBoxW.h"

#include <windows.h>

#include "s/platform/win/WideText.h"
#include "s/thread/PoolRef.h"

namespace s::gui::win {

namespace {

// Box types: buttons plus icon, as the system numbers them.
constexpr uint32_t kInformation = MB_OK | MB_ICONINFORMATION;
constexpr uint32_t kWarning = MB_OK | MB_ICONWARNING;
constexpr uint32_t kError = MB_OK | MB_ICONERROR;
constexpr uint32_t kYesNo = MB_YESNO | MB_ICONQUESTION;
constexpr uint32_t kYesNoCancel = MB_YESNOCANCEL | MB_ICONQUESTION;

// The program file's name without folder and extension.
void programName(wchar_t* name, DWORD capacity) {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    const wchar_t* start = path;
    for (DWORD i = 0; i < length; ++i) {
        if (path[i] == L'\\' || path[i] == L'/') {
            start = path + i + 1;
        }
    }
    DWORD count = 0;
    for (; start[count] != 0 && count + 1 < capacity; ++count) {
        name[count] = start[count];
    }
    name[count] = 0;
    for (DWORD i = count; i > 0; --i) {
        if (name[i - 1] == L'.') {
            name[i - 1] = 0;
            break;
        }
    }
}

// The main or active top-level window of the calling thread, if any.
HWND threadOwner() {
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    if (GetGUIThreadInfo(GetCurrentThreadId(), &info) && info.hwndActive != nullptr) {
        return info.hwndActive;
    }
    return nullptr;
}

} // namespace

int32_t MessageBoxW::show(const char16_t* text, uint32_t flags) {
    wchar_t caption[MAX_PATH] = {};
    programName(caption, MAX_PATH);
    return ::MessageBoxW(threadOwner(), s::platform::win::wide(text != nullptr ? text : u""),
                         caption, flags);
}

void MessageBoxW::showInformation(const char16_t* text) {
    show(text, kInformation);
}
void MessageBoxW::showWarning(const char16_t* text) {
    show(text, kWarning);
}
void MessageBoxW::showError(const char16_t* text) {
    show(text, kError);
}
bool MessageBoxW::askYesNo(const char16_t* text) {
    return show(text, kYesNo) == IDYES;
}

bool MessageBoxW::askYesNoCancel(const char16_t* text, bool* yes) {
    const int32_t answer = show(text, kYesNoCancel);
    if (yes != nullptr) {
        *yes = answer == IDYES;
    }
    return answer == IDYES || answer == IDNO;
}

void showInformationBox(const char16_t* text) {
    s::thread::PoolRef<MessageBoxW>::take()->showInformation(text);
}

void showErrorBox(const char16_t* text) {
    s::thread::PoolRef<MessageBoxW>::take()->showError(text);
}

bool askYesNoBox(const char16_t* text) {
    return s::thread::PoolRef<MessageBoxW>::take()->askYesNo(text);
}

} // namespace s::gui::win
