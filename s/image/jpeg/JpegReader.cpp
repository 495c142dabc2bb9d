#include "s/image/jpeg/JpegReader.h"

#include <climits>
#include <csetjmp>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

namespace s::image::jpeg {

namespace {

using Result = JpegReader::Result;

// libjpeg's own memory for one decode (huffman tables, row buffers, and the
// coefficients of a whole progressive picture) is bounded too; beyond it the
// library stops with an out-of-memory error instead of asking for more.
constexpr long decoderMemoryLimit = 256L * 1024L * 1024L;

// libjpeg reports fatal errors by calling error_exit, whose default ends the
// process. This one jumps back into decode() with the reason instead. Only
// plain C data lives between the setjmp and the jump, so no destructor is
// skipped.
struct ErrorTrap {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    Result failure;
};

// Progress callbacks come with the decoder only; the scan limit rides along.
struct ScanGuard {
    jpeg_progress_mgr manager;
    int32_t maxScans;
};

Result resultOf(int messageCode) {
    switch (messageCode) {
    case JERR_OUT_OF_MEMORY:
    case JERR_IMAGE_TOO_BIG:
    case JERR_WIDTH_OVERFLOW:
        return Result::tooLarge;
    case JERR_CONVERSION_NOTIMPL:
        return Result::unsupported;
    case JERR_INPUT_EMPTY:
    case JERR_INPUT_EOF:
        return Result::truncated;
    default:
        return Result::corrupt;
    }
}

[[noreturn]] void failWith(j_common_ptr decoder, Result failure) {
    ErrorTrap* trap = reinterpret_cast<ErrorTrap*>(decoder->err);
    trap->failure = failure;
    std::longjmp(trap->jump, 1);
}

[[noreturn]] void onFatalError(j_common_ptr decoder) {
    failWith(decoder, resultOf(decoder->err->msg_code));
}

// Warnings (level -1) are ignored except the one that says the data ended
// before the picture did: libjpeg would go on with grey rows.
void onMessage(j_common_ptr decoder, int level) {
    if (level < 0 && decoder->err->msg_code == JWRN_JPEG_EOF) {
        failWith(decoder, Result::truncated);
    }
}

// Nothing is ever printed: the program has no console.
void onOutputMessage(j_common_ptr) {}

void onProgress(j_common_ptr decoder) {
    const ScanGuard* guard = reinterpret_cast<const ScanGuard*>(decoder->progress);
    const j_decompress_ptr decompress = reinterpret_cast<j_decompress_ptr>(decoder);
    if (decompress->input_scan_number > guard->maxScans) {
        failWith(decoder, Result::tooLarge);
    }
}

bool withinLimits(const jpeg_decompress_struct& decoder, const JpegReader::Limits& limits) {
    const int64_t width = decoder.image_width;
    const int64_t height = decoder.image_height;
    return width >= 1 && height >= 1 && width <= limits.maxSide && height <= limits.maxSide &&
           width * height <= limits.maxPixels;
}

// The steps of one decode after the set-up. Returns only when every row was
// written; any failure leaves through the trap's jump.
Result decodeRows(jpeg_decompress_struct& decoder, JpegReader::ITarget& target,
                  const JpegReader::Limits& limits) {
    // 1. The header gives the size; refuse before anything big is allocated.
    jpeg_read_header(&decoder, TRUE);
    if (!withinLimits(decoder, limits)) {
        return Result::tooLarge;
    }
    // 2. Every picture comes out as blue, green, red and an opaque alpha.
    decoder.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&decoder);
    if (decoder.output_components != 4) {
        return Result::unsupported;
    }
    const int32_t width = static_cast<int32_t>(decoder.output_width);
    const int32_t height = static_cast<int32_t>(decoder.output_height);
    // 3. The rows go straight into the target's memory.
    uint8_t* pixels = target.allocate(width, height);
    if (pixels == nullptr) {
        return Result::refused;
    }
    const size_t stride = static_cast<size_t>(width) * 4u;
    while (decoder.output_scanline < decoder.output_height) {
        JSAMPROW row = pixels + stride * decoder.output_scanline;
        jpeg_read_scanlines(&decoder, &row, 1);
    }
    jpeg_finish_decompress(&decoder);
    return Result::decoded;
}

// The setjmp lives here, with only plain C locals around it.
Result decodeTrapped(jpeg_decompress_struct& decoder, ErrorTrap& trap, const uint8_t* bytes,
                     size_t size, JpegReader::ITarget& target, const JpegReader::Limits& limits) {
    ScanGuard guard{};
    guard.manager.progress_monitor = &onProgress;
    guard.maxScans = limits.maxScans;
    if (setjmp(trap.jump) != 0) {
        jpeg_destroy_decompress(&decoder);
        return trap.failure;
    }
    jpeg_create_decompress(&decoder);
    decoder.mem->max_memory_to_use = decoderMemoryLimit;
    decoder.progress = &guard.manager;
    jpeg_mem_src(&decoder, bytes, static_cast<unsigned long>(size));
    const Result result = decodeRows(decoder, target, limits);
    jpeg_destroy_decompress(&decoder);
    return result;
}

} // namespace

JpegReader::Result JpegReader::read(const uint8_t* bytes, size_t size, ITarget& target,
                                    const Limits& limits) {
    if (bytes == nullptr || size == 0) {
        return Result::empty;
    }
    // libjpeg counts the input in an unsigned long, 32 bits on Windows.
    if (size > limits.maxBytes || size > ULONG_MAX) {
        return Result::tooLarge;
    }
    jpeg_decompress_struct decoder{};
    ErrorTrap trap{};
    decoder.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = &onFatalError;
    trap.manager.emit_message = &onMessage;
    trap.manager.output_message = &onOutputMessage;
    trap.failure = Result::corrupt;
    return decodeTrapped(decoder, trap, bytes, size, target, limits);
}

} // namespace s::image::jpeg
