#include "s/image/win/BufferedImage.h"

#include <gtest/gtest.h>

#include <string>

#include "s/thread/PoolRef.h"

using s::image::win::BufferedImage;
using s::thread::PoolRef;

TEST(BufferedImageWinTest, AnImageGoesBackToItsPoolEmptyAndWithoutItsBitmap) {
    BufferedImage* image = BufferedImage::newInstance();
    ASSERT_NE(nullptr, image);
    EXPECT_EQ(std::u16string(u"s_image_win_BufferedImage"), image->getClassName());
    EXPECT_TRUE(image->isEmpty());
    ASSERT_TRUE(image->resize(64, 32));
    const HBITMAP bitmap = image->getBitmap();
    EXPECT_EQ(OBJ_BITMAP, static_cast<DWORD>(GetObjectType(bitmap)));
    const uint32_t idleBefore = BufferedImage::pool().idleCount();

    image->release();
    // The idle image keeps no GDI object.
    EXPECT_EQ(0u, static_cast<DWORD>(GetObjectType(bitmap)));
    EXPECT_EQ(idleBefore + 1, BufferedImage::pool().idleCount());

    // Taken again: the same object, empty, ready for a new size.
    PoolRef<BufferedImage> again = PoolRef<BufferedImage>::take();
    EXPECT_EQ(image, again.get());
    EXPECT_EQ(idleBefore, BufferedImage::pool().idleCount());
    EXPECT_TRUE(again->isEmpty());
    EXPECT_EQ(0, again->getWidth());
    EXPECT_EQ(nullptr, again->getPixels());
    ASSERT_TRUE(again->resize(3, 2));
    EXPECT_EQ(3, again->getWidth());
}

TEST(BufferedImageWinTest, ResizingKeepsTheBitmapOnlyForTheSameSizeAndRefusesBadSizes) {
    PoolRef<BufferedImage> image = PoolRef<BufferedImage>::take();
    ASSERT_TRUE(image->resize(10, 10));
    const HBITMAP first = image->getBitmap();
    ASSERT_TRUE(image->resize(10, 10));
    EXPECT_EQ(first, image->getBitmap());
    ASSERT_TRUE(image->resize(20, 10));
    // The replaced bitmap is deleted, not leaked.
    EXPECT_EQ(0u, static_cast<DWORD>(GetObjectType(first)));
    const HBITMAP second = image->getBitmap();
    EXPECT_FALSE(image->resize(0, 5));
    EXPECT_TRUE(image->isEmpty());
    EXPECT_EQ(0u, static_cast<DWORD>(GetObjectType(second)));
    // Opaque fill touches every pixel's alpha and nothing else.
    ASSERT_TRUE(image->resize(2, 2));
    image->getPixels()[0] = 7;
    image->makeOpaque();
    EXPECT_EQ(7, image->getPixels()[0]);
    EXPECT_EQ(255, image->getPixels()[3]);
    EXPECT_EQ(255, image->getPixels()[15]);
}
