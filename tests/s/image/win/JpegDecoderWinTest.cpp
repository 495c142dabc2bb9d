#include "s/image/win/JpegDecoder.h"

#include <gtest/gtest.h>

#include <vector>

#include "s/image/win/BufferedImage.h"
#include "s/platform/win/ModuleResource.h"
#include "s/thread/PoolRef.h"

using s::image::win::BufferedImage;
using s::image::win::JpegDecoder;
using s::thread::PoolRef;
using Result = JpegDecoder::Result;

namespace {

// tests/support/ImageResources.rc: the program's two logo pictures.
constexpr int32_t wideLogoId = 131;
constexpr int32_t tallLogoId = 132;
constexpr const char16_t* jpegType = u"IDR_JPG";

struct FlatPoint {
    int32_t x, y;
    COLORREF colour;
};

// Flat areas of the design (resources/logos/render_logos.py): background,
// accent stripe, glass and an enlarged pixel.
const FlatPoint widePoints[] = {{680, 20, RGB(0x14, 0x2B, 0x45)},
                                {350, 224, RGB(0xF2, 0xA3, 0x3A)},
                                {100, 46, RGB(0x2C, 0x6E, 0xA8)},
                                {100, 95, RGB(0x5C, 0x9C, 0xD4)}};
const FlatPoint tallPoints[] = {{20, 20, RGB(0x14, 0x2B, 0x45)},
                                {115, 694, RGB(0xF2, 0xA3, 0x3A)},
                                {102, 128, RGB(0x2C, 0x6E, 0xA8)},
                                {102, 180, RGB(0x5C, 0x9C, 0xD4)}};

template <size_t N>
void expectFlatColours(const BufferedImage& image, const FlatPoint (&points)[N]) {
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

std::vector<uint8_t> resourceBytes(int32_t id) {
    s::platform::win::ModuleResource resource;
    if (!resource.find(nullptr, L"IDR_JPG", id)) {
        return {};
    }
    return std::vector<uint8_t>(resource.bytes, resource.bytes + resource.size);
}

} // namespace

TEST(JpegDecoderWinTest, BothLogosDecodeFromTheResourcesToTheirSizesAndColours) {
    PoolRef<BufferedImage> wide(JpegDecoder::decodeResource(nullptr, jpegType, wideLogoId));
    ASSERT_TRUE(wide);
    EXPECT_EQ(700, wide->getWidth());
    EXPECT_EQ(230, wide->getHeight());
    expectFlatColours(*wide, widePoints);
    // The pixels are the bitmap's: GDI reads the same colour.
    BITMAP shape = {};
    ASSERT_NE(0, GetObjectW(wide->getBitmap(), sizeof(shape), &shape));
    EXPECT_EQ(700, shape.bmWidth);
    EXPECT_EQ(32, shape.bmBitsPixel);

    PoolRef<BufferedImage> tall(
        JpegDecoder::decodeResource(GetModuleHandleW(nullptr), jpegType, tallLogoId));
    ASSERT_TRUE(tall);
    EXPECT_EQ(230, tall->getWidth());
    EXPECT_EQ(700, tall->getHeight());
    expectFlatColours(*tall, tallPoints);
}

TEST(JpegDecoderWinTest, MissingResourcesGiveNoImage) {
    EXPECT_FALSE(PoolRef<BufferedImage>(JpegDecoder::decodeResource(nullptr, jpegType, 999)));
    EXPECT_FALSE(
        PoolRef<BufferedImage>(JpegDecoder::decodeResource(nullptr, u"IDR_GIF", wideLogoId)));
    EXPECT_FALSE(PoolRef<BufferedImage>(JpegDecoder::decodeResource(nullptr, nullptr, wideLogoId)));
    EXPECT_FALSE(PoolRef<BufferedImage>(JpegDecoder::decodeResource(nullptr, jpegType, -1)));
    EXPECT_FALSE(PoolRef<BufferedImage>(JpegDecoder::decodeResource(nullptr, jpegType, 0x10000)));
}

TEST(JpegDecoderWinTest, HostileBytesLeaveTheImageEmptyWhateverItHeldBefore) {
    const std::vector<uint8_t> logo = resourceBytes(wideLogoId);
    ASSERT_FALSE(logo.empty());
    PoolRef<BufferedImage> image = PoolRef<BufferedImage>::take();
    auto decodeAfterAPicture = [&](const std::vector<uint8_t>& bytes) {
        EXPECT_TRUE(image->resize(8, 8));
        return JpegDecoder::decode(bytes.empty() ? nullptr : bytes.data(), bytes.size(), *image);
    };
    // Truncated in the middle of the picture data, and just before the end.
    EXPECT_EQ(Result::truncated, decodeAfterAPicture(std::vector<uint8_t>(
                                     logo.begin(), logo.begin() + logo.size() / 2)));
    EXPECT_TRUE(image->isEmpty());
    EXPECT_EQ(Result::truncated,
              decodeAfterAPicture(std::vector<uint8_t>(logo.begin(), logo.end() - 2)));
    EXPECT_TRUE(image->isEmpty());
    // Not a JPEG; nothing at all.
    EXPECT_EQ(Result::corrupt, decodeAfterAPicture(std::vector<uint8_t>(1000, 0x42)));
    EXPECT_TRUE(image->isEmpty());
    EXPECT_EQ(Result::empty, decodeAfterAPicture({}));
    EXPECT_TRUE(image->isEmpty());
    // A frame header claiming 65535 x 65535 pixels.
    std::vector<uint8_t> huge = logo;
    for (size_t i = 2; i + 8 < huge.size(); ++i) {
        if (huge[i] == 0xFF && (huge[i + 1] == 0xC0 || huge[i + 1] == 0xC2)) {
            std::fill(huge.begin() + static_cast<ptrdiff_t>(i) + 5,
                      huge.begin() + static_cast<ptrdiff_t>(i) + 9, 0xFF);
            break;
        }
    }
    EXPECT_EQ(Result::tooLarge, decodeAfterAPicture(huge));
    EXPECT_TRUE(image->isEmpty());
    // And the whole picture still decodes into the same image afterwards.
    EXPECT_EQ(Result::decoded, JpegDecoder::decode(logo.data(), logo.size(), *image));
    EXPECT_EQ(700, image->getWidth());
}
