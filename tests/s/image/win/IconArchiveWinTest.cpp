#include "s/image/win/IconArchive.h"

#include <gtest/gtest.h>

#include "s/image/win/BufferedImage.h"
#include "s/thread/PoolRef.h"

using s::image::win::BufferedImage;
using s::image::win::IconArchive;
using s::thread::PoolRef;

namespace {

// tests/support/ImageResources.rc: the program's icon (16, 32, 48, 64
// and 128 pixels as 32-bit bitmaps, 256 as PNG stored with size 0) and a
// 16-pixel 24-bit icon whose right half is masked out.
constexpr int32_t programIconId = 150;
constexpr int32_t maskedIconId = 151;

const uint8_t* pixelAt(const BufferedImage& image, int32_t x, int32_t y) {
    return image.getPixels() + (static_cast<size_t>(y) * image.getWidth() + x) * 4;
}

SIZE bitmapSize(HICON icon) {
    ICONINFO parts = {};
    SIZE size = {0, 0};
    if (!GetIconInfo(icon, &parts)) {
        return size;
    }
    BITMAP shape = {};
    GetObjectW(parts.hbmColor != nullptr ? parts.hbmColor : parts.hbmMask, sizeof(shape), &shape);
    size.cx = shape.bmWidth;
    size.cy = shape.bmHeight;
    DeleteObject(parts.hbmColor);
    DeleteObject(parts.hbmMask);
    return size;
}

} // namespace

TEST(IconArchiveWinTest, TheProgramIconGivesItsImageForEveryStandardSize) {
    PoolRef<IconArchive> archive = PoolRef<IconArchive>::take();
    ASSERT_TRUE(archive->open(nullptr, programIconId));
    ASSERT_EQ(6u, archive->getCount());
    EXPECT_EQ(256, archive->getEntry(5).width); // stored as 0
    for (int32_t size : {16, 32, 64, 128, 256}) {
        SCOPED_TRACE(size);
        PoolRef<BufferedImage> image(archive->getIconImage(size));
        ASSERT_TRUE(image);
        EXPECT_EQ(size, image->getWidth());
        EXPECT_EQ(size, image->getHeight());
        // Transparent outside the glass, opaque blue glass in the middle of the lens.
        EXPECT_EQ(0, pixelAt(*image, size - 1, 0)[3]);
        const uint8_t* glass = pixelAt(*image, size * 39 / 100, size * 39 / 100);
        EXPECT_EQ(255, glass[3]);
        EXPECT_GT(glass[0], glass[2] + 60); // blue well above red
        // A new image for every call.
        PoolRef<BufferedImage> again(archive->getIconImage(size));
        ASSERT_TRUE(again);
        EXPECT_NE(image.get(), again.get());
        EXPECT_EQ(0, memcmp(image->getPixels(), again->getPixels(),
                            static_cast<size_t>(size * size * 4)));
    }
    for (int32_t size : {64, 128, 256}) {
        SCOPED_TRACE(size);
        const HICON icon = archive->getIconHandle(size);
        ASSERT_NE(nullptr, icon);
        EXPECT_EQ(size, bitmapSize(icon).cx);
        EXPECT_EQ(icon, archive->getEntryHandle(static_cast<size_t>(archive->selectEntry(size))));
    }
}

TEST(IconArchiveWinTest, SizesWithoutTheirOwnImageTakeTheClosestArea) {
    PoolRef<IconArchive> archive = PoolRef<IconArchive>::take();
    ASSERT_TRUE(archive->open(nullptr, programIconId));
    // 100 x 100: 64 x 64 is 5904 pixels away, 128 x 128 6384.
    PoolRef<BufferedImage> image(archive->getIconImage(100));
    ASSERT_TRUE(image);
    EXPECT_EQ(64, image->getWidth());
    EXPECT_EQ(3, archive->selectEntry(100));
    EXPECT_EQ(0, archive->selectEntry(24));
    EXPECT_EQ(2, archive->selectEntry(48));
    EXPECT_EQ(5, archive->selectEntry(1000));
    EXPECT_EQ(-1, archive->selectEntry(0));
    EXPECT_FALSE(PoolRef<BufferedImage>(archive->getIconImage(0)));
    EXPECT_EQ(nullptr, archive->getIconHandle(-5));
    EXPECT_FALSE(PoolRef<BufferedImage>(archive->getEntryImage(6)));
    EXPECT_EQ(nullptr, archive->getEntryHandle(6));
}

TEST(IconArchiveWinTest, IconsWithoutAlphaTakeTheirTransparencyFromTheMask) {
    PoolRef<IconArchive> archive = PoolRef<IconArchive>::take();
    ASSERT_TRUE(archive->open(GetModuleHandleW(nullptr), maskedIconId));
    ASSERT_EQ(1u, archive->getCount());
    EXPECT_EQ(24, archive->getEntry(0).bitCount);
    PoolRef<BufferedImage> image(archive->getIconImage(16));
    ASSERT_TRUE(image);
    const uint8_t* left = pixelAt(*image, 2, 5);
    EXPECT_EQ(255, left[3]);
    EXPECT_EQ(255, left[2]); // red
    EXPECT_EQ(0, left[1]);
    EXPECT_EQ(0, pixelAt(*image, 12, 5)[3]);
}

TEST(IconArchiveWinTest, AMissingGroupGivesNothingAndReleaseDestroysTheHandles) {
    PoolRef<IconArchive> missing = PoolRef<IconArchive>::take();
    EXPECT_FALSE(missing->open(nullptr, 4242));
    EXPECT_EQ(0u, missing->getCount());
    EXPECT_FALSE(PoolRef<BufferedImage>(missing->getIconImage(32)));
    EXPECT_EQ(nullptr, missing->getIconHandle(32));

    IconArchive* archive = IconArchive::newInstance();
    ASSERT_TRUE(archive->open(nullptr, programIconId));
    const HICON icon = archive->getIconHandle(32);
    ICONINFO parts = {};
    ASSERT_TRUE(GetIconInfo(icon, &parts));
    DeleteObject(parts.hbmColor);
    DeleteObject(parts.hbmMask);
    archive->release();
    EXPECT_FALSE(GetIconInfo(icon, &parts));
}
