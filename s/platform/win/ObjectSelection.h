#pragma once
#include <windows.h>

namespace s::platform::win {

// Selects a GDI object into a device context and selects the previous one
// back on scope exit, so no context is left holding a foreign object (a
// bitmap selected into a context cannot be deleted or selected elsewhere).
class ObjectSelection {
public:
    ObjectSelection(HDC target, HGDIOBJ object)
        : dc(target), previous(SelectObject(target, object)) {}
    ~ObjectSelection() {
        if (previous != nullptr && previous != HGDI_ERROR) {
            SelectObject(dc, previous);
        }
    }
    ObjectSelection(const ObjectSelection&) = delete;
    ObjectSelection& operator=(const ObjectSelection&) = delete;

    explicit operator bool() const { return previous != nullptr && previous != HGDI_ERROR; }

private:
    HDC dc;
    HGDIOBJ previous;
};

} // namespace s::platform::win
