#pragma once
#include <windows.h>

#include "s/platform/win/OwnedHandle.h"

namespace s::platform::win {

// COM interface pointers: the owner releases its one reference (Release).
// Take the pointer a creation or query call fills in into an owner at once:
//
//     IShellLinkW* raw = nullptr;
//     CoCreateInstance(..., reinterpret_cast<void**>(&raw));
//     OwnedCom<IShellLinkW> link(raw);
template <class Interface> struct ComTraits {
    using Handle = Interface*;
    static Handle none() { return nullptr; }
    static bool isValid(Handle handle) { return handle != nullptr; }
    static void close(Handle handle) { handle->Release(); }
};

template <class Interface> using OwnedCom = OwnedHandle<ComTraits<Interface>>;

} // namespace s::platform::win
