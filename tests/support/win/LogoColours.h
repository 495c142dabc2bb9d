#pragma once
// The program's two logo pictures as the test programs carry them
// (tests/support/ImageResources.rc) and the colours they must show once
// decoded. Header-only, Windows tests only.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>

#include "s/image/win/BufferedImage.h"

namespace s::test::win {

constexpr int32_t kWideLogoId = 131;
constexpr int32_t kTallLogoId = 132;

struct FlatPoint {
    int32_t x, y;
    COLORREF colour;
};

// Flat areas of the logo design (resources/logos/render_logos.py):
// background, accent stripe, glass and an enlarged pixel. A JPEG keeps flat
// areas within a few steps, so a wrong channel order or a shifted row shows.
inline constexpr FlatPoint kWideLogoPoints[] = {{680, 20, RGB(0x14, 0x2B, 0x45)},
                                                {350, 224, RGB(0xF2, 0xA3, 0x3A)},
                                                {100, 46, RGB(0x2C, 0x6E, 0xA8)},
                                                {100, 95, RGB(0x5C, 0x9C, 0xD4)}};
inline constexpr FlatPoint kTallLogoPoints[] = {{20, 20, RGB(0x14, 0x2B, 0x45)},
                                                {115, 694, RGB(0xF2, 0xA3, 0x3A)},
                                                {102, 128, RGB(0x2C, 0x6E, 0xA8)},
                                                {102, 180, RGB(0x5C, 0x9C, 0xD4)}};

// Each point of the image shows its colour, opaque (the image's pixels are
// top-down BGRA rows).
template <size_t N>
void expectFlatColours(const s::image::win::BufferedImage& image, const FlatPoint (&points)[N]) {
    for (const FlatPoint& point : points) {
        SCOPED_TRACE(testing::Message() << "(" << point.x << ", " << point.y << ")");
        const uint8_t* pixel =
            image.getPixels() + (static_cast<size_t>(point.y) * image.getWidth() + point.x) * 4;
        EXPECT_NEAR(GetBValue(point.colour), pixel[0], 6);
        EXPECT_NEAR(GetGValue(point.colour), pixel[1], 6);
        EXPECT_NEAR(GetRValue(point.colour), pixel[2], 6);
        EXPECT_EQ(255, pixel[3]);
    }
}

} // namespace s::test::win
