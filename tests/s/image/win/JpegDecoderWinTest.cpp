#include "s/image/win/JpegDecoder.h"

#include <gtest/gtest.h>

#include <vector>

#include "s/image/win/BufferedImage.h"
#include "s/platform/win/ModuleResource.h"
#include "s/thread/PoolRef.h"
#include "tests/support/win/LogoColours.h"

using s::image::win::BufferedImage;
using s::image::win::JpegDecoder;
using s::thread::PoolRef;
using Result = JpegDecoder::Result;

namespace {

using s::test::win::expectFlatColours;
using s::test::win::kTallLogoId;
using s::test::win::kTallLogoPoints;
using s::test::win::kWideLogoId;
using s::test::win::kWideLogoPoints;

constexpr const char16_t* jpegType = u"IDR_JPG";

std::vector<uint8_t> resourceBytes(int32_t id) {
    s::platform::win::ModuleResource resource;
    if (!resource.find(nullptr, L"IDR_JPG", id)) {
        return {};
    }
    return std::vector<uint8_t>(resource.bytes, resource.bytes + resource.size);
}

} // namespace

TEST(JpegDecoderWinTest, BothLogosDecodeFromTheResourcesToTheirSizesAndColours) {
    PoolRef<BufferedImage> wide(JpegDecoder::decodeResource(nullptr, jpegType, kWideLogoId));
    ASSERT_TRUE(wide);
    EXPECT_EQ(700, wide->getWidth());
    EXPECT_EQ(230, wide->getHeight());
    expectFlatColours(*wide, kWideLogoPoints);
    // The pixels are the bitmap's: GDI reads the same colour.
    BITMAP shape = {};
    ASSERT_NE(0, GetObjectW(wide->getBitmap(), sizeof(shape), &shape));
    EXPECT_EQ(700, shape.bmWidth);
    EXPECT_EQ(32, shape.bmBitsPixel);

    PoolRef<BufferedImage> tall(
        JpegDecoder::decodeResource(GetModuleHandleW(nullptr), jpegType, kTallLogoId));
    ASSERT_TRUE(tall);
    EXPECT_EQ(230, tall->getWidth());
    EXPECT_EQ(700, tall->getHeight());
    expectFlatColours(*tall, kTallLogoPoints);
}

TEST(JpegDecoderWinTest, MissingResourcesGiveNoImage) {
    EXPECT_FALSE(PoolRef<BufferedImage>(JpegDecoder::decodeResource(nullptr, jpegType, 999)));
    EXPECT_FALSE(
        PoolRef<BufferedImage>(JpegDecoder::decodeResource(nullptr, u"IDR_GIF", kWideLogoId)));
    EXPECT_FALSE(
        PoolRef<BufferedImage>(JpegDecoder::decodeResource(nullptr, nullptr, kWideLogoId)));
    EXPECT_FALSE(PoolRef<BufferedImage>(JpegDecoder::decodeResource(nullptr, jpegType, -1)));
    EXPECT_FALSE(PoolRef<BufferedImage>(JpegDecoder::decodeResource(nullptr, jpegType, 0x10000)));
}

TEST(JpegDecoderWinTest, HostileBytesLeaveTheImageEmptyWhateverItHeldBefore) {
    const std::vector<uint8_t> logo = resourceBytes(kWideLogoId);
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
