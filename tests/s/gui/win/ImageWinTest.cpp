#include "s/gui/win/Image.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "ChildPlacement.h"
#include "s/gui/win/Box.h"
#include "s/gui/win/Spacer.h"
#include "s/gui/win/Window.h"
#include "s/image/win/BufferedImage.h"
#include "s/platform/win/MemoryDC.h"
#include "s/platform/win/ObjectSelection.h"
#include "s/thread/PoolRef.h"

using s::gui::win::Box;
using s::gui::win::Image;
using s::gui::win::Spacer;
using s::gui::win::Window;
using s::image::win::BufferedImage;
using s::thread::PoolRef;

using wintest::placement;

namespace {

// A picture of one colour (blue, green, red bytes as in a DIB).
BufferedImage* solidPicture(int width, int height, COLORREF colour) {
    BufferedImage* picture = BufferedImage::newInstance();
    picture->resize(width, height);
    uint8_t* pixel = picture->getPixels();
    for (int i = 0; i < width * height; ++i, pixel += 4) {
        pixel[0] = GetBValue(colour);
        pixel[1] = GetGValue(colour);
        pixel[2] = GetRValue(colour);
        pixel[3] = 255;
    }
    return picture;
}

// Paints the picture component into a fresh black image; answers pixels.
// Runs the given work when its window raises the call event (on the window's
// thread); static in use, so that it outlives every window it listens to.
class WorkOnCall : public s::gui::events::IEventListener {
public:
    void onEvent(s::base::IObject*, int32_t) override {
        if (work) {
            work();
        }
    }
    std::function<void()> work;
};

class Painted {
public:
    // An attached picture is painted on its window's thread, where its own
    // paint messages use the same off-screen buffer.
    explicit Painted(Image& image, Window* window = nullptr)
        : canvas(PoolRef<BufferedImage>::take()), dc(nullptr) {
        canvas->resize(400, 200);
        std::memset(canvas->getPixels(), 0, 400 * 200 * 4);
        s::platform::win::ObjectSelection selection(dc.get(), canvas->getBitmap());
        if (window == nullptr) {
            image.paintInto(dc.get());
        } else {
            static WorkOnCall onWindowThread;
            window->addListener(s::gui::win::WindowEvent::Call, &onWindowThread);
            onWindowThread.work = [&image, this] { image.paintInto(dc.get()); };
            window->sendCall(0, 0, 0, 0);
            onWindowThread.work = nullptr;
        }
        GdiFlush();
    }
    COLORREF at(int x, int y) const {
        const uint8_t* pixel = canvas->getPixels() + (y * 400 + x) * 4;
        return RGB(pixel[2], pixel[1], pixel[0]);
    }

private:
    PoolRef<BufferedImage> canvas;
    s::platform::win::MemoryDC dc;
};

} // namespace

TEST(ImageWinTest, TheBannerFollowsItsBoxsWidthAndDrawsWithItsAspectKept) {
    auto window = PoolRef<Window>::take();
    window->setBounds(100, 100, 400, 300);
    window->setVisible(true);
    Box* panel = Box::newInstance();
    panel->setFixedWidth(336, false);
    panel->setBackgroundWhite(false);
    Image* banner = Image::newInstance();
    banner->setWidthPercent(100);
    banner->setImage(solidPicture(700, 230, RGB(255, 0, 0)), true, true, true, true, -1, -1);
    panel->add(banner);
    window->add(panel);

    EXPECT_EQ(336, banner->getWidth());
    EXPECT_EQ(110, banner->getHeight()); // 336 × 230 / 700 = 110.4
    ASSERT_NE(nullptr, banner->getHandle());
    const RECT rect = placement(banner->getHandle());
    EXPECT_EQ(336, rect.right - rect.left);
    EXPECT_EQ(110, rect.bottom - rect.top);

    // 335 x 110 of picture, centred; the column left over shows the white
    // panel behind the transparent picture.
    const Painted painted(*banner, window.get());
    EXPECT_EQ(RGB(255, 0, 0), painted.at(0, 0));
    EXPECT_EQ(RGB(255, 0, 0), painted.at(334, 109));
    EXPECT_EQ(RGB(255, 255, 255), painted.at(335, 50));
    EXPECT_EQ(RGB(0, 0, 0), painted.at(336, 50)); // nothing outside its area
}

TEST(ImageWinTest, WithoutStretchingThePictureKeepsItsSizeOverAColourOrACheckerboard) {
    Image* image = Image::newInstance();
    image->setImage(solidPicture(20, 10, RGB(0, 0, 255)), true, false, false, false, -1, -1);
    EXPECT_EQ(20, image->getMinimumWidth());
    EXPECT_EQ(10, image->getMinimumHeight());
    image->setBounds(0, 0, 40, 30);
    image->setBackground(0, 255, 0);
    {
        const Painted painted(*image);
        EXPECT_EQ(RGB(0, 0, 255), painted.at(19, 9));
        EXPECT_EQ(RGB(0, 255, 0), painted.at(20, 9));
        EXPECT_EQ(RGB(0, 255, 0), painted.at(39, 29));
    }
    image->setCheckerboard(true);
    {
        const Painted painted(*image);
        EXPECT_EQ(RGB(0, 0, 255), painted.at(0, 0));
        EXPECT_EQ(RGB(255, 255, 255), painted.at(20, 10)); // square (4, 2): light
        EXPECT_EQ(RGB(204, 204, 204), painted.at(25, 10)); // square (5, 2): dark
        EXPECT_EQ(RGB(204, 204, 204), painted.at(24, 15)); // square (4, 3): dark
        EXPECT_EQ(RGB(255, 255, 255), painted.at(29, 19));
    }
    // A new picture replaces the owned one, which goes back to its pool.
    BufferedImage* first = image->getImage();
    BufferedImage* second = solidPicture(5, 5, 0);
    image->setImage(second, false, false, false, false, -1, -1);
    auto again = PoolRef<BufferedImage>::take();
    EXPECT_EQ(first, again.get());
    image->release();
    second->release();
}

TEST(ImageWinTest, AFramedPictureIsDrawnInsideABlackFrameThatHugsIt) {
    Image* image = Image::newInstance();
    image->setFrame(true);
    image->setImage(solidPicture(20, 10, RGB(255, 0, 0)), true, false, false, false, -1, -1);
    EXPECT_EQ(22, image->getMinimumWidth());
    EXPECT_EQ(12, image->getMinimumHeight());
    image->setBounds(0, 0, 40, 30);
    image->setBackground(0, 255, 0);
    const Painted painted(*image);
    EXPECT_EQ(RGB(0, 0, 0), painted.at(0, 0));
    EXPECT_EQ(RGB(0, 0, 0), painted.at(21, 0));
    EXPECT_EQ(RGB(0, 0, 0), painted.at(21, 11));
    EXPECT_EQ(RGB(0, 0, 0), painted.at(0, 11));
    EXPECT_EQ(RGB(255, 0, 0), painted.at(1, 1));
    EXPECT_EQ(RGB(255, 0, 0), painted.at(20, 10));
    EXPECT_EQ(RGB(0, 255, 0), painted.at(22, 5));
    EXPECT_EQ(RGB(0, 255, 0), painted.at(5, 12));
    image->release();
}

TEST(ImageWinTest, AHiddenSpacerMovesFarAwayAndComesBackWhenShown) {
    auto window = PoolRef<Window>::take();
    window->setBounds(100, 100, 300, 200);
    window->setVisible(true);
    Box* row = Box::newInstance();
    row->setHorizontal();
    Box* first = Box::newInstance();
    first->setFixedWidth(30, false);
    first->setFixedHeight(10, false);
    Spacer* spacer = Spacer::newInstance();
    spacer->setFixedWidth(12);
    row->add(first);
    row->add(spacer);
    window->add(row);
    ASSERT_NE(nullptr, spacer->getHandle());
    EXPECT_EQ(30, placement(spacer->getHandle()).left);
    EXPECT_EQ(12, spacer->getWidth());

    spacer->setVisible(false);
    RECT rect = placement(spacer->getHandle());
    EXPECT_EQ(Spacer::kHiddenX, rect.left);
    EXPECT_EQ(Spacer::kHiddenY, rect.top);
    EXPECT_FALSE(IsWindowVisible(spacer->getHandle()));
    // A layout pass that moves it does not bring it back.
    first->setFixedWidth(40, false);
    row->doLayout();
    EXPECT_EQ(40, spacer->getX());
    EXPECT_EQ(Spacer::kHiddenX, placement(spacer->getHandle()).left);

    spacer->setVisible(true);
    EXPECT_EQ(40, placement(spacer->getHandle()).left);
    EXPECT_TRUE(IsWindowVisible(spacer->getHandle()));
}
