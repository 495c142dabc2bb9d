#pragma once

namespace s::platform::win {

// A native handle that someone else owns, looked at but never closed: the
// icon a window shows, a context handed to a paint listener, a menu found
// by its parent. A distinct type from the owner (OwnedHandle) so that the
// compiler keeps the two apart; copyable, valid only while its owner keeps
// the handle.
template <class Traits> class BorrowedHandle {
public:
    using Handle = typename Traits::Handle;

    BorrowedHandle() noexcept = default;
    explicit BorrowedHandle(Handle borrowed) noexcept : handle(borrowed) {}

    Handle get() const noexcept { return handle; }
    explicit operator bool() const noexcept { return Traits::isValid(handle); }

private:
    Handle handle = Traits::none();
};

} // namespace s::platform::win
