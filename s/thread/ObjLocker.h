#pragma once
#include "s/base/IDestructor.h"
#include "s/base/IObject.h"
#include "s/thread/CriticalSection.h"

namespace s::thread {

// A re-entrant lock that may own one object. Used embedded (a pool's lock, a
// table's lock; nothing owned) and as the guard of a process-wide scratch
// object: every user enters, uses owned(), and leaves.
//
// On destruction the owned object, if any, is disposed of by the dispose
// function if one is set, else by the disposer, else deleted through its
// virtual destructor (it must then be an object whose first base derives from
// s::base::IComparable, stored as a pointer to its own class).
// Any thread may enter; the owner of the ObjLocker destroys it.
class ObjLocker : public s::base::IObject {
public:
    using DisposeFunction = void (*)(void* owned);

    ObjLocker() = default;
    explicit ObjLocker(void* object, DisposeFunction function = nullptr,
                       s::base::IDestructor* destructor = nullptr);
    ~ObjLocker() override;
    ObjLocker(const ObjLocker&) = delete;
    ObjLocker& operator=(const ObjLocker&) = delete;

    void enter() const { section.enter(); }
    void leave() const { section.leave(); }
    bool tryEnter() const { return section.tryEnter(); }

    void* owned() const { return ownedObject; }
    // Replaces the owned object without disposing of the previous one (the
    // caller takes that back through owned() first when it matters).
    void setOwned(void* object, DisposeFunction function = nullptr,
                  s::base::IDestructor* destructor = nullptr);

    const char16_t* getClassName() const override { return u"s_thread_ObjLocker"; }
    // A new, empty ObjLocker owned by the caller (delete).
    s::base::IObject* newObject() const override;

    // Holds the lock for one scope.
    class Scope {
    public:
        explicit Scope(const ObjLocker& lockToHold) : locker(lockToHold) { locker.enter(); }
        ~Scope() { locker.leave(); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        const ObjLocker& locker;
    };

private:
    void* ownedObject = nullptr;
    DisposeFunction disposeFunction = nullptr;
    s::base::IDestructor* disposer = nullptr;
    mutable CriticalSection section;
};

} // namespace s::thread
