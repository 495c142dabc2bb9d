#include "magnifier/LensPainter.h"

#include <gtest/gtest.h>

#include "s/platform/win/MemoryDC.h"
#include "s/platform/win/ObjectSelection.h"
#include "s/thread/PoolRef.h"

namespace magnifier = s::image::gui::dialogs::magnifier;
using magnifier::LensPainter;
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

// A canvas bitmap selected into a memory context, as the lens's target.
struct Canvas {
    PoolRef<BufferedImage> take = PoolRef<BufferedImage>::take();
    BufferedImage& image = *take;
    s::platform::win::MemoryDC dc{nullptr};
    s::platform::win::ObjectSelection* selection = nullptr;

    Canvas(int width, int height) {
        EXPECT_TRUE(image.resize(width, height));
        selection = new s::platform::win::ObjectSelection(dc.get(), image.getBitmap());
    }
    ~Canvas() { delete selection; }
};

// Each check runs with our scaler and with the HALFTONE fallback: both must
// show the same picture at the points that matter.
class LensPainterWinTest : public ::testing::TestWithParam<bool> {
protected:
    bool paint(LensPainter& painter, HDC target, int width, int height,
               const BufferedImage& snapshot, const magnifier::SourceRect& source) {
        painter.setSmoothScaling(GetParam());
        return painter.paint(target, width, height, snapshot, source);
    }
};

} // namespace

TEST_P(LensPainterWinTest, CursorPointIsShownEnlargedAtTheCanvasCentre) {
    PoolRef<BufferedImage> holder = PoolRef<BufferedImage>::take();
    BufferedImage& snapshot = *holder;
    paintSnapshot(snapshot);
    Canvas canvas(200, 100);
    SetStretchBltMode(canvas.dc.get(), COLORONCOLOR);
    LensPainter painter;

    // Cursor on the green block's top-left corner at 200 percent: the
    // source is (50, 25) to (150, 75), the block lands at (100, 50) to
    // (120, 70) on the canvas.
    const magnifier::SourceRect source =
        magnifier::sourceRect(100, 50, 0, 0, 200, 100, 200, 100, 200);
    ASSERT_TRUE(paint(painter, canvas.dc.get(), 200, 100, snapshot, source));
    EXPECT_EQ(kGreen, pixel(canvas.image, 110, 60));
    EXPECT_EQ(kRed, pixel(canvas.image, 10, 10));
    EXPECT_EQ(kBlue, pixel(canvas.image, 190, 90));
    EXPECT_EQ(kRed, pixel(canvas.image, 90, 60));   // left of the block, still red
    EXPECT_EQ(kBlue, pixel(canvas.image, 130, 60)); // right of the doubled block
    // The caller's stretch mode is back.
    EXPECT_EQ(COLORONCOLOR, GetStretchBltMode(canvas.dc.get()));
}

TEST_P(LensPainterWinTest, CornerCursorShowsTheClampedCornerRegion) {
    PoolRef<BufferedImage> holder = PoolRef<BufferedImage>::take();
    BufferedImage& snapshot = *holder;
    paintSnapshot(snapshot);
    Canvas canvas(200, 100);
    LensPainter painter;
    // Bottom-right corner at 400 percent: source (150, 75) to (200, 100),
    // all blue, the green block out of view.
    const magnifier::SourceRect source =
        magnifier::sourceRect(199, 99, 0, 0, 200, 100, 200, 100, 400);
    ASSERT_TRUE(paint(painter, canvas.dc.get(), 200, 100, snapshot, source));
    for (int x : {0, 100, 199}) {
        for (int y : {0, 50, 99}) {
            EXPECT_EQ(kBlue, pixel(canvas.image, x, y)) << x << "," << y;
        }
    }
    // Top-left corner at 400 percent: all red.
    ASSERT_TRUE(paint(painter, canvas.dc.get(), 200, 100, snapshot,
                      magnifier::sourceRect(0, 0, 0, 0, 200, 100, 200, 100, 400)));
    EXPECT_EQ(kRed, pixel(canvas.image, 0, 0));
    EXPECT_EQ(kRed, pixel(canvas.image, 199, 99));
}

TEST_P(LensPainterWinTest, AnEmptySnapshotIsNeverDrawn) {
    PoolRef<BufferedImage> holder = PoolRef<BufferedImage>::take();
    BufferedImage& empty = *holder;
    Canvas canvas(10, 10);
    LensPainter painter;
    EXPECT_FALSE(paint(painter, canvas.dc.get(), 10, 10, empty, {0, 0, 5, 5}));
    EXPECT_FALSE(paint(painter, nullptr, 10, 10, empty, {0, 0, 5, 5}));
    EXPECT_FALSE(empty.resize(0, 10));
    EXPECT_FALSE(empty.resize(10, -1));
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_EQ(0u, painter.heldBytes());
}

INSTANTIATE_TEST_SUITE_P(SmoothAndHalftone, LensPainterWinTest, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Smooth" : "Halftone");
                         });

TEST(LensPainterBuffersWinTest, FrameIsKeptBetweenDrawingsAndGivenBackOnRelease) {
    PoolRef<BufferedImage> holder = PoolRef<BufferedImage>::take();
    BufferedImage& snapshot = *holder;
    paintSnapshot(snapshot);
    Canvas canvas(200, 100);
    LensPainter painter;
    const magnifier::SourceRect source =
        magnifier::sourceRect(100, 50, 0, 0, 200, 100, 200, 100, 200);
    ASSERT_TRUE(painter.paint(canvas.dc.get(), 200, 100, snapshot, source));
    const size_t held = painter.heldBytes();
    EXPECT_GE(held, 200u * 100u * 4u);
    ASSERT_TRUE(painter.paint(canvas.dc.get(), 200, 100, snapshot, source));
    EXPECT_EQ(held, painter.heldBytes());
    painter.releaseBuffers();
    EXPECT_EQ(0u, painter.heldBytes());
    // Drawing again after the release gives the same picture.
    row(canvas.image, 60)[110] = 0;
    ASSERT_TRUE(painter.paint(canvas.dc.get(), 200, 100, snapshot, source));
    EXPECT_EQ(kGreen, pixel(canvas.image, 110, 60));
}

TEST(LensPainterBuffersWinTest, SmoothPictureStaysCloseToHalftoneOnAGradient) {
    // A smooth horizontal ramp: both stretches must agree within a few levels
    // everywhere away from the borders, where GDI's filter differs.
    PoolRef<BufferedImage> holder = PoolRef<BufferedImage>::take();
    BufferedImage& snapshot = *holder;
    ASSERT_TRUE(snapshot.resize(256, 64));
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 256; ++x) {
            row(snapshot, y)[x] = static_cast<uint32_t>(x) * 0x010101u;
        }
    }
    Canvas smooth(256, 64);
    Canvas halftone(256, 64);
    LensPainter painter;
    const magnifier::SourceRect source =
        magnifier::sourceRect(128, 32, 0, 0, 256, 64, 256, 64, 200);
    ASSERT_TRUE(painter.paint(smooth.dc.get(), 256, 64, snapshot, source));
    ASSERT_TRUE(LensPainter::paintHalftone(halftone.dc.get(), 256, 64, snapshot, source));
    for (int x = 8; x < 248; x += 16) {
        const int a = static_cast<int>(pixel(smooth.image, x, 32) & 0xFF);
        const int b = static_cast<int>(pixel(halftone.image, x, 32) & 0xFF);
        EXPECT_LE(std::abs(a - b), 2) << "column " << x;
    }
}
