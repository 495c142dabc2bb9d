#include "s/image/icon/IconDirectory.h"

#include <gtest/gtest.h>

#include <vector>

using s::image::icon::IconDirectory;
using Entry = IconDirectory::Entry;

namespace {

struct Stored {
    uint8_t width, height, colourCount;
    uint16_t bitCount, id;
};

// A group directory as a resource compiler writes it.
std::vector<uint8_t> groupBytes(const std::vector<Stored>& images) {
    std::vector<uint8_t> bytes = {0, 0, 1, 0, static_cast<uint8_t>(images.size()), 0};
    for (const Stored& image : images) {
        const uint8_t entry[14] = {image.width,
                                   image.height,
                                   image.colourCount,
                                   0,
                                   1,
                                   0,
                                   static_cast<uint8_t>(image.bitCount),
                                   static_cast<uint8_t>(image.bitCount >> 8),
                                   0x10,
                                   0x27,
                                   0,
                                   0, // 10000 bytes
                                   static_cast<uint8_t>(image.id),
                                   static_cast<uint8_t>(image.id >> 8)};
        bytes.insert(bytes.end(), entry, entry + 14);
    }
    return bytes;
}

Entry entry(int32_t side, int32_t bitCount) {
    return Entry{side, side, bitCount, 0, 0};
}

} // namespace

TEST(IconDirectoryTest, ReadsEntriesWithZeroMeaning256AndDepthFromTheColourCount) {
    const std::vector<uint8_t> bytes =
        groupBytes({{16, 16, 0, 32, 1}, {0, 0, 0, 32, 6}, {32, 32, 16, 0, 7}, {48, 0, 0, 8, 300}});
    IconDirectory directory;
    ASSERT_TRUE(directory.parse(bytes.data(), bytes.size()));
    ASSERT_EQ(4u, directory.getCount());
    EXPECT_EQ(16, directory.getEntry(0).width);
    EXPECT_EQ(1, directory.getEntry(0).resourceId);
    EXPECT_EQ(10000u, directory.getEntry(0).byteCount);
    EXPECT_EQ(256, directory.getEntry(1).width);
    EXPECT_EQ(256, directory.getEntry(1).height);
    EXPECT_EQ(4, directory.getEntry(2).bitCount);
    EXPECT_EQ(48, directory.getEntry(3).width);
    EXPECT_EQ(256, directory.getEntry(3).height);
    EXPECT_EQ(300, directory.getEntry(3).resourceId);
}

TEST(IconDirectoryTest, BytesThatAreNoIconGroupReadAsNoEntries) {
    IconDirectory directory;
    std::vector<uint8_t> bytes = groupBytes({{16, 16, 0, 32, 1}, {32, 32, 0, 32, 2}});
    ASSERT_TRUE(directory.parse(bytes.data(), bytes.size()));
    // One byte short of the last entry.
    EXPECT_FALSE(directory.parse(bytes.data(), bytes.size() - 1));
    EXPECT_EQ(0u, directory.getCount());
    EXPECT_EQ(-1, directory.select(16));
    // Counting more entries than there are.
    std::vector<uint8_t> overcounted = bytes;
    overcounted[4] = 0xFF;
    overcounted[5] = 0xFF;
    EXPECT_FALSE(directory.parse(overcounted.data(), overcounted.size()));
    // A cursor group (type 2), a non-zero reserved field, no header at all.
    std::vector<uint8_t> cursor = bytes;
    cursor[2] = 2;
    EXPECT_FALSE(directory.parse(cursor.data(), cursor.size()));
    std::vector<uint8_t> reserved = bytes;
    reserved[0] = 1;
    EXPECT_FALSE(directory.parse(reserved.data(), reserved.size()));
    EXPECT_FALSE(directory.parse(bytes.data(), 5));
    EXPECT_FALSE(directory.parse(nullptr, 100));
    // An empty group is a valid group without images.
    const std::vector<uint8_t> empty = groupBytes({});
    EXPECT_TRUE(directory.parse(empty.data(), empty.size()));
    EXPECT_EQ(-1, directory.select(32));
}

TEST(IconDirectoryTest, TheFirstExact32BitImageWinsOverEverythingElse) {
    // An exact 8-bit image comes first; the exact 32-bit one still wins.
    EXPECT_EQ(1, IconDirectory::select({entry(32, 8), entry(32, 32), entry(32, 32)}, 32));
    // Exact size but 24 bits: no exact match, so area then depth decide.
    EXPECT_EQ(0, IconDirectory::select({entry(32, 24), entry(48, 32)}, 32));
    // A non-square 32-bit image of the same area comes first but is not exact.
    EXPECT_EQ(1, IconDirectory::select({Entry{16, 64, 32, 0, 0}, entry(32, 32)}, 32));
}

TEST(IconDirectoryTest, OtherwiseTheClosestAreaWinsThenTheDepthClosestTo32ThenTheEarlierImage) {
    const std::vector<Entry> program = {entry(16, 32), entry(32, 32), entry(48, 32)};
    EXPECT_EQ(2, IconDirectory::select(program, 64));
    EXPECT_EQ(2, IconDirectory::select(program, 256));
    // 40: 32 x 32 is 576 pixels away, 48 x 48 is 704 away.
    EXPECT_EQ(1, IconDirectory::select(program, 40));
    EXPECT_EQ(0, IconDirectory::select(program, 1));
    // Same area: 24 bits is closer to 32 than 8 bits, wherever it stands.
    EXPECT_EQ(1, IconDirectory::select({entry(48, 8), entry(48, 24)}, 64));
    EXPECT_EQ(0, IconDirectory::select({entry(48, 24), entry(48, 8)}, 64));
    // Depths above 32 count by their distance too: 24 and 40 tie, the earlier wins.
    EXPECT_EQ(0, IconDirectory::select({entry(48, 40), entry(48, 24)}, 64));
    EXPECT_EQ(0, IconDirectory::select({entry(48, 24), entry(48, 40)}, 64));
    // A full tie goes to the earlier image.
    EXPECT_EQ(0, IconDirectory::select({entry(48, 8), entry(48, 8)}, 64));
    // A closer area beats a better depth.
    EXPECT_EQ(1, IconDirectory::select({entry(48, 32), entry(47, 4)}, 47));
}

TEST(IconDirectoryTest, AStoredZeroSideIsTheExact256PixelImage) {
    const std::vector<uint8_t> bytes =
        groupBytes({{16, 16, 0, 32, 1}, {128, 128, 0, 32, 2}, {0, 0, 0, 32, 3}});
    IconDirectory directory;
    ASSERT_TRUE(directory.parse(bytes.data(), bytes.size()));
    EXPECT_EQ(2, directory.select(256));
    EXPECT_EQ(1, directory.select(128));
    // 200: 256 x 256 is 25536 pixels away, 128 x 128 is 23616 away.
    EXPECT_EQ(1, directory.select(200));
    EXPECT_EQ(2, directory.select(210));
    EXPECT_EQ(-1, directory.select(0));
    EXPECT_EQ(-1, directory.select(-16));
}
