#include "s/gui/win/Image.h"

#include "s/gui/drawer/image/win/Basic.h"
#include "s/gui/paint/PictureFit.h"
#include "s/gui/win/Box.h"
#include "s/image/win/BufferedImage.h"
#include "s/platform/win/GdiObject.h"

namespace s::gui::win {

Image::Image() : drawer(s::gui::drawer::image::win::Basic::newInstance()) {
    reset();
}

Image::~Image() {
    detach();
    releaseImage();
    drawer->release();
}

void Image::reset() {
    detach();
    s::gui::model::Image::reset();
    releaseImage();
    buffer.reset();
    drawer->reset();
    stretch = false;
    keepAspect = false;
    smooth = false;
    transparent = true;
    checkerboard = false;
    background = GetSysColor(COLOR_BTNFACE);
}

void Image::releaseImage() {
    if (image != nullptr && imageOwned) {
        image->release();
    }
    image = nullptr;
    imageOwned = false;
}

void Image::setImage(s::image::win::BufferedImage* picture, bool owned, bool stretchIt,
                     bool keepRatio, bool smoothly, int32_t fixedWidth, int32_t fixedHeight) {
    if (picture != image) {
        releaseImage();
    }
    image = picture;
    imageOwned = picture != nullptr && owned;
    stretch = stretchIt;
    keepAspect = keepRatio;
    smooth = smoothly;
    const int32_t width = picture != nullptr ? picture->getWidth() : 0;
    const int32_t height = picture != nullptr ? picture->getHeight() : 0;
    setPicture(width, height, stretchIt, keepRatio, fixedWidth, fixedHeight);
    repaint();
}

void Image::setTransparent(bool on) {
    transparent = on;
    repaint();
}

void Image::setBackground(uint8_t red, uint8_t green, uint8_t blue) {
    background = RGB(red, green, blue);
    transparent = false;
    repaint();
}

void Image::setCheckerboard(bool on) {
    checkerboard = on;
    repaint();
}

void Image::repaint() {
    if (getHandle() != nullptr) {
        InvalidateRect(getHandle(), nullptr, FALSE);
    }
}

bool Image::handleComponentMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) {
    return handleOwnPaint(result, message);
}

void Image::paintInto(HDC target) {
    const int32_t width = getWidth();
    const int32_t height = getHeight();
    buffer.paint(target, width, height, [this, width, height](HDC dc) {
        drawBackground(dc, width, height);
        drawPicture(dc, width, height);
    });
}

void Image::drawBackground(HDC dc, int32_t width, int32_t height) const {
    if (checkerboard) {
        drawChecks(dc, width, height);
    } else if (transparent) {
        Box::drawParentBackground(dc, *this);
    } else {
        const RECT area = {0, 0, width, height};
        const s::platform::win::OwnedGdiObject<HBRUSH> brush(CreateSolidBrush(background.load()));
        FillRect(dc, &area, brush.get());
    }
}

void Image::drawChecks(HDC dc, int32_t width, int32_t height) const {
    const RECT area = {0, 0, width, height};
    const s::platform::win::OwnedGdiObject<HBRUSH> dark(CreateSolidBrush(kCheckerDark));
    const s::platform::win::OwnedGdiObject<HBRUSH> light(CreateSolidBrush(kCheckerLight));
    FillRect(dc, &area, dark.get());
    // Light squares where the square's column and row are both even or both
    // odd, starting with a light one in the top-left corner.
    for (int32_t top = 0; top < height; top += kCheckerSquare) {
        const int32_t row = top / kCheckerSquare;
        for (int32_t left = (row % 2) * kCheckerSquare; left < width; left += 2 * kCheckerSquare) {
            const RECT square = {left, top, left + kCheckerSquare, top + kCheckerSquare};
            FillRect(dc, &square, light.get());
        }
    }
}

void Image::drawPicture(HDC dc, int32_t width, int32_t height) const {
    if (image == nullptr || image->isEmpty()) {
        return;
    }
    // The picture is placed inside the frame, and the frame hugs the picture.
    const int32_t frame = hasFrame() ? 1 : 0;
    const s::gui::layout::Rect place = s::gui::paint::PictureFit::place(
        {width - 2 * frame, height - 2 * frame}, {image->getWidth(), image->getHeight()}, stretch,
        keepAspect);
    if (place.width < 1 || place.height < 1) {
        return;
    }
    // `dc` already holds this component's off-screen buffer, so the drawer
    // is given no second one to go through.
    drawer->draw(dc, nullptr, place.x, place.y, place.x + place.width + 2 * frame,
                 place.y + place.height + 2 * frame, image, smooth ? HALFTONE : COLORONCOLOR,
                 frame != 0, false);
}

} // namespace s::gui::win
