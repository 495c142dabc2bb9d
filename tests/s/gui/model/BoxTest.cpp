#include "s/gui/model/Box.h"

#include "s/gui/events/IEventListener.h"

#include "s/gui/model/Image.h"
#include "s/gui/model/Leaf.h"
#include "s/gui/model/Spacer.h"
#include "s/thread/PoolRef.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <thread>
#include <vector>

using s::gui::layout::Point;
using s::gui::layout::Rect;
using s::gui::layout::Size;
using s::gui::model::Box;
using s::gui::model::Image;
using s::gui::model::Leaf;
using s::gui::model::Spacer;
using s::thread::PoolRef;

namespace {

// A leaf that remembers where it was placed in its parent's native area and
// how often: what the native side would do with its window.
class PlacedLeaf : public Leaf {
    S_POOLED_CLASS(PlacedLeaf, u"tests_PlacedLeaf")
public:
    void reset() override {
        Leaf::reset();
        placements = 0;
        lastPlacement = {};
        onPlaced = nullptr;
    }
    int placements;
    Rect lastPlacement;
    std::function<void()> onPlaced;

protected:
    void placed(const Rect& inParent) override {
        ++placements;
        lastPlacement = inParent;
        if (onPlaced) {
            onPlaced();
        }
    }

private:
    PlacedLeaf() { reset(); }
};

// Records the events a box raises, and can act on them the way a client's
// listener would.
class Recorder : public s::gui::events::IEventListener {
public:
    void onEvent(s::base::IObject* source, int32_t code) override {
        events.push_back(code);
        if (code == static_cast<int32_t>(s::gui::BoxEvent::LaidOut) && onLaidOut) {
            onLaidOut();
        }
    }
    int count(s::gui::BoxEvent code) const {
        int found = 0;
        for (int32_t event : events) {
            found += event == static_cast<int32_t>(code) ? 1 : 0;
        }
        return found;
    }
    std::vector<int32_t> events;
    std::function<void()> onLaidOut;
};

// A box whose events go to one recorder.
PoolRef<Box> recordedBox(Recorder& recorder) {
    auto box = PoolRef<Box>::take();
    box->addLayoutListener(&recorder);
    box->addBoundsListener(&recorder);
    return box;
}

// A push button that measures `width` x `height` and cannot grow.
Leaf* button(int32_t width, int32_t height) {
    Leaf* made = Leaf::newInstance();
    made->setNaturalSize(width, height);
    return made;
}

} // namespace

TEST(BoxTest, AFullWidthChildOfABoxWithSideMarginsIsTheMarginsNarrower) {
    auto outer = PoolRef<Box>::take();
    outer->setBounds(0, 0, 200, 100);
    outer->setMarginsLeftRight(7);
    Box* inner = Box::newInstance();
    inner->setWidthPercent(100, false);
    ASSERT_TRUE(outer->add(inner));
    // Width percent 100 of the outer box's client width, 200 - 7 - 7.
    EXPECT_EQ(outer->getWidth() - 2 * 7, inner->getWidth());
    EXPECT_EQ(186, inner->getWidth());
    EXPECT_EQ(0, inner->getX()) << "positions count from the content area";
    EXPECT_EQ((Point{7, 0}), inner->getOffset()) << "the margins are handed down";

    // New margins move the children's offset and lay out again.
    outer->setMargins(10);
    EXPECT_EQ((Point{10, 10}), inner->getOffset());
    EXPECT_EQ(180, inner->getWidth());
}

TEST(BoxTest, ASpacerTakesSpaceAlongItsOwnAxisOnly) {
    const int32_t gap = 5;
    auto row = PoolRef<Box>::take();
    row->setHorizontal();
    row->setHorizontalGap(gap);
    row->add(button(50, 20));
    const int32_t withoutSpacer = [] {
        auto plain = PoolRef<Box>::take();
        plain->setHorizontal();
        plain->setHorizontalGap(5);
        plain->add(button(50, 20));
        plain->add(button(70, 20));
        return plain->getMinimumWidth();
    }();
    // A vertical spacer of height 4; even a width set on it does not count.
    Spacer* vertical = Spacer::newInstance();
    vertical->setVertical();
    vertical->setFixedHeight(4);
    vertical->setFixedWidth(8);
    row->add(vertical);
    row->add(button(70, 20));
    EXPECT_EQ(0, vertical->getMinimumWidth());
    EXPECT_EQ(0, vertical->getMaximumWidth());
    EXPECT_EQ(50 + gap + 70, row->getMinimumWidth());
    EXPECT_EQ(withoutSpacer, row->getMinimumWidth());

    // In a column the horizontal spacer is the one that adds nothing.
    auto column = PoolRef<Box>::take();
    column->setVerticalGap(gap);
    column->add(button(50, 20));
    Spacer* horizontal = Spacer::newInstance();
    horizontal->setFixedWidth(8);
    horizontal->setFixedHeight(10);
    column->add(horizontal);
    column->add(button(50, 20));
    EXPECT_EQ(20 + gap + 20, column->getMinimumHeight());

    // Turning a spacer exchanges its settings: fixed width 8 becomes height 8.
    Spacer* turned = Spacer::newInstance();
    turned->setFixedWidth(8);
    turned->setVertical();
    column->add(turned);
    EXPECT_EQ(8, turned->getHeight());
}

TEST(BoxTest, AStretchedBannerFillsTheWidthAndKeepsItsAspect) {
    auto dialog = PoolRef<Box>::take();
    dialog->setBounds(0, 0, 336, 400);
    Image* banner = Image::newInstance();
    banner->setPicture(700, 230, true, true, -1, -1);
    banner->setWidthPercent(100);
    dialog->add(banner);
    // 336 wide; 230 / 700 x 336 = 110.4 high, rounded.
    EXPECT_EQ((Size{336, 110}), banner->getBounds().size());
}

TEST(BoxTest, CentredRowAndGrowingColumnOfRealComponents) {
    auto window = PoolRef<Box>::take();
    window->setBounds(10, 20, 300, 200);
    window->setVerticalGap(0);

    // Two children of 20 .. 70 sharing a 100 high box: each grows by 30.
    Box* column = Box::newInstance();
    column->setFixedHeight(100, false);
    Leaf* first = Leaf::newInstance();
    first->setNaturalSize(40, 20);
    first->setRequestedSize(40, 70);
    Leaf* second = Leaf::newInstance();
    second->setNaturalSize(40, 20);
    second->setRequestedSize(40, 70);
    column->add(first);
    column->add(second);
    window->add(column);
    EXPECT_EQ(100, column->getHeight());
    EXPECT_EQ(20 + 30, first->getHeight());
    EXPECT_EQ(20 + 30, second->getHeight());
    EXPECT_EQ(50, second->getY());

    // A full-width centred row of two buttons that cannot grow.
    Box* row = Box::newInstance();
    row->setHorizontal();
    row->alignCenter();
    row->setWidthPercent(100, false);
    Leaf* ok = button(50, 23);
    Leaf* cancel = button(70, 23);
    row->add(ok);
    row->add(cancel);
    window->add(row);
    EXPECT_EQ(300, row->getWidth());
    EXPECT_EQ(90, ok->getX());
    EXPECT_EQ(140, cancel->getX());

    // On the screen through the parents; edges count as inside.
    EXPECT_EQ(10 + 90, ok->getScreenX());
    EXPECT_EQ(20 + 100, ok->getScreenY());
    EXPECT_TRUE(ok->contains(10 + 90 + 50, 20 + 100 + 23));
    EXPECT_FALSE(ok->contains(10 + 90 + 51, 20 + 100));
    ok->setVisible(false);
    EXPECT_FALSE(ok->contains(10 + 90, 20 + 100)) << "a hidden component contains nothing";
}

TEST(BoxTest, ALayoutPassPlacesEveryChildOnceAndRaisesItsEvents) {
    Recorder recorder;
    auto box = recordedBox(recorder);
    box->setMarginLeft(3);
    PlacedLeaf* leaves[3];
    for (PlacedLeaf*& leaf : leaves) {
        leaf = PlacedLeaf::newInstance();
        leaf->setNaturalSize(10, 10);
        leaf->setRequestedSize(1000, 10);
        box->add(leaf);
        leaf->placements = 0;
    }
    recorder.events.clear();
    // A new width resizes every child: one placement each, at the position in
    // the box's native area, and only once every child has its new bounds
    // (the native windows then move together).
    int32_t lastWidthWhenFirstPlaced = -1;
    leaves[0]->onPlaced = [&] { lastWidthWhenFirstPlaced = leaves[2]->getWidth(); };
    box->setSize(80, 60);
    for (PlacedLeaf* leaf : leaves) {
        EXPECT_EQ(1, leaf->placements);
    }
    EXPECT_EQ(80 - 3, lastWidthWhenFirstPlaced);
    EXPECT_EQ((Rect{3, 20, 77, 10}), leaves[2]->lastPlacement);
    EXPECT_EQ(1, recorder.count(s::gui::BoxEvent::LaidOut));
    EXPECT_EQ(1, recorder.count(s::gui::BoxEvent::Bounds));

    // Moving the box to the same place again raises nothing.
    recorder.events.clear();
    box->setLocation(0, 0);
    EXPECT_EQ(0, recorder.count(s::gui::BoxEvent::Bounds));
    box->setLocation(5, 0);
    EXPECT_EQ(1, recorder.count(s::gui::BoxEvent::Bounds));
    // A batch that ends where it started moved nothing.
    box->beginUpdate();
    box->setLocation(9, 0);
    box->setLocation(5, 0);
    box->endUpdate();
    EXPECT_EQ(1, recorder.count(s::gui::BoxEvent::Bounds));

    // resizeWithin to the present size still lays the box out.
    recorder.events.clear();
    box->resizeWithin(80, 60);
    EXPECT_EQ(1, recorder.count(s::gui::BoxEvent::LaidOut));
}

TEST(BoxTest, AComponentInsideABatchUpdateIsPlacedOnceWhenTheBatchEnds) {
    auto leaf = PoolRef<PlacedLeaf>::take();
    leaf->beginUpdate();
    leaf->beginUpdate();
    leaf->setBounds(1, 2, 3, 4);
    leaf->setBounds(5, 6, 7, 8);
    EXPECT_EQ(0, leaf->placements);
    EXPECT_EQ(5, leaf->getX()) << "the new bounds are readable at once";
    leaf->endUpdate();
    EXPECT_EQ(0, leaf->placements) << "updates nest";
    leaf->endUpdate();
    EXPECT_EQ(1, leaf->placements);
    EXPECT_EQ((Rect{5, 6, 7, 8}), leaf->lastPlacement);
    leaf->endUpdate();
    leaf->setX(9);
    EXPECT_EQ(2, leaf->placements) << "an unmatched end leaves no batch open";
}

TEST(BoxTest, ALaidOutListenerThatLaysOutAgainStopsAtTwoNestedPasses) {
    Recorder recorder;
    auto box = recordedBox(recorder);
    box->add(button(10, 10));
    recorder.events.clear();
    Box* raw = box.get();
    recorder.onLaidOut = [raw] { raw->doLayout(); };
    box->doLayout();
    EXPECT_EQ(Box::kMaximumNestedPasses, recorder.count(s::gui::BoxEvent::LaidOut));
    recorder.onLaidOut = nullptr;
    box->doLayout();
    EXPECT_EQ(Box::kMaximumNestedPasses + 1, recorder.count(s::gui::BoxEvent::LaidOut))
        << "the counter is back to zero afterwards";
}

TEST(BoxTest, ABoxOwnsItsChildrenAndRefusesCycles) {
    auto outer = PoolRef<Box>::take();
    Box* inner = Box::newInstance();
    ASSERT_TRUE(outer->add(inner));
    EXPECT_FALSE(outer->add(nullptr));
    EXPECT_FALSE(outer->add(outer.get()));
    EXPECT_FALSE(inner->add(outer.get())) << "an ancestor cannot become a child";
    EXPECT_FALSE(outer->add(inner)) << "already has a parent";
    EXPECT_EQ(outer.get(), inner->getParent());

    PlacedLeaf* kept = PlacedLeaf::newInstance();
    PlacedLeaf* given = PlacedLeaf::newInstance();
    inner->add(kept);
    inner->add(given);
    EXPECT_EQ(given, inner->getComponent(1));
    EXPECT_EQ(nullptr, inner->getComponent(2));
    EXPECT_EQ(nullptr, inner->getComponent(-1));
    ASSERT_TRUE(inner->remove(kept, false));
    EXPECT_EQ(nullptr, kept->getParent());
    EXPECT_FALSE(inner->remove(kept, false));

    // Giving the outer box back gives back the whole tree below it.
    uint32_t idleBefore = PlacedLeaf::pool().idleCount();
    outer.assign(nullptr);
    EXPECT_EQ(idleBefore + 1, PlacedLeaf::pool().idleCount());
    kept->release();
}

TEST(BoxTest, WindowsOnTheirOwnThreadsLayOutTheirTreesAtOnce) {
    // Two window threads share the layout instances and the pass pool, and
    // nothing else; each checks its own numbers.
    auto layOutMany = [](int32_t width, bool* allRight) {
        auto root = PoolRef<Box>::take();
        root->setBounds(0, 0, width, 500);
        Box* row = Box::newInstance();
        row->setHorizontal();
        row->alignCenter();
        row->setWidthPercent(100, false);
        Leaf* left = button(50, 23);
        row->add(left);
        row->add(button(70, 23));
        root->add(row);
        Box* flow = Box::newInstance();
        flow->setFlow();
        for (int i = 0; i < 10; ++i) {
            flow->add(button(30, 10));
        }
        root->add(flow);
        for (int pass = 0; pass < 200; ++pass) {
            root->doLayout();
            *allRight = *allRight && left->getX() == (width - 120) / 2;
        }
    };
    bool firstRight = true;
    bool secondRight = true;
    std::thread first(layOutMany, 300, &firstRight);
    std::thread second(layOutMany, 500, &secondRight);
    first.join();
    second.join();
    EXPECT_TRUE(firstRight);
    EXPECT_TRUE(secondRight);
}
