#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "s/gui/model/Image.h"
#include "s/gui/win/NativeComponent.h"
#include "s/gui/win/OffscreenBuffer.h"
#include "s/thread/ClassPool.h"

namespace s::image::win {
class BufferedImage;
}

namespace s::gui::drawer::image::win {
class Basic;
}

namespace s::gui::win {

// A picture component: the portable picture sizes (model::Image) with a
// native child window that draws the picture through an off-screen buffer.
// The picture goes over a background: the parent's pixels when transparent
// (the default), else the background colour, or a checkerboard of white
// 5-pixel squares on RGB 204, 204, 204 when that switch is on (for pictures
// with see-through parts). Stretched, it fills the component's area, with
// its aspect ratio kept when asked (centred; see s::gui::paint::PictureFit);
// smooth scaling uses the system's halftone mode. The picture itself, and its
// 1-pixel black frame when the frame is switched on, are painted by the
// component's own image drawer, taken from its pool with the component.
//
// Ownership: the picture is borrowed unless given as owned; an owned one is
// given back when replaced or with the component. The component is pooled
// (no idle instances: it holds a native window) and owned by its container
// once added. Configured on any thread before it is shown; painted on the
// window's thread. The image drawer is the component's own for its lifetime.
class Image : public s::gui::model::Image, public NativeComponent {
    S_POOLED_CLASS_LIMIT(Image, u"s_gui_win_Image", 0)
public:
    // Light and dark squares of the checkerboard, and their side.
    static constexpr COLORREF kCheckerLight = RGB(255, 255, 255);
    static constexpr COLORREF kCheckerDark = RGB(204, 204, 204);
    static constexpr int32_t kCheckerSquare = 5;

    void reset() override;

    // Sets the picture (null: none) and recomputes the sizes; fixed sizes
    // of -1 mean none.
    void setImage(s::image::win::BufferedImage* picture, bool owned, bool stretch, bool keepAspect,
                  bool smooth, int32_t fixedWidth, int32_t fixedHeight);
    s::image::win::BufferedImage* getImage() const { return image; }

    void setTransparent(bool on);
    void setBackground(uint8_t red, uint8_t green, uint8_t blue);
    void setCheckerboard(bool on);

    // IComponent
    void repaint() override;

    // Draws background and picture into `target` at (0, 0) through the
    // off-screen buffer: the paint handler's routine, also called by tests
    // on a memory context.
    void paintInto(HDC target) override;

protected:
    s::gui::IComponent& component() override { return *this; }
    const s::gui::IComponent& component() const override { return *this; }
    bool handleComponentMessage(LRESULT* result, UINT message, WPARAM wParam,
                                LPARAM lParam) override;

    void placed(const s::gui::layout::Rect& inParent) override { placeNative(inParent); }
    void visibilityChanged() override { showNative(); }
    void enablingChanged() override { enableNative(); }

private:
    Image();
    ~Image() override;

    void drawBackground(HDC dc, int32_t width, int32_t height) const;
    void drawChecks(HDC dc, int32_t width, int32_t height) const;
    void drawPicture(HDC dc, int32_t width, int32_t height) const;
    void releaseImage();

    OffscreenBuffer buffer;
    s::gui::drawer::image::win::Basic* drawer;
    s::image::win::BufferedImage* image = nullptr;
    bool imageOwned = false;
    bool stretch = false;
    bool keepAspect = false;
    bool smooth = false;
    std::atomic<bool> transparent{true};
    std::atomic<bool> checkerboard{false};
    std::atomic<COLORREF> background{0};
};

} // namespace s::gui::win
