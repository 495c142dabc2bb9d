// Laying out a dialog-sized tree of 200 components, side by side with the
// data-only part of the same work (one layout of 200 items) and with taking
// and giving back the pass record that every box takes once per pass. Each
// iteration of the tree benchmark resizes the root, so every box of the tree
// lays itself out again. Compare the per-iteration times.
#include "s/gui/layout/LayoutPass.h"
#include "s/gui/layout/Vertical.h"
#include "s/gui/model/Box.h"
#include "s/gui/model/Leaf.h"
#include "s/gui/model/Spacer.h"
#include "s/thread/PoolRef.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

using s::gui::model::Box;
using s::gui::model::Leaf;
using s::thread::PoolRef;

constexpr int kRows = 20;
constexpr int kPerRow = 8;
constexpr int kInFlow = 18;

Leaf* leaf(int32_t width, int32_t height, bool growable) {
    Leaf* made = Leaf::newInstance();
    made->setNaturalSize(width, height);
    if (growable) {
        made->setRequestedSize(width * 3, height * 2);
    }
    return made;
}

// root + 20 rows of 8 leaves + a flow box of 18 leaves = 200 components.
PoolRef<Box> buildTree(int* components) {
    auto root = PoolRef<Box>::take();
    root->setMargins(7);
    root->setVerticalGap(5);
    *components = 1;
    for (int r = 0; r < kRows; ++r) {
        Box* row = Box::newInstance();
        row->setHorizontal();
        row->setHorizontalGap(4);
        row->alignCenter();
        row->setWidthPercent(100, false);
        for (int i = 0; i < kPerRow; ++i) {
            row->add(leaf(20 + i * 3, 12 + (i % 3), i % 2 == 0));
        }
        root->add(row);
        *components += 1 + kPerRow;
    }
    Box* flow = Box::newInstance();
    flow->setFlow();
    flow->setHorizontalGap(3);
    flow->setVerticalGap(3);
    flow->setWidthPercent(100, false);
    for (int i = 0; i < kInFlow - 1; ++i) {
        flow->add(leaf(25 + (i % 5) * 7, 14, false));
    }
    s::gui::model::Spacer* spacer = s::gui::model::Spacer::newInstance();
    spacer->setFixedWidth(10);
    flow->add(spacer);
    root->add(flow);
    *components += 1 + kInFlow;
    return root;
}

void BM_LayOutTreeOf200(benchmark::State& state) {
    int components = 0;
    PoolRef<Box> root = buildTree(&components);
    int32_t width = 340;
    for (auto _ : state) {
        // Alternate between two sizes so every pass really moves things.
        width = width == 340 ? 341 : 340;
        root->setSize(width, 600);
        benchmark::DoNotOptimize(root->getLayoutMinimum());
    }
    state.counters["components"] = components;
}
BENCHMARK(BM_LayOutTreeOf200);

void BM_ArrangeFlat200(benchmark::State& state) {
    auto pass = PoolRef<s::gui::layout::LayoutPass>::take();
    pass->request.content = {340, 600};
    pass->request.verticalGap = 5;
    for (int i = 0; i < 200; ++i) {
        pass->request.items.push_back({{{20, 12}, {60 + i % 7, 24}}, true});
    }
    for (auto _ : state) {
        s::gui::layout::Vertical::shared().arrange(pass->request, pass->result);
        benchmark::DoNotOptimize(pass->result.bounds.data());
    }
}
BENCHMARK(BM_ArrangeFlat200);

void BM_PassTakeRelease(benchmark::State& state) {
    for (auto _ : state) {
        auto pass = PoolRef<s::gui::layout::LayoutPass>::take();
        benchmark::DoNotOptimize(pass.get());
    }
}
BENCHMARK(BM_PassTakeRelease);

} // namespace

BENCHMARK_MAIN();
