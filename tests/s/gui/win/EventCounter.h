#pragma once
// Test helper: counts a window's events by code from its thread, lets the
// test thread wait for a count, and can run an action inside a delivery.
#include <windows.h>

#include <atomic>
#include <functional>

#include "s/gui/events/IEventListener.h"
#include "s/gui/win/Window.h"

class EventCounter : public s::gui::events::IEventListener {
public:
    void onEvent(s::base::IObject* source, int32_t code) override {
        if (code >= 0 && code <= s::gui::win::kEventCodeCount) {
            if (action) {
                action(static_cast<s::gui::win::Window*>(source), code);
            }
            counts[code].fetch_add(1);
            order[next.fetch_add(1) % kOrderSize] = code;
        }
    }
    int count(s::gui::win::WindowEvent code) const { return counts[static_cast<int>(code)].load(); }
    // Waits (up to 5 s) until code has been raised at least `atLeast` times.
    bool waitFor(s::gui::win::WindowEvent code, int atLeast = 1) const {
        for (int i = 0; i < 500 && count(code) < atLeast; ++i) {
            Sleep(10);
        }
        return count(code) >= atLeast;
    }
    // Listens to every event code of the window.
    void listenTo(s::gui::win::Window& window) {
        for (int32_t code = 1; code <= s::gui::win::kEventCodeCount; ++code) {
            window.addListener(static_cast<s::gui::win::WindowEvent>(code), this);
        }
    }

    static constexpr int kOrderSize = 64;
    std::atomic<int> counts[s::gui::win::kEventCodeCount + 1] = {};
    std::atomic<int32_t> order[kOrderSize] = {};
    std::atomic<int> next{0};
    // Runs on the window's thread before the event is counted.
    std::function<void(s::gui::win::Window*, int32_t)> action;
};
