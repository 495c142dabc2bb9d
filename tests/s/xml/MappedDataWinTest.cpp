#include "s/xml/MappedData.h"

#include "s/io/File.h"
#include "s/platform/win/WideText.h"
#include "s/thread/PoolRef.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

using s::io::File;
using s::platform::win::wide;
using s::thread::PoolRef;
using s::xml::MappedData;

namespace {

std::u16string freshPath(const char* name) {
    char16_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, reinterpret_cast<wchar_t*>(folder));
    std::string tail = std::string("vexa-xml-win-") + name + "-" +
                       std::to_string(GetCurrentProcessId()) + "\\SaveData.xml";
    std::u16string path = std::u16string(folder) + std::u16string(tail.begin(), tail.end());
    File::remove(path.c_str());
    return path;
}

std::vector<std::uint8_t> bytesOf(const std::u16string& path) {
    std::vector<std::uint8_t> bytes;
    File::read(path.c_str(), bytes);
    return bytes;
}

// Another program's handle on the file, sharing what it is told to.
class OtherHandle {
public:
    OtherHandle(const std::u16string& path, DWORD access, DWORD share)
        : handle(CreateFileW(wide(path.c_str()), access, share, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~OtherHandle() { close(); }
    bool isOpen() const { return handle != INVALID_HANDLE_VALUE; }
    void close() {
        if (handle != INVALID_HANDLE_VALUE) {
            CloseHandle(handle);
            handle = INVALID_HANDLE_VALUE;
        }
    }

private:
    HANDLE handle;
};

const std::string kSettings = "<savedata><Language>Deutsch</Language>"
                              "<View IsOn=\"1\" MagnificationLevel=\"300\"></View></savedata>";

} // namespace

TEST(XmlMappedDataWinTest, AFileHeldWithoutSharingIsNeverOverwritten) {
    std::u16string path = freshPath("locked");
    ASSERT_TRUE(File::writeAllReplacing(
        path.c_str(), reinterpret_cast<const std::uint8_t*>(kSettings.data()), kSettings.size()));
    const std::vector<std::uint8_t> before = bytesOf(path);
    OtherHandle other(path, GENERIC_READ | GENERIC_WRITE, 0);
    ASSERT_TRUE(other.isOpen());
    {
        PoolRef<MappedData> store(MappedData::open(path.c_str()));
        ASSERT_TRUE(store);
        EXPECT_TRUE(store->isReadOnly());
        EXPECT_EQ(std::u16string(store->getString(u"Language", u"", u"English")), u"English");
        store->setAutoSave(true);
        EXPECT_FALSE(store->setInt32(u"View", u"MagnificationLevel", 200));
        EXPECT_FALSE(store->setString(u"Language", u"", u"English"));
        // The lock goes away while the store lives: it still must not write,
        // since it never saw what the file holds.
        other.close();
        EXPECT_FALSE(store->setBool(u"View", u"IsOn", false));
        EXPECT_FALSE(store->save());
    }
    EXPECT_EQ(bytesOf(path), before);
    EXPECT_FALSE(File::exists(File::temporaryPath(path.c_str()).data()));

    PoolRef<MappedData> later(MappedData::open(path.c_str()));
    EXPECT_FALSE(later->isReadOnly());
    EXPECT_EQ(std::u16string(later->getString(u"Language", u"", u"")), u"Deutsch");
    EXPECT_EQ(later->getInt32(u"View", u"MagnificationLevel", 0), 300);
}

TEST(XmlMappedDataWinTest, AFileHeldByAReaderThatSharesIsReadAndSavedOnceFree) {
    std::u16string path = freshPath("shared");
    ASSERT_TRUE(File::writeAllReplacing(
        path.c_str(), reinterpret_cast<const std::uint8_t*>(kSettings.data()), kSettings.size()));
    const std::vector<std::uint8_t> before = bytesOf(path);
    OtherHandle reader(path, GENERIC_READ, FILE_SHARE_READ);
    ASSERT_TRUE(reader.isOpen());
    PoolRef<MappedData> store(MappedData::open(path.c_str()));
    ASSERT_TRUE(store);
    EXPECT_FALSE(store->isReadOnly());
    EXPECT_EQ(std::u16string(store->getString(u"Language", u"", u"")), u"Deutsch");
    EXPECT_TRUE(store->setInt32(u"View", u"MagnificationLevel", 200));
    // The file cannot be replaced while it is open: the save fails and the
    // old file stays whole.
    EXPECT_FALSE(store->save());
    EXPECT_EQ(bytesOf(path), before);
    reader.close();
    EXPECT_TRUE(store->save());
    PoolRef<MappedData> again(MappedData::open(path.c_str()));
    EXPECT_EQ(again->getInt32(u"View", u"MagnificationLevel", 0), 200);
    EXPECT_EQ(std::u16string(again->getString(u"Language", u"", u"")), u"Deutsch");
}
