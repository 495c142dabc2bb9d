#pragma once
#include <windows.h>

namespace s::platform::win {

// Owns a memory device context made with CreateCompatibleDC and deletes it.
class MemoryDC {
public:
    explicit MemoryDC(HDC reference) : dc(CreateCompatibleDC(reference)) {}
    ~MemoryDC() {
        if (dc != nullptr) {
            DeleteDC(dc);
        }
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    HDC get() const { return dc; }
    explicit operator bool() const { return dc != nullptr; }

private:
    HDC dc;
};

} // namespace s::platform::win
