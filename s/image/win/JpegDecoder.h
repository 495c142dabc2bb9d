#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "s/image/jpeg/JpegReader.h"

namespace s::image::win {

class BufferedImage;

// JPEG pictures as 32-bit opaque images: bytes from anywhere, or a resource
// of a module (a custom resource type holding the JPEG bytes). The
// decoding itself is s::image::jpeg::JpegReader; this puts its rows into the
// image's bitmap. Stateless; any thread.
class JpegDecoder {
public:
    using Result = s::image::jpeg::JpegReader::Result;

    // Makes `image` the picture. On any failure the image is left empty
    // (0 x 0, no bitmap), never half decoded.
    static Result decode(const uint8_t* bytes, size_t size, BufferedImage& image);
    // The picture in resource `id` of type `type` of `module` (null: the
    // program file) as a new image the caller releases, or null when the
    // resource is missing or does not decode.
    static BufferedImage* decodeResource(HMODULE module, const char16_t* type, int32_t id);
};

} // namespace s::image::win
