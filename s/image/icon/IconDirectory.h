#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace s::image::icon {

// The directory of an icon group resource: one line per image of the icon
// with its size, bit depth and the id of the resource that holds the image.
// It also picks the image for a wanted size:
//  1. the first image of exactly size x size pixels with 32 bits per pixel;
//  2. else the image whose pixel area is closest to size x size, ties going
//     to the bit depth closest to 32, the earlier image on a full tie.
// A width or height stored as 0 means 256, as the icon format defines; a bit
// depth stored as 0 is taken from the colour count (16 colours: 4 bits).
//
// The bytes are untrusted: a directory that is short, of another type or
// counts more entries than it holds reads as no entries at all. A value type;
// read-only after parse(), so threads may share a parsed directory.
class IconDirectory {
public:
    struct Entry {
        int32_t width;
        int32_t height;
        int32_t bitCount;
        uint32_t byteCount;
        uint16_t resourceId;
    };

    // Reads a group directory (RT_GROUP_ICON): a 6-byte header and 14 bytes
    // per entry. False, with no entries, when the bytes are not one.
    bool parse(const uint8_t* bytes, size_t size);

    size_t getCount() const { return entries.size(); }
    // The entry at `index`; index must be below getCount().
    const Entry& getEntry(size_t index) const { return entries[index]; }
    // The index of the image for size x size pixels, or -1 when there is no
    // image or the size is not positive.
    int32_t select(int32_t size) const { return select(entries, size); }

    static int32_t select(const std::vector<Entry>& candidates, int32_t size);

private:
    std::vector<Entry> entries;
};

} // namespace s::image::icon
