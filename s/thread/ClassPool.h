#pragma once
#include "s/thread/EasyPooler.h"
#include "s/thread/LeasedTask.h"

#include <cstdint>
#include <new>
#include <type_traits>

// Per-class pools.
//
// Every pooled class C has one process-wide EasyPooler, made on first use (safe
// when several threads make the first call together), shut down at process
// exit and never deleted, so releasing an object from a static destructor is
// safe. Declare a pooled class like this:
//
//     // s/str/strbuffer/StrBuffer.h
//     class StrBuffer : public s::str::IStr,          // derives from IObject
//                       public s::io::IInputStream,   // derives from IPoolable
//                       public s::io::IOutputStream { // derives from IPoolable
//         S_POOLED_CLASS(StrBuffer, u"s_str_strbuffer_StrBuffer")
//     public:
//         void reset() override;                      // the one reset of all bases
//         ...
//     private:
//         StrBuffer() { reset(); }                    // only the pool builds it
//         ~StrBuffer() override;
//     };
//
//     auto text = s::thread::PoolRef<StrBuffer>::take();   // released on scope exit
//     StrBuffer* raw = StrBuffer::newInstance();           // ... raw->release();
//
// The macro gives the class:
//   static EasyPooler& pool();           its pool (an IDestructor for containers)
//   static C* newInstance();             pool().take()
//   void release() override;             pool().giveBack(this)
//   const char16_t* getClassName() const override;
//   s::base::IObject* newObject() const override;   newInstance()
// and lets the pool reach a private constructor and destructor. It must name
// the class it sits in; a class derived from a pooled class declares its own.
// The class itself must define reset() (IPoolable) and a default constructor
// that ends with reset(). The macro leaves the access at `private:`.
//
// Classes owning native windows, fonts or device contexts keep no idle
// objects: S_POOLED_CLASS_LIMIT(Window, u"s_gui_win_Window", 0).
//
// A pooled class that derives from LeasedTask is given back through its
// lease: released while a worker is still inside its run(), it goes back to
// the pool only when that run returns (see s/thread/LeasedTask.h).
//
// A class that must settle before it goes back, outside the pool's lock
// (a worker waiting for its run to end), declares
// S_POOLED_CLASS_OWN_RELEASE(Class, className) and defines release() itself,
// ending with pool().giveBack(this).
//
// Pooled objects in containers are stored as C* converted to void*, and the
// container's element disposer is &C::pool().

namespace s::thread {

template <class C, std::uint32_t Limit> class ClassPool {
public:
    static EasyPooler& pool() {
        // A pointer, never destroyed: the pool outlives every static object.
        static EasyPooler* const instance =
            EasyPooler::newProcessPool(Limit, &create, &destroy, &resetObject);
        return *instance;
    }

    // What release() does: back to the pool, through the lease for tasks.
    static void release(C* object) {
        if constexpr (std::is_base_of_v<LeasedTask, C>) {
            static_cast<LeasedTask*>(object)->getLease()->giveBackWhenFree(
                &giveBack, static_cast<void*>(object));
        } else {
            pool().giveBack(static_cast<void*>(object));
        }
    }

private:
    static void giveBack(void* object) { pool().giveBack(object); }
    static void* create() { return new (std::nothrow) C(); }
    static void destroy(void* object) { delete static_cast<C*>(object); }
    static void resetObject(void* object) { static_cast<C*>(object)->reset(); }
};

} // namespace s::thread

#define S_POOLED_CLASS_COMMON(Class, className, limit)                                             \
    template <class, ::std::uint32_t> friend class ::s::thread::ClassPool;                         \
                                                                                                   \
public:                                                                                            \
    static ::s::thread::EasyPooler& pool() {                                                       \
        return ::s::thread::ClassPool<Class, (limit)>::pool();                                     \
    }                                                                                              \
    static Class* newInstance() {                                                                  \
        return static_cast<Class*>(pool().take());                                                 \
    }                                                                                              \
    const char16_t* getClassName() const override {                                                \
        return className;                                                                          \
    }                                                                                              \
    ::s::base::IObject* newObject() const override {                                               \
        return newInstance();                                                                      \
    }                                                                                              \
                                                                                                   \
private:

#define S_POOLED_CLASS_LIMIT(Class, className, limit)                                              \
    S_POOLED_CLASS_COMMON(Class, className, limit)                                                 \
                                                                                                   \
public:                                                                                            \
    void release() override {                                                                      \
        ::s::thread::ClassPool<Class, (limit)>::release(this);                                     \
    }                                                                                              \
                                                                                                   \
private:

#define S_POOLED_CLASS_OWN_RELEASE(Class, className)                                               \
    S_POOLED_CLASS_COMMON(Class, className, ::s::thread::EasyPooler::kDefaultLimit)

#define S_POOLED_CLASS(Class, className)                                                           \
    S_POOLED_CLASS_LIMIT(Class, className, ::s::thread::EasyPooler::kDefaultLimit)
