#pragma once
#include <windows.h>

#include <cstdint>

#include "s/base/IObject.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::system::monitor::win {

// One display monitor of the desktop: its system handle, its position in the
// enumeration order and its device name. The rectangle queries ask the
// system afresh each time, so they follow resolution changes even though the
// process-wide monitor list itself is never refreshed. Monitors in the list
// are owned by the list; they are read-only after it has been filled.
class Monitor : public s::base::IObject, public s::thread::IPoolable {
    S_POOLED_CLASS(Monitor, u"s_system_monitor_win_Monitor")
public:
    void reset() override;

    HMONITOR getHandle() const { return handle; }
    void setHandle(HMONITOR value) { handle = value; }
    int32_t getIndex() const { return index; }
    void setIndex(int32_t value) { index = value; }
    const char16_t* getName() const;
    void setName(const char16_t* text);

    int32_t getLeft() const;
    int32_t getTop() const;
    int32_t getWidth() const;
    int32_t getHeight() const;
    int32_t getWorkLeft() const;
    int32_t getWorkTop() const;
    int32_t getWorkWidth() const;
    int32_t getWorkHeight() const;

private:
    Monitor();
    ~Monitor() override;

    // Monitor and work rectangles from GetMonitorInfoW; all zero on failure.
    RECT monitorRect() const;
    RECT workRect() const;

    HMONITOR handle;
    int32_t index;
    // Owned, taken with the monitor.
    s::str::strbuffer::StrBuffer* name;
};

} // namespace s::system::monitor::win
