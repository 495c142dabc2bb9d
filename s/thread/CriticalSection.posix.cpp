#include "s/thread/CriticalSection.h"

#include <mutex>
#include <new>

namespace s::thread {

namespace {
std::recursive_mutex* native(unsigned char* storage) {
    return std::launder(reinterpret_cast<std::recursive_mutex*>(storage));
}
} // namespace

static_assert(sizeof(std::recursive_mutex) <= 64, "CriticalSection storage too small");
static_assert(alignof(std::recursive_mutex) <= 16, "CriticalSection storage misaligned");

CriticalSection::CriticalSection() {
    new (storage) std::recursive_mutex();
}

CriticalSection::~CriticalSection() {
    native(storage)->~recursive_mutex();
}

void CriticalSection::enter() {
    native(storage)->lock();
}

void CriticalSection::leave() {
    native(storage)->unlock();
}

bool CriticalSection::tryEnter() {
    return native(storage)->try_lock();
}

} // namespace s::thread
