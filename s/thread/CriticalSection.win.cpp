#include "s/thread/CriticalSection.h"

#include <windows.h>

#include <new>

namespace s::thread {

namespace {
CRITICAL_SECTION* native(unsigned char* storage) {
    return std::launder(reinterpret_cast<CRITICAL_SECTION*>(storage));
}
} // namespace

static_assert(sizeof(CRITICAL_SECTION) <= 64, "CriticalSection storage too small");
static_assert(alignof(CRITICAL_SECTION) <= 16, "CriticalSection storage misaligned");

CriticalSection::CriticalSection() {
    auto* section = new (storage) CRITICAL_SECTION;
    InitializeCriticalSection(section);
}

CriticalSection::~CriticalSection() {
    DeleteCriticalSection(native(storage));
}

void CriticalSection::enter() {
    EnterCriticalSection(native(storage));
}

void CriticalSection::leave() {
    LeaveCriticalSection(native(storage));
}

bool CriticalSection::tryEnter() {
    return TryEnterCriticalSection(native(storage)) != FALSE;
}

} // namespace s::thread
