#include "s/io/File.h"
#include "s/thread/PoolRef.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using s::io::File;
using s::thread::PoolRef;

namespace {

// A fresh folder path (not yet created) below the test temporary folder.
std::u16string freshFolder(const char* name) {
    static int counter = 0;
    std::string path = ::testing::TempDir() + "vexa-file-" + name + "-" +
                       std::to_string(reinterpret_cast<std::uintptr_t>(&counter) % 100000) + "-" +
                       std::to_string(++counter);
    std::u16string result(path.begin(), path.end());
    File::remove((result + u"/f.txt").c_str());
    File::remove((result + u"/f.txt.tmp").c_str());
    return result;
}

std::vector<std::uint8_t> bytesOf(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

std::string read(const std::u16string& path) {
    std::vector<std::uint8_t> bytes;
    if (!File::readAll(path.c_str(), bytes)) {
        return "<unreadable>";
    }
    return std::string(bytes.begin(), bytes.end());
}

struct FaultReset {
    ~FaultReset() { File::setWriteFaultForTesting(File::WriteFault::None, 0); }
};

} // namespace

TEST(FileTest, WritesCreatingMissingFoldersAndReplacesWholeFiles) {
    std::u16string folder = freshFolder("write") + u"/one\\two";
    std::u16string path = folder + u"/f.txt";
    EXPECT_FALSE(File::exists(path.c_str()));
    std::vector<std::uint8_t> bytes;
    EXPECT_FALSE(File::readAll(path.c_str(), bytes));

    auto first = bytesOf("first contents");
    ASSERT_TRUE(File::writeAllReplacing(path.c_str(), first.data(), first.size()));
    EXPECT_TRUE(File::isFolder(folder.c_str()));
    EXPECT_TRUE(File::exists(path.c_str()));
    EXPECT_FALSE(File::isFolder(path.c_str()));
    EXPECT_EQ(read(path), "first contents");

    auto second = bytesOf("2nd");
    ASSERT_TRUE(File::writeAllReplacing(path.c_str(), second.data(), second.size()));
    EXPECT_EQ(read(path), "2nd");
    EXPECT_FALSE(File::exists(File::temporaryPath(path.c_str()).data()));
    ASSERT_TRUE(File::writeAllReplacing(path.c_str(), nullptr, 0));
    EXPECT_EQ(read(path), "");

    EXPECT_FALSE(File::writeAllReplacing(folder.c_str(), second.data(), second.size()));
    EXPECT_TRUE(File::isFolder(folder.c_str()));
    EXPECT_TRUE(File::remove(path.c_str()));
    EXPECT_TRUE(File::remove(path.c_str())); // already gone
}

TEST(FileTest, AFailedOrInterruptedWriteAtAnyByteKeepsTheOldFile) {
    FaultReset resetAfterwards;
    std::u16string path = freshFolder("fault") + u"/f.txt";
    auto oldBytes = bytesOf("the old, complete contents");
    auto newBytes = bytesOf(std::string(70000, 'n') + "end"); // more than one write piece
    ASSERT_TRUE(File::writeAllReplacing(path.c_str(), oldBytes.data(), oldBytes.size()));
    std::vector<std::uint64_t> points;
    for (std::uint64_t at = 0; at <= 40; ++at) {
        points.push_back(at);
    }
    for (std::uint64_t at : {65535ull, 65536ull, 65537ull, 70002ull, 70003ull}) {
        points.push_back(at);
    }
    for (auto fault : {File::WriteFault::DiskFull, File::WriteFault::ProcessDeath}) {
        for (std::uint64_t at : points) {
            File::setWriteFaultForTesting(fault, at);
            EXPECT_FALSE(File::writeAllReplacing(path.c_str(), newBytes.data(), newBytes.size()))
                << at;
            EXPECT_EQ(read(path), "the old, complete contents") << at;
            bool leftover = File::exists(File::temporaryPath(path.c_str()).data());
            EXPECT_EQ(leftover, fault == File::WriteFault::ProcessDeath) << at;
        }
    }
    // A fault beyond the end does not trigger, and a stale temporary file from
    // an earlier death is simply overwritten.
    File::setWriteFaultForTesting(File::WriteFault::ProcessDeath, newBytes.size() + 1);
    ASSERT_TRUE(File::writeAllReplacing(path.c_str(), newBytes.data(), newBytes.size()));
    EXPECT_EQ(read(path).size(), newBytes.size());
    EXPECT_FALSE(File::exists(File::temporaryPath(path.c_str()).data()));
}

TEST(FileTest, ReadTellsAMissingFileFromOneThatIsThereButCannotBeRead) {
    using Status = File::ReadStatus;
    std::u16string folder = freshFolder("status");
    std::vector<std::uint8_t> bytes{1, 2, 3};
    EXPECT_EQ(File::read((folder + u"/none/f.txt").c_str(), bytes), Status::Missing);
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(File::read(nullptr, bytes), Status::Missing);

    std::u16string path = folder + u"/f.txt";
    auto ten = bytesOf("0123456789");
    ASSERT_TRUE(File::writeAllReplacing(path.c_str(), ten.data(), ten.size()));
    EXPECT_EQ(File::read(path.c_str(), bytes, 10), Status::Read);
    EXPECT_EQ(bytes, ten);
    EXPECT_EQ(File::read(path.c_str(), bytes, 9), Status::TooLarge);
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(File::read(folder.c_str(), bytes), Status::Unreadable);
    EXPECT_FALSE(File::readAll(folder.c_str(), bytes));
}

TEST(FileTest, AFileObjectNamesOneFileAndReadsAndWritesIt) {
    std::u16string path = freshFolder("object") + u"\\sub/f.txt";
    File::remove(path.c_str()); // left by an earlier run in the same temporary folder
    PoolRef<File> file(File::newFile(path.c_str()));
    ASSERT_TRUE(file);
    EXPECT_EQ(std::u16string(file->getClassName()), u"s_io_File");
    EXPECT_EQ(std::u16string(file->getPath()), path);
    EXPECT_FALSE(file->exists());
    std::vector<std::uint8_t> bytes;
    EXPECT_EQ(file->read(bytes), File::ReadStatus::Missing);
    auto text = bytesOf("object");
    ASSERT_TRUE(file->writeAllReplacing(text.data(), text.size()));
    EXPECT_TRUE(file->exists());
    EXPECT_EQ(file->read(bytes), File::ReadStatus::Read);
    EXPECT_EQ(bytes, text);
    file->setPath(nullptr);
    EXPECT_EQ(std::u16string(file->getPath()), u"");
    EXPECT_FALSE(file->writeAllReplacing(text.data(), text.size()));
    file->setPath(path.c_str());
    file->release();
    file.detach();
    PoolRef<File> recycled(File::newInstance());
    EXPECT_EQ(std::u16string(recycled->getPath()), u""); // a recycled object names nothing
}
