#pragma once
// Test helper: a leaf whose native part is a plain toolkit window, forwarding
// the model's hooks as every control built on NativeComponent does. Made a
// button (setButton), it stands for a push button as far as boxes care.
#include <windows.h>

#include "s/gui/model/Leaf.h"
#include "s/gui/win/NativeComponent.h"
#include "s/thread/ClassPool.h"

namespace wintest {

class TestLeaf : public s::gui::model::Leaf, public s::gui::win::NativeComponent {
    S_POOLED_CLASS_LIMIT(TestLeaf, u"tests_TestLeaf", 0)
public:
    void reset() override {
        detach();
        Leaf::reset();
        button = false;
    }
    void setButton(bool on) { button = on; }
    bool isButton() const override { return button; }

protected:
    s::gui::IComponent& component() override { return *this; }
    const s::gui::IComponent& component() const override { return *this; }
    void placed(const s::gui::layout::Rect& inParent) override { placeNative(inParent); }
    void visibilityChanged() override { showNative(); }
    void enablingChanged() override { enableNative(); }

private:
    TestLeaf() { reset(); }
    ~TestLeaf() override { detach(); }

    bool button = false;
};

} // namespace wintest
