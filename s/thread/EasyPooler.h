#pragma once
#include "s/base/IDestructor.h"
#include "s/base/IGenerator.h"
#include "s/base/IObject.h"
#include "s/thread/IdleStack.h"
#include "s/thread/ObjLocker.h"

#include <cstdint>

namespace s::thread {

// An object pool: a stack of idle, already reset objects of one class, at most
// `limit` of them. take() pops the most recently given back object or creates
// one; giveBack() resets the object and keeps it, or destroys it when the pool
// is full. Every method may be called from any thread; the lock is held only
// for the stack operation and the reset, never around create or destroy.
//
// Objects travel as void* and must always be the pointer of the pool's own
// class converted to void* (what the create callback returns); the callbacks
// convert back. Class pools are made by s/thread/ClassPool.h; a free-standing
// EasyPooler is owned by whoever built it and destroys its idle objects when
// deleted.
class EasyPooler : public s::base::IObject,
                   public s::base::IGenerator,
                   public s::base::IDestructor {
public:
    using CreateCallback = void* (*)();
    using DestroyCallback = void (*)(void* object);
    using ResetCallback = void (*)(void* object);

    static constexpr std::uint32_t kDefaultLimit = 1000;

    EasyPooler(std::uint32_t limit, CreateCallback createCallback, DestroyCallback destroyCallback,
               ResetCallback resetCallback);
    ~EasyPooler() override;
    EasyPooler(const EasyPooler&) = delete;
    EasyPooler& operator=(const EasyPooler&) = delete;

    // An idle object (already reset) or, when none is idle, a new one (null
    // when creation failed).
    void* take();
    // Resets and keeps the object while fewer than `limit` are idle, else
    // destroys it. Null is ignored.
    void giveBack(void* object);

    void* generate() override { return take(); }
    // giveBack(*slot), then *slot = null; a null *slot is ignored.
    void dispose(void** slot) override;

    std::uint32_t limit() const;
    std::uint32_t idleCount() const;

    // Destroys every idle object and keeps none from now on (limit 0). Class
    // pools are shut down at process exit; objects released later, e.g. by
    // other static objects' destructors, are then destroyed at once.
    void shutdown();

    // A pool that is shut down when the process exits and never deleted, so it
    // stays usable from any static destructor. Made after exit has begun, it
    // keeps nothing. Null when out of memory.
    static EasyPooler* newProcessPool(std::uint32_t limit, CreateCallback create,
                                      DestroyCallback destroy, ResetCallback reset);

    const char16_t* getClassName() const override { return u"s_thread_EasyPooler"; }
    // A new, empty pool with the same limit and callbacks, owned by the caller
    // (delete).
    s::base::IObject* newObject() const override;

private:
    ObjLocker lock;
    IdleStack idle;
    std::uint32_t idleLimit;
    CreateCallback create;
    DestroyCallback destroy;
    ResetCallback reset;
};

} // namespace s::thread
