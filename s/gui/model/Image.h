#pragma once
#include <cstdint>

#include "s/gui/layout/ImageSizing.h"
#include "s/gui/model/Component.h"
#include "s/thread/ClassPool.h"

namespace s::gui::model {

// A picture's portable part: a component sized by the picture (see
// layout::ImageSizing), stretched with its aspect ratio kept when asked. The
// picture itself and its drawing belong to the native side, which reports the
// picture's size with setPicture.
//
// Pooled; owned by its container once added. One thread at a time.
class Image : public Component {
    S_POOLED_CLASS(Image, u"s_gui_model_Image")
public:
    void reset() override;

    // The picture's size and switches; fixed sizes of -1 mean none.
    void setPicture(int32_t pictureWidth, int32_t pictureHeight, bool stretch, bool keepAspect,
                    int32_t fixedWidth, int32_t fixedHeight);
    void setWidthPercent(int32_t percent) { sizing.setWidthPercent(percent); }
    void setHeightPercent(int32_t percent) { sizing.setHeightPercent(percent); }
    void setFixedWidth(int32_t pixels) { sizing.setFixedWidth(pixels); }
    void setFixedHeight(int32_t pixels) { sizing.setFixedHeight(pixels); }
    void setFrame(bool on) { sizing.setFrame(on); }
    bool hasFrame() const { return sizing.hasFrame(); }

    layout::SizeRange getSizeRange() const override;

protected:
    Image() { reset(); }
    ~Image() override = default;

private:
    layout::ImageSizing sizing;
};

} // namespace s::gui::model
