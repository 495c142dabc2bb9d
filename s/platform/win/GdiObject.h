#pragma once
#include <windows.h>

#include "s/platform/win/BorrowedHandle.h"
#include "s/platform/win/OwnedHandle.h"

namespace s::platform::win {

// GDI objects (bitmaps, brushes, pens, fonts, regions): deleted with
// DeleteObject. An object must not be selected into a context when it is
// deleted: select it with ObjectSelection, whose scope ends first.
template <class T> struct GdiObjectTraits {
    using Handle = T;
    static Handle none() { return nullptr; }
    static bool isValid(Handle handle) { return handle != nullptr; }
    static void close(Handle handle) { DeleteObject(handle); }
};

template <class T> using OwnedGdiObject = OwnedHandle<GdiObjectTraits<T>>;
template <class T> using BorrowedGdiObject = BorrowedHandle<GdiObjectTraits<T>>;

} // namespace s::platform::win
