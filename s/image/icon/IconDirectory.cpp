#include "s/image/icon/IconDirectory.h"

#include <cstdlib>

namespace s::image::icon {

namespace {

constexpr size_t headerSize = 6;
constexpr size_t groupEntrySize = 14;
constexpr uint16_t iconType = 1;
constexpr int32_t wantedBitCount = 32;
// What a stored width or height of 0 means.
constexpr int32_t largestSide = 256;

uint16_t read16(const uint8_t* at) {
    return static_cast<uint16_t>(at[0] | (at[1] << 8));
}

uint32_t read32(const uint8_t* at) {
    return static_cast<uint32_t>(read16(at)) | (static_cast<uint32_t>(read16(at + 2)) << 16);
}

int32_t sideOf(uint8_t stored) {
    return stored == 0 ? largestSide : stored;
}

// Old directories leave the bit depth 0 and give the number of colours.
int32_t bitCountOf(uint16_t stored, uint8_t colourCount) {
    if (stored != 0 || colourCount == 0) {
        return stored;
    }
    int32_t bits = 0;
    while ((1 << bits) < colourCount) {
        ++bits;
    }
    return bits;
}

IconDirectory::Entry entryAt(const uint8_t* at) {
    IconDirectory::Entry entry;
    entry.width = sideOf(at[0]);
    entry.height = sideOf(at[1]);
    entry.bitCount = bitCountOf(read16(at + 6), at[2]);
    entry.byteCount = read32(at + 8);
    entry.resourceId = read16(at + 12);
    return entry;
}

int64_t areaDistance(const IconDirectory::Entry& entry, int32_t size) {
    return std::llabs(static_cast<int64_t>(entry.width) * entry.height -
                      static_cast<int64_t>(size) * size);
}

} // namespace

bool IconDirectory::parse(const uint8_t* bytes, size_t size) {
    entries.clear();
    if (bytes == nullptr || size < headerSize || read16(bytes) != 0 ||
        read16(bytes + 2) != iconType) {
        return false;
    }
    const size_t count = read16(bytes + 4);
    if (count > (size - headerSize) / groupEntrySize) {
        return false;
    }
    for (size_t index = 0; index < count; ++index) {
        entries.push_back(entryAt(bytes + headerSize + index * groupEntrySize));
    }
    return true;
}

int32_t IconDirectory::select(const std::vector<Entry>& candidates, int32_t size) {
    if (size <= 0) {
        return -1;
    }
    // 1. The first exact 32-bit image.
    for (size_t index = 0; index < candidates.size(); ++index) {
        const Entry& entry = candidates[index];
        if (entry.width == size && entry.height == size && entry.bitCount == wantedBitCount) {
            return static_cast<int32_t>(index);
        }
    }
    // 2. The closest area, then the closest depth; only a strictly better
    //    image replaces an earlier one.
    int32_t best = -1;
    for (size_t index = 0; index < candidates.size(); ++index) {
        const Entry& entry = candidates[index];
        if (best >= 0) {
            const Entry& chosen = candidates[static_cast<size_t>(best)];
            const int64_t distance = areaDistance(entry, size);
            const int64_t chosenDistance = areaDistance(chosen, size);
            if (distance > chosenDistance) {
                continue;
            }
            if (distance == chosenDistance && std::abs(entry.bitCount - wantedBitCount) >=
                                                  std::abs(chosen.bitCount - wantedBitCount)) {
                continue;
            }
        }
        best = static_cast<int32_t>(index);
    }
    return best;
}

} // namespace s::image::icon
