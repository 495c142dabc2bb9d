#pragma once
#include <windows.h>

#include "s/gui/model/Spacer.h"
#include "s/gui/win/NativeComponent.h"
#include "s/thread/ClassPool.h"

namespace s::gui::win {

// A fixed gap between components (see model::Spacer for its sizes), with a
// native child window that shows what lies behind it. A hidden spacer's
// window moves far outside its parent, to (-10000, 10000), so that nothing
// of it can show or take a hit test.
//
// Pooled (no idle instances: it holds a native window); owned by its
// container once added. Configured on any thread before it is shown; its
// native part lives on the window's thread.
class Spacer : public s::gui::model::Spacer, public NativeComponent {
    S_POOLED_CLASS_LIMIT(Spacer, u"s_gui_win_Spacer", 0)
public:
    // Where a hidden spacer's window goes.
    static constexpr int32_t kHiddenX = -10000;
    static constexpr int32_t kHiddenY = 10000;

    void reset() override;

protected:
    s::gui::IComponent& component() override { return *this; }
    const s::gui::IComponent& component() const override { return *this; }
    void placeNative(const s::gui::layout::Rect& inParent) override;
    void showNative() override;
    bool handleComponentMessage(LRESULT* result, UINT message, WPARAM wParam,
                                LPARAM lParam) override;

    void placed(const s::gui::layout::Rect& inParent) override { placeNative(inParent); }
    void visibilityChanged() override { showNative(); }
    void enablingChanged() override { enableNative(); }

private:
    Spacer() { reset(); }
    ~Spacer() override { detach(); }

    void paintInto(HDC target) override;
    void moveAway();
};

} // namespace s::gui::win
