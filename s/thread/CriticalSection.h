#pragma once

namespace s::thread {

// A re-entrant lock: the thread that holds it may enter again, and must leave
// as often as it entered. A Win32 critical section on Windows, a recursive
// mutex elsewhere; the platform object lives inside this one (no allocation),
// so a lock can never fail to exist. Not copyable or movable.
class CriticalSection {
public:
    CriticalSection();
    ~CriticalSection();
    CriticalSection(const CriticalSection&) = delete;
    CriticalSection& operator=(const CriticalSection&) = delete;

    void enter();
    void leave();
    // Enters when no other thread holds the lock; false otherwise.
    bool tryEnter();

    // Holds the lock for one scope.
    class Scope {
    public:
        explicit Scope(CriticalSection& lockToHold) : section(lockToHold) { section.enter(); }
        ~Scope() { section.leave(); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        CriticalSection& section;
    };

private:
    // Large enough for CRITICAL_SECTION (40 bytes on 64-bit Windows) and for
    // the recursive mutex of the POSIX side; both sides check it at compile time.
    static constexpr unsigned kStorageSize = 64;
    alignas(16) unsigned char storage[kStorageSize];
};

} // namespace s::thread
