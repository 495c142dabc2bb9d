#include "s/image/scale/BilinearScaler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "s/image/scale/SliceRunner.h"

using s::image::scale::BilinearScaler;
using s::image::scale::SliceRunner;
using s::image::scale::SourceArea;
using s::image::scale::SourcePixels;
using s::image::scale::TargetPixels;

namespace {

// An image held in a vector of exactly width * height * 4 bytes, so that the
// address sanitizer reports any read past its last pixel.
struct Image {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> bytes;

    Image(int32_t w, int32_t h, uint8_t fill = 0)
        : width(w), height(h), bytes(static_cast<size_t>(w) * h * 4, fill) {}
    SourcePixels source() const { return {bytes.data(), width, height, width * 4}; }
    TargetPixels target() { return {bytes.data(), width, height, width * 4}; }
    uint8_t at(int32_t x, int32_t y, int32_t channel) const {
        return bytes[(static_cast<size_t>(y) * width + x) * 4 + channel];
    }
};

Image randomImage(int32_t width, int32_t height, uint32_t seed) {
    Image image(width, height);
    std::mt19937 random(seed);
    for (uint8_t& byte : image.bytes) {
        byte = static_cast<uint8_t>(random() & 0xFF);
    }
    return image;
}

// Exact bilinear interpolation in double precision with the same pixel-centre
// convention: the figure the fixed-point scaler must come within 1 of.
double referencePosition(int32_t index, int32_t origin, int32_t span, int32_t outputSize,
                         int32_t sourceSize) {
    double position = origin + (index + 0.5) * span / outputSize - 0.5;
    if (position < 0) {
        position = 0;
    }
    if (position > sourceSize - 1) {
        position = sourceSize - 1;
    }
    return position;
}

Image reference(const Image& source, const SourceArea& area, int32_t width, int32_t height) {
    Image out(width, height);
    for (int32_t y = 0; y < height; ++y) {
        const double py = referencePosition(y, area.y, area.height, height, source.height);
        const int32_t y0 = static_cast<int32_t>(std::floor(py));
        const int32_t y1 = y0 + 1 < source.height ? y0 + 1 : y0;
        const double ty = py - y0;
        for (int32_t x = 0; x < width; ++x) {
            const double px = referencePosition(x, area.x, area.width, width, source.width);
            const int32_t x0 = static_cast<int32_t>(std::floor(px));
            const int32_t x1 = x0 + 1 < source.width ? x0 + 1 : x0;
            const double tx = px - x0;
            for (int32_t c = 0; c < 4; ++c) {
                const double top = source.at(x0, y0, c) * (1 - tx) + source.at(x1, y0, c) * tx;
                const double bottom = source.at(x0, y1, c) * (1 - tx) + source.at(x1, y1, c) * tx;
                const double value = top * (1 - ty) + bottom * ty;
                out.bytes[(static_cast<size_t>(y) * width + x) * 4 + c] =
                    static_cast<uint8_t>(std::lround(value));
            }
        }
    }
    return out;
}

int largestDifference(const Image& a, const Image& b) {
    int largest = 0;
    for (size_t i = 0; i < a.bytes.size(); ++i) {
        const int difference = std::abs(static_cast<int>(a.bytes[i]) - b.bytes[i]);
        largest = difference > largest ? difference : largest;
    }
    return largest;
}

Image scaled(const Image& source, const SourceArea& area, int32_t width, int32_t height,
             BilinearScaler::Path path, SliceRunner* runner = nullptr, int32_t slices = 1) {
    Image out(width, height, 0xCD);
    BilinearScaler scaler;
    scaler.setPath(path);
    EXPECT_TRUE(scaler.scale(source.source(), area, out.target(), runner, slices));
    return out;
}

// Both row loops against the reference, and against each other byte for byte.
void expectMatchesReference(const Image& source, const SourceArea& area, int32_t width,
                            int32_t height) {
    const Image expected = reference(source, area, width, height);
    const Image vectorised = scaled(source, area, width, height, BilinearScaler::Path::Automatic);
    const Image plain = scaled(source, area, width, height, BilinearScaler::Path::Plain);
    EXPECT_LE(largestDifference(vectorised, expected), 1)
        << source.width << "x" << source.height << " area " << area.x << "," << area.y << " "
        << area.width << "x" << area.height << " onto " << width << "x" << height;
    EXPECT_EQ(plain.bytes, vectorised.bytes) << "plain and SSE2 loops disagree";
}

} // namespace

TEST(BilinearScalerTest, RandomImagesStayWithinOneLevelOfExactBilinearAtTheLensZooms) {
    const Image source = randomImage(97, 61, 1);
    // Lens zooms 110 % to 800 % of a 97 x 61 source, centred and off-centre.
    for (int32_t percent : {110, 125, 150, 200, 300, 400, 600, 800}) {
        const int32_t width = 97;
        const int32_t height = 61;
        const int32_t spanX = static_cast<int32_t>(width * 100.0 / percent);
        const int32_t spanY = static_cast<int32_t>(height * 100.0 / percent);
        expectMatchesReference(source, {(width - spanX) / 2, (height - spanY) / 2, spanX, spanY},
                               width, height);
        expectMatchesReference(source, {3, 5, spanX, spanY}, width, height);
    }
    // Shrinking as well (never done by the lens, still defined).
    expectMatchesReference(source, {0, 0, 97, 61}, 40, 23);
}

TEST(BilinearScalerTest, EdgeSizesAreScaledWithoutReadingPastTheSource) {
    // One pixel wide, one pixel high, a single pixel: nothing beyond it is read.
    expectMatchesReference(randomImage(1, 37, 2), {0, 0, 1, 18}, 21, 75);
    expectMatchesReference(randomImage(37, 1, 3), {5, 0, 20, 1}, 77, 9);
    expectMatchesReference(randomImage(1, 1, 4), {0, 0, 1, 1}, 13, 7);
    // Odd sizes everywhere, target width not a multiple of the vector width.
    expectMatchesReference(randomImage(33, 17, 5), {1, 2, 13, 7}, 31, 19);
    expectMatchesReference(randomImage(3, 3, 6), {0, 0, 3, 3}, 7, 5);
    // The largest zoom, 50 x: a 10 x 6 area over 500 x 300.
    expectMatchesReference(randomImage(64, 40, 7), {27, 17, 10, 6}, 500, 300);
}

TEST(BilinearScalerTest, AreasTouchingEverySourceEdgeStayInside) {
    const Image source = randomImage(80, 50, 8);
    // Top-left, top-right, bottom-left and bottom-right corners.
    for (const SourceArea& area : {SourceArea{0, 0, 40, 25}, SourceArea{40, 0, 40, 25},
                                   SourceArea{0, 25, 40, 25}, SourceArea{40, 25, 40, 25}}) {
        expectMatchesReference(source, area, 80, 50);
    }
    // The whole source at 1:1 is the source itself.
    const Image whole = scaled(source, {0, 0, 80, 50}, 80, 50, BilinearScaler::Path::Automatic);
    EXPECT_EQ(source.bytes, whole.bytes);
    // An area larger than the source (a snapshot smaller than the lens span),
    // starting at a negative offset as the lens clamping leaves it.
    expectMatchesReference(source, {-20, -10, 120, 70}, 150, 90);
}

TEST(BilinearScalerTest, SlicingGivesTheSameBytesForOneTwoAndEightSlices) {
    const Image source = randomImage(301, 173, 9);
    const SourceArea area = {41, 30, 151, 87};
    SliceRunner runner;
    for (BilinearScaler::Path path :
         {BilinearScaler::Path::Automatic, BilinearScaler::Path::Plain}) {
        const Image one = scaled(source, area, 301, 173, path, &runner, 1);
        const Image two = scaled(source, area, 301, 173, path, &runner, 2);
        const Image eight = scaled(source, area, 301, 173, path, &runner, 8);
        // More slices than rows are cut down to one row each.
        const Image many = scaled(source, area, 301, 5, path, &runner, 64);
        const Image manyAlone = scaled(source, area, 301, 5, path, nullptr, 1);
        EXPECT_EQ(one.bytes, two.bytes);
        EXPECT_EQ(one.bytes, eight.bytes);
        EXPECT_EQ(manyAlone.bytes, many.bytes);
    }
}

TEST(BilinearScalerTest, UnusableInputLeavesTheTargetUntouched) {
    const Image source = randomImage(20, 10, 10);
    Image target(8, 8, 0x5A);
    const std::vector<uint8_t> before = target.bytes;
    BilinearScaler scaler;
    EXPECT_FALSE(scaler.scale(source.source(), {0, 0, 0, 5}, target.target(), nullptr, 1));
    EXPECT_FALSE(scaler.scale(source.source(), {0, 0, 5, -1}, target.target(), nullptr, 1));
    EXPECT_FALSE(scaler.scale({nullptr, 20, 10, 80}, {0, 0, 5, 5}, target.target(), nullptr, 1));
    EXPECT_FALSE(scaler.scale({source.bytes.data(), 20, 10, 40}, {0, 0, 5, 5}, target.target(),
                              nullptr, 1)); // stride shorter than a row
    EXPECT_FALSE(
        scaler.scale(source.source(), {0, 0, 5, 5}, {target.bytes.data(), 0, 8, 32}, nullptr, 1));
    EXPECT_FALSE(scaler.scale(source.source(), {BilinearScaler::kMaximumSide + 1, 0, 5, 5},
                              target.target(), nullptr, 1));
    EXPECT_EQ(before, target.bytes);
    EXPECT_EQ(0u, scaler.heldBytes());
}

TEST(BilinearScalerTest, BuffersAreKeptForReuseUntilReleased) {
    const Image source = randomImage(40, 30, 11);
    Image target(120, 90);
    BilinearScaler scaler;
    ASSERT_TRUE(scaler.scale(source.source(), {0, 0, 40, 30}, target.target(), nullptr, 2));
    const size_t held = scaler.heldBytes();
    EXPECT_GT(held, 0u);
    ASSERT_TRUE(scaler.scale(source.source(), {5, 5, 20, 15}, target.target(), nullptr, 2));
    EXPECT_EQ(held, scaler.heldBytes());
    scaler.releaseBuffers();
    EXPECT_EQ(0u, scaler.heldBytes());
    // Usable again after a release.
    ASSERT_TRUE(scaler.scale(source.source(), {0, 0, 40, 30}, target.target(), nullptr, 1));
    EXPECT_EQ(reference(source, {0, 0, 40, 30}, 120, 90).bytes.size(), target.bytes.size());
}

TEST(BilinearScalerTest, SliceCountGrowsOnlyForLargeTargets) {
    EXPECT_EQ(1, BilinearScaler::slicesFor(200, 100, 8));
    EXPECT_EQ(1, BilinearScaler::slicesFor(1920, 1080, 1));
    EXPECT_EQ(2, BilinearScaler::slicesFor(1920, 1080, 2));
    EXPECT_EQ(16, BilinearScaler::slicesFor(3840, 2160, 64));
    EXPECT_EQ(1, BilinearScaler::slicesFor(0, 1080, 4));
}
