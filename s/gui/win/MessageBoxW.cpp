#include "s/gui/win/MessageBoxW.h"

#include <windows.h>

#include <vector>

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

// Longest path the system hands out (with the long-path prefix).
constexpr DWORD kLongestPath = 32768;
// The caption fits a short buffer; a longer name is cut.
constexpr DWORD kCaptionCapacity = 256;

// The program file's name without folder and extension, cut to `capacity`
// units with the terminator; empty when the system does not tell it.
void programName(wchar_t* name, DWORD capacity) {
    std::vector<wchar_t> path(kLongestPath, 0);
    // A path that fills the buffer may come back without a terminator, so
    // only the reported length counts.
    DWORD length = GetModuleFileNameW(nullptr, path.data(), kLongestPath);
    length = length < kLongestPath ? length : kLongestPath;
    DWORD start = 0;
    for (DWORD i = 0; i < length; ++i) {
        if (path[i] == L'\\' || path[i] == L'/') {
            start = i + 1;
        }
    }
    DWORD end = length;
    for (DWORD i = length; i > start; --i) {
        if (path[i - 1] == L'.') {
            end = i - 1;
            break;
        }
    }
    DWORD count = 0;
    for (; start + count < end && count + 1 < capacity; ++count) {
        name[count] = path[start + count];
    }
    name[count] = 0;
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
    wchar_t caption[kCaptionCapacity] = {};
    programName(caption, kCaptionCapacity);
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

// A box that cannot be taken from the pool counts as one that could not be
// shown: the information and error boxes return, the question answers No.
void showInformationBox(const char16_t* text) {
    auto box = s::thread::PoolRef<MessageBoxW>::take();
    if (box) {
        box->showInformation(text);
    }
}

void showErrorBox(const char16_t* text) {
    auto box = s::thread::PoolRef<MessageBoxW>::take();
    if (box) {
        box->showError(text);
    }
}

bool askYesNoBox(const char16_t* text) {
    auto box = s::thread::PoolRef<MessageBoxW>::take();
    return box && box->askYesNo(text);
}

} // namespace s::gui::win
