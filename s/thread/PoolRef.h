#pragma once

namespace s::thread {

// Holds one pooled object and gives it back (release()) when it goes out of
// scope, so that no early return leaks an object. Move-only. detach() hands
// the object over to a new owner without releasing it.
//
//     auto text = PoolRef<StrBuffer>::take();
//     text->append(u"x");
//     return text.detach();     // caller now owns it
template <class T> class PoolRef {
public:
    PoolRef() noexcept = default;
    explicit PoolRef(T* owned) noexcept : object(owned) {}
    PoolRef(PoolRef&& other) noexcept : object(other.detach()) {}
    PoolRef& operator=(PoolRef&& other) noexcept {
        if (this != &other) {
            assign(other.detach());
        }
        return *this;
    }
    PoolRef(const PoolRef&) = delete;
    PoolRef& operator=(const PoolRef&) = delete;
    ~PoolRef() { assign(nullptr); }

    // A handle on a new object from T's pool.
    static PoolRef take() { return PoolRef(T::newInstance()); }

    T* get() const noexcept { return object; }
    T* operator->() const noexcept { return object; }
    T& operator*() const noexcept { return *object; }
    explicit operator bool() const noexcept { return object != nullptr; }

    // Gives up ownership without releasing.
    T* detach() noexcept {
        T* detached = object;
        object = nullptr;
        return detached;
    }
    // Releases the held object (if any) and holds `replacement` instead.
    void assign(T* replacement) noexcept {
        T* old = object;
        object = replacement;
        if (old != nullptr && old != replacement) {
            old->release();
        }
    }

private:
    T* object = nullptr;
};

} // namespace s::thread
