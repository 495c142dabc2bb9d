#include "s/image/jpeg/JpegReader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include <jpeglib.h>

using s::image::jpeg::JpegReader;
using Result = JpegReader::Result;

namespace {

// Collects what the reader writes; counts the allocations so that a refusal
// can be shown to come before any pixel memory was asked for.
class PixelSink : public JpegReader::ITarget {
public:
    uint8_t* allocate(int32_t width, int32_t height) override {
        ++allocations;
        this->width = width;
        this->height = height;
        if (refuse) {
            return nullptr;
        }
        pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height) * 4u, 0);
        return pixels.data();
    }
    const uint8_t* at(int32_t x, int32_t y) const {
        return &pixels[(static_cast<size_t>(y) * static_cast<size_t>(width) +
                        static_cast<size_t>(x)) *
                       4u];
    }

    bool refuse = false;
    int allocations = 0;
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> pixels;
};

struct Encoding {
    int width = 64;
    int height = 48;
    J_COLOR_SPACE space = JCS_RGB;
    bool progressive = false;
};

// A picture made with libjpeg's own encoder: the left half pure red, the
// right half pure blue (in CMYK and grey the same split in their channels).
std::vector<uint8_t> encode(const Encoding& encoding) {
    jpeg_compress_struct encoder{};
    jpeg_error_mgr errors{};
    encoder.err = jpeg_std_error(&errors);
    jpeg_create_compress(&encoder);
    unsigned char* output = nullptr;
    unsigned long outputSize = 0;
    jpeg_mem_dest(&encoder, &output, &outputSize);
    const int components = encoding.space == JCS_GRAYSCALE ? 1 : encoding.space == JCS_CMYK ? 4 : 3;
    encoder.image_width = static_cast<JDIMENSION>(encoding.width);
    encoder.image_height = static_cast<JDIMENSION>(encoding.height);
    encoder.input_components = components;
    encoder.in_color_space = encoding.space;
    jpeg_set_defaults(&encoder);
    jpeg_set_quality(&encoder, 95, TRUE);
    if (encoding.progressive) {
        jpeg_simple_progression(&encoder);
    }
    jpeg_start_compress(&encoder, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(encoding.width * components));
    for (int x = 0; x < encoding.width; ++x) {
        const bool left = x < encoding.width / 2;
        unsigned char* pixel = &row[static_cast<size_t>(x * components)];
        if (components == 3) {
            pixel[0] = left ? 255 : 0;
            pixel[1] = 0;
            pixel[2] = left ? 0 : 255;
        } else {
            for (int c = 0; c < components; ++c) {
                pixel[c] = left ? 40 : 200;
            }
        }
    }
    while (encoder.next_scanline < encoder.image_height) {
        JSAMPROW line = row.data();
        jpeg_write_scanlines(&encoder, &line, 1);
    }
    jpeg_finish_compress(&encoder);
    jpeg_destroy_compress(&encoder);
    std::vector<uint8_t> bytes(output, output + outputSize);
    std::free(output);
    return bytes;
}

// Decodes from a heap block of exactly the input's size, so that a read past
// its end is caught by the address sanitizer.
Result decode(const std::vector<uint8_t>& bytes, PixelSink& sink,
              const JpegReader::Limits& limits = JpegReader::Limits()) {
    std::unique_ptr<uint8_t[]> exact(new uint8_t[bytes.size() + (bytes.empty() ? 1 : 0)]);
    std::copy(bytes.begin(), bytes.end(), exact.get());
    return JpegReader::read(exact.get(), bytes.size(), sink, limits);
}

void expectNear(const uint8_t* pixel, int blue, int green, int red, const char* where) {
    SCOPED_TRACE(where);
    EXPECT_NEAR(blue, pixel[0], 8);
    EXPECT_NEAR(green, pixel[1], 8);
    EXPECT_NEAR(red, pixel[2], 8);
    EXPECT_EQ(255, pixel[3]);
}

// The position of the frame header's height field (SOF0 or SOF2).
size_t frameSizeOffset(const std::vector<uint8_t>& bytes) {
    for (size_t i = 2; i + 8 < bytes.size(); ++i) {
        if (bytes[i] == 0xFF && (bytes[i + 1] == 0xC0 || bytes[i + 1] == 0xC2)) {
            return i + 5;
        }
    }
    return 0;
}

std::vector<uint8_t> readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file),
                                std::istreambuf_iterator<char>());
}

} // namespace

TEST(JpegReaderTest, BaselineProgressiveAndGreyPicturesComeOutAsOpaqueBlueGreenRedRows) {
    for (bool progressive : {false, true}) {
        SCOPED_TRACE(progressive ? "progressive" : "baseline");
        Encoding encoding;
        encoding.progressive = progressive;
        PixelSink sink;
        ASSERT_EQ(Result::decoded, decode(encode(encoding), sink));
        EXPECT_EQ(1, sink.allocations);
        EXPECT_EQ(64, sink.width);
        EXPECT_EQ(48, sink.height);
        expectNear(sink.at(4, 4), 0, 0, 255, "red half, top");
        expectNear(sink.at(60, 44), 255, 0, 0, "blue half, bottom");
    }
    Encoding grey;
    grey.space = JCS_GRAYSCALE;
    grey.width = 1;
    grey.height = 1;
    PixelSink sink;
    ASSERT_EQ(Result::decoded, decode(encode(grey), sink));
    EXPECT_EQ(1, sink.width);
    expectNear(sink.at(0, 0), 200, 200, 200, "single grey pixel");
}

TEST(JpegReaderTest, TheCommittedLogosDecodeToTheirSizesAndFlatColours) {
    struct Point {
        int x, y, red, green, blue;
    };
    struct Logo {
        const char* file;
        int width, height;
        std::vector<Point> points;
    };
    // The flat areas of the design (resources/logos/render_logos.py).
    const std::vector<Logo> logos = {
        {"LogoWide.jpg",
         700,
         230,
         {{680, 20, 0x14, 0x2B, 0x45}, {350, 224, 0xF2, 0xA3, 0x3A}, {100, 46, 0x2C, 0x6E, 0xA8}}},
        {"LogoTall.jpg",
         230,
         700,
         {{20, 20, 0x14, 0x2B, 0x45}, {115, 694, 0xF2, 0xA3, 0x3A}, {102, 128, 0x2C, 0x6E, 0xA8}}},
    };
    for (const Logo& logo : logos) {
        SCOPED_TRACE(logo.file);
        PixelSink sink;
        ASSERT_EQ(
            Result::decoded,
            decode(readFile(std::string(VEXA_SOURCE_DIR) + "/resources/logos/" + logo.file), sink));
        EXPECT_EQ(logo.width, sink.width);
        EXPECT_EQ(logo.height, sink.height);
        for (const Point& point : logo.points) {
            expectNear(sink.at(point.x, point.y), point.blue, point.green, point.red, "flat area");
        }
    }
}

TEST(JpegReaderTest, NoBytesAndForeignBytesAreRefusedWithoutAskingForPixels) {
    PixelSink sink;
    EXPECT_EQ(Result::empty, JpegReader::read(nullptr, 0, sink));
    EXPECT_EQ(Result::empty, JpegReader::read(nullptr, 100, sink));
    const uint8_t one = 0xFF;
    EXPECT_EQ(Result::empty, JpegReader::read(&one, 0, sink));
    EXPECT_NE(Result::decoded, decode({0xFF}, sink));
    EXPECT_EQ(Result::corrupt, decode({'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0}, sink));
    EXPECT_EQ(Result::corrupt, decode(std::vector<uint8_t>(4096, 0), sink));
    // A start marker and nothing else.
    EXPECT_NE(Result::decoded, decode({0xFF, 0xD8}, sink));
    EXPECT_EQ(0, sink.allocations);
}

TEST(JpegReaderTest, EveryShortenedPictureFailsInsteadOfShowingGreyRows) {
    for (bool progressive : {false, true}) {
        SCOPED_TRACE(progressive ? "progressive" : "baseline");
        Encoding encoding;
        encoding.progressive = progressive;
        const std::vector<uint8_t> whole = encode(encoding);
        for (size_t length = 1; length < whole.size(); length += (length < 700 ? 1 : 37)) {
            PixelSink sink;
            const Result result = decode(
                std::vector<uint8_t>(whole.begin(), whole.begin() + static_cast<long>(length)),
                sink);
            ASSERT_TRUE(result == Result::truncated || result == Result::corrupt)
                << "length " << length;
        }
        // Only the last two bytes (the end marker) missing: still incomplete.
        PixelSink sink;
        EXPECT_EQ(Result::truncated,
                  decode(std::vector<uint8_t>(whole.begin(), whole.end() - 2), sink));
    }
}

TEST(JpegReaderTest, DamagedBytesGiveADefinedResultAndNeverLeaveTheBuffer) {
    Encoding encoding;
    encoding.progressive = true;
    const std::vector<uint8_t> whole = encode(encoding);
    int failures = 0;
    for (size_t position = 0; position < whole.size(); position += 3) {
        for (uint8_t pattern : {uint8_t{0xFF}, uint8_t{0x00}, uint8_t{0x5A}}) {
            std::vector<uint8_t> damaged = whole;
            damaged[position] = static_cast<uint8_t>(damaged[position] ^ pattern);
            PixelSink sink;
            const Result result = decode(damaged, sink);
            if (result == Result::decoded) {
                // Damage in the entropy data may still decode: all rows, its size.
                EXPECT_EQ(sink.pixels.size(), static_cast<size_t>(sink.width * sink.height * 4));
            } else {
                ++failures;
            }
        }
    }
    // Damaged headers must have been noticed.
    EXPECT_GT(failures, 10);
}

TEST(JpegReaderTest, PicturesBeyondTheLimitsAreRefusedBeforeTheirPixelsAreAskedFor) {
    std::vector<uint8_t> huge = encode(Encoding());
    const size_t sizeField = frameSizeOffset(huge);
    ASSERT_NE(0u, sizeField);
    // Height and width 60000 each: 14 GB of pixels.
    for (size_t i = 0; i < 4; i += 2) {
        huge[sizeField + i] = 0xEA;
        huge[sizeField + i + 1] = 0x60;
    }
    PixelSink sink;
    EXPECT_EQ(Result::tooLarge, decode(huge, sink));
    EXPECT_EQ(0, sink.allocations);

    const std::vector<uint8_t> normal = encode(Encoding());
    JpegReader::Limits limits;
    limits.maxSide = 63; // the picture is 64 wide
    EXPECT_EQ(Result::tooLarge, decode(normal, sink, limits));
    limits = JpegReader::Limits();
    limits.maxPixels = 64 * 48 - 1;
    EXPECT_EQ(Result::tooLarge, decode(normal, sink, limits));
    limits = JpegReader::Limits();
    limits.maxBytes = normal.size() - 1;
    EXPECT_EQ(Result::tooLarge, decode(normal, sink, limits));
    EXPECT_EQ(0, sink.allocations);
    // Exactly at every limit: decoded.
    limits.maxSide = 64;
    limits.maxPixels = 64 * 48;
    limits.maxBytes = normal.size();
    EXPECT_EQ(Result::decoded, decode(normal, sink, limits));
}

TEST(JpegReaderTest, AProgressivePictureWithMoreScansThanAllowedIsRefused) {
    Encoding encoding;
    encoding.progressive = true;
    const std::vector<uint8_t> bytes = encode(encoding);
    JpegReader::Limits limits;
    limits.maxScans = 2; // the simple progression has 10 scans
    PixelSink sink;
    EXPECT_EQ(Result::tooLarge, decode(bytes, sink, limits));
    limits.maxScans = 10;
    EXPECT_EQ(Result::decoded, decode(bytes, sink, limits));
}

TEST(JpegReaderTest, CmykPicturesAndRefusedMemoryAreReportedAsSuch) {
    Encoding cmyk;
    cmyk.space = JCS_CMYK;
    PixelSink sink;
    EXPECT_EQ(Result::unsupported, decode(encode(cmyk), sink));
    PixelSink refusing;
    refusing.refuse = true;
    EXPECT_EQ(Result::refused, decode(encode(Encoding()), refusing));
    EXPECT_EQ(1, refusing.allocations);
}
