#include <gtest/gtest.h>

#include "s/gui/IEditable.h"
#include "s/gui/events/Disabler.h"
#include "s/gui/events/Editabler.h"
#include "s/gui/events/Enabler.h"
#include "s/gui/events/UnEditabler.h"
#include "s/gui/model/Leaf.h"
#include "s/thread/PoolRef.h"

using s::gui::model::Leaf;
using s::thread::PoolRef;

namespace {

// A leaf with editable content, as a text field would be.
class EditableLeaf : public Leaf, public s::gui::IEditable {
    S_POOLED_CLASS(EditableLeaf, u"tests_EditableLeaf")
public:
    void reset() override {
        Leaf::reset();
        editable = true;
    }
    bool isEditable() const override { return editable; }
    void setEditable(bool on) override { editable = on; }

private:
    EditableLeaf() { reset(); }
    ~EditableLeaf() override = default;
    bool editable = true;
};

} // namespace

TEST(ComponentSwitchTest, EnablerAndDisablerSetEveryTargetOnAnyEventOfTheirSourceOnly) {
    auto source = PoolRef<Leaf>::take();
    auto other = PoolRef<Leaf>::take();
    auto first = PoolRef<Leaf>::take();
    auto second = PoolRef<Leaf>::take();
    auto disabler = PoolRef<s::gui::events::Disabler>::take();
    auto enabler = PoolRef<s::gui::events::Enabler>::take();
    disabler->setSource(source.get());
    disabler->addTarget(first.get());
    disabler->addTarget(second.get());
    disabler->addTarget(nullptr);
    EXPECT_EQ(2, disabler->getTargetCount());
    enabler->setSource(source.get());
    enabler->addTarget(second.get());

    disabler->onEvent(other.get(), 1); // another source: nothing
    EXPECT_TRUE(first->isEnabled());
    disabler->onEvent(source.get(), 2); // any code of its source
    EXPECT_FALSE(first->isEnabled());
    EXPECT_FALSE(second->isEnabled());
    enabler->onEvent(source.get(), 1);
    EXPECT_FALSE(first->isEnabled());
    EXPECT_TRUE(second->isEnabled());
    enabler->onEvent(nullptr, 1);
    // Given back, a switch forgets its source and targets.
    disabler->reset();
    EXPECT_EQ(0, disabler->getTargetCount());
    EXPECT_EQ(nullptr, disabler->getSource());
}

TEST(ComponentSwitchTest, EditableSwitchesActOnEditableComponentsAndPassOverOthers) {
    auto source = PoolRef<Leaf>::take();
    auto field = PoolRef<EditableLeaf>::take();
    auto plain = PoolRef<Leaf>::take();
    auto readOnly = PoolRef<s::gui::events::UnEditabler>::take();
    auto editable = PoolRef<s::gui::events::Editabler>::take();
    for (s::gui::events::ComponentSwitch* each :
         {static_cast<s::gui::events::ComponentSwitch*>(readOnly.get()),
          static_cast<s::gui::events::ComponentSwitch*>(editable.get())}) {
        each->setSource(source.get());
        each->addTarget(plain.get());
        each->addTarget(field.get());
    }
    readOnly->onEvent(source.get(), 1);
    EXPECT_FALSE(field->isEditable());
    EXPECT_TRUE(plain->isEnabled()); // a plain leaf is left as it is
    editable->onEvent(source.get(), 1);
    EXPECT_TRUE(field->isEditable());
}
