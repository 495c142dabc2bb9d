#include "s/system/monitor/win/Monitor.h"

#include "s/str/strbuffer/StrBuffer.h"

namespace s::system::monitor::win {

Monitor::Monitor() : name(s::str::strbuffer::StrBuffer::newInstance()) {
    reset();
}

Monitor::~Monitor() {
    name->release();
}

void Monitor::reset() {
    handle = nullptr;
    index = 0;
    name->clear();
}

const char16_t* Monitor::getName() const {
    return name->c_str();
}

void Monitor::setName(const char16_t* text) {
    name->clear();
    name->appendWcs(text != nullptr ? text : u"");
}

RECT Monitor::monitorRect() const {
    MONITORINFO info = {};
    info.cbSize = sizeof(MONITORINFO);
    if (handle == nullptr || !GetMonitorInfoW(handle, &info)) {
        return RECT{0, 0, 0, 0};
    }
    return info.rcMonitor;
}

RECT Monitor::workRect() const {
    MONITORINFO info = {};
    info.cbSize = sizeof(MONITORINFO);
    if (handle == nullptr || !GetMonitorInfoW(handle, &info)) {
        return RECT{0, 0, 0, 0};
    }
    return info.rcWork;
}

int32_t Monitor::getLeft() const {
    return monitorRect().left;
}
int32_t Monitor::getTop() const {
    return monitorRect().top;
}
int32_t Monitor::getWidth() const {
    const RECT rect = monitorRect();
    return rect.right - rect.left;
}
int32_t Monitor::getHeight() const {
    const RECT rect = monitorRect();
    return rect.bottom - rect.top;
}
int32_t Monitor::getWorkLeft() const {
    return workRect().left;
}
int32_t Monitor::getWorkTop() const {
    return workRect().top;
}
int32_t Monitor::getWorkWidth() const {
    const RECT rect = workRect();
    return rect.right - rect.left;
}
int32_t Monitor::getWorkHeight() const {
    const RECT rect = workRect();
    return rect.bottom - rect.top;
}

} // namespace s::system::monitor::win
