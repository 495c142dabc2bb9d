#include "s/image/win/JpegDecoder.h"

#include "s/image/win/BufferedImage.h"
#include "s/platform/win/ModuleResource.h"
#include "s/platform/win/WideText.h"
#include "s/thread/PoolRef.h"

namespace s::image::win {

namespace {

// Hands the reader the image's own pixel rows: a top-down 32-bit DIB is laid
// out exactly as the reader writes (width * 4 bytes per row, top row first).
class ImageTarget : public s::image::jpeg::JpegReader::ITarget {
public:
    explicit ImageTarget(BufferedImage& target) : image(target) {}
    uint8_t* allocate(int32_t width, int32_t height) override {
        return image.resize(width, height) ? image.getPixels() : nullptr;
    }

private:
    BufferedImage& image;
};

} // namespace

JpegDecoder::Result JpegDecoder::decode(const uint8_t* bytes, size_t size, BufferedImage& image) {
    ImageTarget target(image);
    const Result result = s::image::jpeg::JpegReader::read(bytes, size, target);
    if (result != Result::decoded) {
        image.clear();
    }
    return result;
}

BufferedImage* JpegDecoder::decodeResource(HMODULE module, const char16_t* type, int32_t id) {
    s::platform::win::ModuleResource resource;
    if (type == nullptr || !resource.find(module, s::platform::win::wide(type), id)) {
        return nullptr;
    }
    s::thread::PoolRef<BufferedImage> image = s::thread::PoolRef<BufferedImage>::take();
    if (decode(resource.bytes, resource.size, *image) != Result::decoded) {
        return nullptr;
    }
    return image.detach();
}

} // namespace s::image::win
