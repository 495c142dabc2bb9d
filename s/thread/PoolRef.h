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
    explicit PoolRef(T* object) noexcept : object_(object) {}
    PoolRef(PoolRef&& other) noexcept : object_(other.detach()) {}
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

    T* get() const noexcept { return object_; }
    T* operator->() const noexcept { return object_; }
    T& operator*() const noexcept { return *object_; }
    explicit operator bool() const noexcept { return object_ != nullptr; }

    // Gives up ownership without releasing.
    T* detach() noexcept {
        T* object = object_;
        object_ = nullptr;
        return object;
    }
    // Releases the held object (if any) and holds `object` instead.
    void assign(T* object) noexcept {
        T* old = object_;
        object_ = object;
        if (old != nullptr && old != object) {
            old->release();
        }
    }

private:
    T* object_ = nullptr;
};

} // namespace s::thread
