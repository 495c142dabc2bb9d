#pragma once
#include <windows.h>

#include "s/platform/win/BorrowedHandle.h"
#include "s/platform/win/OwnedHandle.h"

namespace s::platform::win {

// Icons made or loaded without LR_SHARED (CreateIconIndirect, LoadImage):
// destroyed with DestroyIcon. Shared icons belong to the system and are only
// ever borrowed.
struct IconHandleTraits {
    using Handle = HICON;
    static Handle none() { return nullptr; }
    static bool isValid(Handle handle) { return handle != nullptr; }
    static void close(Handle handle) { DestroyIcon(handle); }
};

using OwnedIcon = OwnedHandle<IconHandleTraits>;
using BorrowedIcon = BorrowedHandle<IconHandleTraits>;

} // namespace s::platform::win
