#pragma once
#include <windows.h>

#include "s/platform/win/BorrowedHandle.h"
#include "s/platform/win/OwnedHandle.h"

namespace s::platform::win {

// Kernel objects (events, mutexes, threads, processes, files, snapshots):
// closed with CloseHandle. Both null and INVALID_HANDLE_VALUE mean "none",
// since the system answers either for failure depending on the call.
struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle none() { return nullptr; }
    static bool isValid(Handle handle) {
        return handle != nullptr && handle != INVALID_HANDLE_VALUE;
    }
    static void close(Handle handle) { CloseHandle(handle); }
};

using OwnedKernelHandle = OwnedHandle<KernelHandleTraits>;
using BorrowedKernelHandle = BorrowedHandle<KernelHandleTraits>;

} // namespace s::platform::win
