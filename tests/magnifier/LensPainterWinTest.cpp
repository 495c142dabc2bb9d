#include "magnifier/LensPainter.h"

#include <gtest/gtest.h>

#include "s/platform/win/MemoryDC.h"
#include "s/platform/win/ObjectSelection.h"
#include "s/thread/PoolRef.h"

namespace magnifier = s::image::gui::dialogs::magnifier;
using s::image::win::BufferedImage;
using s::thread::PoolRef;

namespace {

constexpr uint32_t kRed = 0x00FF0000; // as the bitmap stores it: 0x00RRGGBB
constexpr uint32_t kBlue = 0x000000FF;
constexpr uint32_t kGreen = 0x0000FF00;

uint32_t* row(BufferedImage& image, int y) {
    return reinterpret_cast<uint32_t*>(image.getPixels()) +
           static_cast<size_t>(y) * image.getWidth();
}

// A 200 x 100 snapshot: left half red, right half blue, with a green block
// covering (100, 50) to (110, 60).
void paintSnapshot(BufferedImage& snapshot) {
    ASSERT_TRUE(snapshot.resize(200, 100));
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 200; ++x) {
            const bool green = x >= 100 && x < 110 && y >= 50 && y < 60;
            row(snapshot, y)[x] = green ? kGreen : (x < 100 ? kRed : kBlue);
        }
    }
}

uint32_t pixel(BufferedImage& image, int x, int y) {
    GdiFlush();
    return row(image, y)[x] & 0x00FFFFFF;
}

} // namespace

TEST(LensPainterWinTest, CursorPointIsShownEnlargedAtTheCanvasCentre) {
    PoolRef<BufferedImage> snapshot = PoolRef<BufferedImage>::take();
    paintSnapshot(*snapshot);
    PoolRef<BufferedImage> canvas = PoolRef<BufferedImage>::take();
    ASSERT_TRUE(canvas->resize(200, 100));
    s::platform::win::MemoryDC target(nullptr);
    s::platform::win::ObjectSelection selection(target.get(), canvas->getBitmap());
    SetStretchBltMode(target.get(), COLORONCOLOR);

    // Cursor on the green block's top-left corner at 200 percent: the
    // source is (50, 25) to (150, 75), the block lands at (100, 50) to
    // (120, 70) on the canvas.
    const magnifier::SourceRect source =
        magnifier::sourceRect(100, 50, 0, 0, 200, 100, 200, 100, 200);
    ASSERT_TRUE(magnifier::paintEnlarged(target.get(), 200, 100, *snapshot, source));
    EXPECT_EQ(kGreen, pixel(*canvas, 110, 60));
    EXPECT_EQ(kRed, pixel(*canvas, 10, 10));
    EXPECT_EQ(kBlue, pixel(*canvas, 190, 90));
    EXPECT_EQ(kRed, pixel(*canvas, 90, 60));   // left of the block, still red
    EXPECT_EQ(kBlue, pixel(*canvas, 130, 60)); // right of the doubled block
    // The caller's stretch mode is back.
    EXPECT_EQ(COLORONCOLOR, GetStretchBltMode(target.get()));
}

TEST(LensPainterWinTest, CornerCursorShowsTheClampedCornerRegion) {
    PoolRef<BufferedImage> snapshot = PoolRef<BufferedImage>::take();
    paintSnapshot(*snapshot);
    PoolRef<BufferedImage> canvas = PoolRef<BufferedImage>::take();
    ASSERT_TRUE(canvas->resize(200, 100));
    s::platform::win::MemoryDC target(nullptr);
    s::platform::win::ObjectSelection selection(target.get(), canvas->getBitmap());
    // Bottom-right corner at 400 percent: source (150, 75) to (200, 100),
    // all blue, the green block out of view.
    const magnifier::SourceRect source =
        magnifier::sourceRect(199, 99, 0, 0, 200, 100, 200, 100, 400);
    ASSERT_TRUE(magnifier::paintEnlarged(target.get(), 200, 100, *snapshot, source));
    for (int x : {0, 100, 199}) {
        for (int y : {0, 50, 99}) {
            EXPECT_EQ(kBlue, pixel(*canvas, x, y)) << x << "," << y;
        }
    }
}

TEST(LensPainterWinTest, AnEmptySnapshotIsNeverDrawn) {
    PoolRef<BufferedImage> empty = PoolRef<BufferedImage>::take();
    PoolRef<BufferedImage> canvas = PoolRef<BufferedImage>::take();
    ASSERT_TRUE(canvas->resize(10, 10));
    s::platform::win::MemoryDC target(nullptr);
    s::platform::win::ObjectSelection selection(target.get(), canvas->getBitmap());
    EXPECT_FALSE(magnifier::paintEnlarged(target.get(), 10, 10, *empty, {0, 0, 5, 5}));
    EXPECT_FALSE(magnifier::paintEnlarged(nullptr, 10, 10, *empty, {0, 0, 5, 5}));
    EXPECT_FALSE(empty->resize(0, 10));
    EXPECT_FALSE(empty->resize(10, -1));
    EXPECT_TRUE(empty->isEmpty());
}
