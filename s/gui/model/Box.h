#pragma once
#include <cstdint>
#include <vector>

#include "s/gui/IBox.h"
#include "s/gui/events/EventSource.h"
#include "s/gui/layout/Alignment.h"
#include "s/gui/layout/BoxSizing.h"
#include "s/gui/layout/LayoutKind.h"
#include "s/gui/model/Component.h"
#include "s/thread/ClassPool.h"

namespace s::gui {
class ILayoutManager;
}

namespace s::gui::layout {
struct LayoutRequest;
struct LayoutResult;
} // namespace s::gui::layout

namespace s::gui::model {

// A box's portable part: a container that lays out its children with one of
// the built-in layouts (or a manager that replaces them) and sizes itself by
// the box rules (see layout::BoxSizing).
//
// A layout pass (doLayout):
//   1. gathers each child's size range and visibility (data in);
//   2. runs the layout on them with the box's content size, alignments and
//      gaps (data out: one rectangle per child, and the sizes the box then
//      reports to its parent);
//   3. places the children, inside a batch update of every child unless the
//      box is itself inside one, so each child is placed once;
//   4. raises the laid-out event (code 3) to its layout listeners.
// A child box whose size changes lays itself out in step 3. At most two passes
// of one box run nested (a laid-out listener that lays out again); a third is
// skipped, so such listeners cannot recurse without end.
//
// Ownership: the box owns its children (given back in reset() and by
// removeAll); the layout manager is borrowed. One thread at a time, as every
// component; the pass data comes from a pool, so passes of different boxes on
// different windows' threads share nothing.
class Box : public Component, public s::gui::IBox {
    S_POOLED_CLASS(Box, u"s_gui_model_Box")
public:
    void reset() override;

    // IComponent
    int32_t getClientWidth() const override;
    int32_t getClientHeight() const override;
    layout::SizeRange getSizeRange() const override;
    bool isContainer() const override { return true; }
    void doLayout() override;
    void resizeWithin(int32_t width, int32_t height) override;

    // IContainer
    bool add(s::gui::IComponent* component) override;
    bool remove(s::gui::IComponent* component, bool giveBack) override;
    void removeAll() override;
    int32_t getComponentCount() const override { return static_cast<int32_t>(children.size()); }
    s::gui::IComponent* getComponent(int32_t index) const override;
    const s::gui::ILayoutManager* getLayout() const override { return manager; }
    void setLayout(const s::gui::ILayoutManager* layoutManager) override {
        manager = layoutManager;
    }
    layout::LayoutKind getLayoutKind() const override { return kind; }
    layout::Point getChildOrigin() const override { return {getScreenX(), getScreenY()}; }

    // IBox
    void setHorizontal() override { kind = layout::LayoutKind::Horizontal; }
    void setVertical() override { kind = layout::LayoutKind::Vertical; }
    void setFlow() override { kind = layout::LayoutKind::Flow; }
    void setPile() override { kind = layout::LayoutKind::Pile; }
    void alignLeft() override { horizontalAlignment = layout::Alignment::Start; }
    void alignCenter() override { horizontalAlignment = layout::Alignment::Centre; }
    void alignRight() override { horizontalAlignment = layout::Alignment::End; }
    void alignTop() override { verticalAlignment = layout::Alignment::Start; }
    void alignMiddle() override { verticalAlignment = layout::Alignment::Centre; }
    void alignBottom() override { verticalAlignment = layout::Alignment::End; }
    void setHorizontalGap(int32_t pixels) override { horizontalGap = pixels < 0 ? 0 : pixels; }
    void setVerticalGap(int32_t pixels) override { verticalGap = pixels < 0 ? 0 : pixels; }
    void setMarginLeft(int32_t pixels) override;
    void setMarginRight(int32_t pixels) override;
    void setMarginTop(int32_t pixels) override;
    void setMarginBottom(int32_t pixels) override;
    void setMarginsLeftRight(int32_t pixels) override;
    void setMarginsTopBottom(int32_t pixels) override;
    void setMargins(int32_t pixels) override;
    layout::Margins getMargins() const override { return sizing.getMargins(); }
    void setWidthPercent(int32_t percent, bool relayout) override;
    void setHeightPercent(int32_t percent, bool relayout) override;
    void setFixedWidth(int32_t pixels, bool relayout) override;
    void setFixedHeight(int32_t pixels, bool relayout) override;
    void setExplicitMinimumWidth(int32_t pixels) override;
    void setCollapse(bool width, bool height) override;
    layout::Size getLayoutMinimum() const override { return layoutMinimum; }
    layout::Size getLayoutMaximum() const override { return layoutMaximum; }

    // Listeners of the laid-out event (code 3) and of the moved-or-resized
    // event (code 4); borrowed, safe to add from any thread (see EventSource).
    bool addLayoutListener(s::gui::events::IEventListener* listener) {
        return layoutListeners.add(listener);
    }
    bool addBoundsListener(s::gui::events::IEventListener* listener) {
        return boundsListeners.add(listener);
    }

    // Passes nested at most this deep.
    static constexpr int32_t kMaximumNestedPasses = 2;

protected:
    Box() { reset(); }
    ~Box() override = default;

    void resized() override { doLayout(); }
    void placed(const layout::Rect& inParent) override;

private:
    const s::gui::ILayoutManager& activeManager() const;
    void gather(layout::LayoutRequest& request) const;
    void apply(const layout::LayoutResult& result);
    // New margins: children get the left and top ones as their offset, then
    // the box lays out again.
    void changeMargins(layout::Margins margins);
    // After a change of the box's own size settings.
    void relayoutParent(bool relayout);
    bool isSelfOrAncestor(const s::gui::IComponent* component) const;

    s::gui::events::EventSource layoutListeners;
    s::gui::events::EventSource boundsListeners;
    std::vector<s::gui::IComponent*> children;
    const s::gui::ILayoutManager* manager = nullptr;
    layout::LayoutKind kind = layout::LayoutKind::Vertical;
    layout::Alignment horizontalAlignment = layout::Alignment::Start;
    layout::Alignment verticalAlignment = layout::Alignment::Start;
    int32_t horizontalGap = 0;
    int32_t verticalGap = 0;
    layout::BoxSizing sizing;
    layout::Size layoutMinimum;
    layout::Size layoutMaximum;
    int32_t passDepth = 0;
    // Where the last applied placement put the box, for the bounds event.
    layout::Rect lastPlaced;
    bool everPlaced = false;
};

} // namespace s::gui::model
