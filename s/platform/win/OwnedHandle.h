#pragma once
#include "s/platform/win/BorrowedHandle.h"

namespace s::platform::win {

// Owns one native handle of the kind that Traits describes and closes it
// (CloseHandle, DestroyIcon, DestroyMenu, DeleteObject, ...) when it goes out
// of scope or is replaced, so that no path leaks a handle. Move-only: one
// owner at a time. Code that only looks at a handle takes the borrowed type
// (borrow()), which never closes anything.
//
// Traits provide: `using Handle`; `static Handle none()`; `static bool
// isValid(Handle)`; `static void close(Handle)`. The aliases of each kind
// live in their own headers (KernelHandle.h, IconHandle.h, MenuHandle.h,
// GdiObject.h). An owner is used by one thread at a time.
template <class Traits> class OwnedHandle {
public:
    using Handle = typename Traits::Handle;

    OwnedHandle() noexcept = default;
    explicit OwnedHandle(Handle owned) noexcept : handle(owned) {}
    OwnedHandle(OwnedHandle&& other) noexcept : handle(other.detach()) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept {
        if (this != &other) {
            assign(other.detach());
        }
        return *this;
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    ~OwnedHandle() { assign(Traits::none()); }

    Handle get() const noexcept { return handle; }
    explicit operator bool() const noexcept { return Traits::isValid(handle); }
    BorrowedHandle<Traits> borrow() const noexcept { return BorrowedHandle<Traits>(handle); }

    // Gives up ownership without closing; the caller now owns the handle.
    Handle detach() noexcept {
        const Handle held = handle;
        handle = Traits::none();
        return held;
    }
    // Closes the held handle (unless it is `replacement` itself) and holds
    // `replacement` instead.
    void assign(Handle replacement) noexcept {
        const Handle old = handle;
        handle = replacement;
        if (Traits::isValid(old) && old != replacement) {
            Traits::close(old);
        }
    }

private:
    Handle handle = Traits::none();
};

} // namespace s::platform::win
