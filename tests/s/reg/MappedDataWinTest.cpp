#include "s/reg/MappedData.h"

#include "s/col/_array/ArrayU08.h"
#include "s/platform/win/WideText.h"
#include "s/thread/PoolRef.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

using s::col::_array::ArrayU08;
using s::platform::win::wide;
using s::reg::MappedData;
using s::thread::PoolRef;

namespace {

// Each test works below a key of its own and deletes it afterwards.
class RegistryStore : public ::testing::Test {
protected:
    void SetUp() override {
        root = u"Software\\LibraryTests\\StoreTest" + std::u16string(1, u'A' + counter++ % 26) +
               std::u16string(u"-") + toText(GetCurrentProcessId()) + u"\\SaveData";
        heldStore.assign(MappedData::open(root.c_str()));
        ASSERT_TRUE(heldStore);
    }
    void TearDown() override {
        if (heldStore) {
            heldStore->removeSection(u"");
        }
        // The test's own key, then the shared one when no other test uses it.
        std::u16string parent = root.substr(0, root.rfind(u'\\'));
        RegDeleteKeyW(HKEY_CURRENT_USER, wide(parent.c_str()));
        parent = parent.substr(0, parent.rfind(u'\\'));
        RegDeleteKeyW(HKEY_CURRENT_USER, wide(parent.c_str()));
    }

    static std::u16string toText(unsigned long value) {
        std::string text = std::to_string(value);
        return std::u16string(text.begin(), text.end());
    }

    // The raw type and bytes of a value, read past the store.
    bool rawValue(const char16_t* section, const char16_t* name, DWORD& type,
                  std::vector<BYTE>& bytes) {
        std::u16string path = root + u"\\" + section;
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, wide(path.c_str()), 0, KEY_READ, &key) !=
            ERROR_SUCCESS) {
            return false;
        }
        DWORD size = 0;
        LONG result = RegQueryValueExW(key, wide(name), nullptr, &type, nullptr, &size);
        bytes.resize(size);
        if (result == ERROR_SUCCESS) {
            result = RegQueryValueExW(key, wide(name), nullptr, &type, bytes.data(), &size);
        }
        RegCloseKey(key);
        return result == ERROR_SUCCESS;
    }

    void expectRaw(const char16_t* name, DWORD type, std::vector<BYTE> bytes) {
        DWORD storedType = 0;
        std::vector<BYTE> stored;
        ASSERT_TRUE(rawValue(u"All\\Kinds", name, storedType, stored));
        EXPECT_EQ(storedType, type);
        EXPECT_EQ(stored, bytes);
    }

    static int counter;
    std::u16string root;
    PoolRef<MappedData> heldStore;
};

int RegistryStore::counter = 0;

} // namespace

TEST_F(RegistryStore, RoundTripsEveryValueKindWithTheRegistryTypesAndSizes) {
    MappedData& store = *heldStore;
    const char16_t* section = u"All\\Kinds";
    EXPECT_TRUE(store.setUInt8(section, u"u8", 200));
    EXPECT_TRUE(store.setUInt16(section, u"u16", 65535));
    EXPECT_TRUE(store.setUInt32(section, u"u32", 4000000000u));
    EXPECT_TRUE(store.setUInt64(section, u"u64", 0x0102030405060708ull));
    EXPECT_TRUE(store.setInt8(section, u"i8", -100));
    EXPECT_TRUE(store.setInt16(section, u"i16", -30000));
    EXPECT_TRUE(store.setInt32(section, u"i32", -2000000000));
    EXPECT_TRUE(store.setInt64(section, u"i64", -9000000000000000000ll));
    EXPECT_TRUE(store.setFloat(section, u"f", 1.5f));
    EXPECT_TRUE(store.setDouble(section, u"d", -1234.125));
    EXPECT_TRUE(store.setBool(section, u"b", true));
    EXPECT_TRUE(store.setString(section, u"s", u"a \"b\" <c> & d\r\n\u00e9"));
    EXPECT_TRUE(store.setString(section, u"", u"own value"));
    EXPECT_TRUE(store.setString(section, u"empty", u""));
    auto bytes = PoolRef<ArrayU08>::take();
    for (int i = 0; i < 5; ++i) {
        bytes->add(static_cast<std::uint8_t>(i * 50));
    }
    EXPECT_TRUE(store.setBytes(section, u"bytes", bytes.get()));

    expectRaw(u"u8", REG_DWORD, {200, 0, 0, 0});
    expectRaw(u"i8", REG_DWORD, {0x9c, 0xff, 0xff, 0xff});
    expectRaw(u"u64", REG_BINARY, {8, 7, 6, 5, 4, 3, 2, 1});
    expectRaw(u"f", REG_BINARY, {0, 0, 0xc0, 0x3f});
    expectRaw(u"b", REG_DWORD, {1, 0, 0, 0});
    expectRaw(u"", REG_SZ,
              {'o', 0, 'w', 0, 'n', 0, ' ', 0, 'v', 0, 'a', 0, 'l', 0, 'u', 0, 'e', 0, 0, 0});
    expectRaw(u"bytes", REG_BINARY, {0, 50, 100, 150, 200});

    // Read back through a second store on the same key: nothing is cached.
    PoolRef<MappedData> again(MappedData::open(root.c_str()));
    section = u"ALL\\kinds";
    EXPECT_EQ(again->getUInt8(section, u"u8", 0), 200);
    EXPECT_EQ(again->getUInt16(section, u"u16", 0), 65535);
    EXPECT_EQ(again->getUInt32(section, u"u32", 0), 4000000000u);
    EXPECT_EQ(again->getUInt64(section, u"u64", 0), 0x0102030405060708ull);
    EXPECT_EQ(again->getInt8(section, u"i8", 0), -100);
    EXPECT_EQ(again->getInt16(section, u"i16", 0), -30000);
    EXPECT_EQ(again->getInt32(section, u"i32", 0), -2000000000);
    EXPECT_EQ(again->getInt64(section, u"i64", 0), -9000000000000000000ll);
    EXPECT_FLOAT_EQ(again->getFloat(section, u"f", 0), 1.5f);
    EXPECT_DOUBLE_EQ(again->getDouble(section, u"d", 0), -1234.125);
    EXPECT_TRUE(again->getBool(section, u"b", false));
    EXPECT_EQ(std::u16string(again->getString(section, u"s", nullptr)),
              u"a \"b\" <c> & d\r\n\u00e9");
    EXPECT_EQ(std::u16string(again->getString(section, u"", nullptr)), u"own value");
    EXPECT_EQ(std::u16string(again->getString(section, u"empty", u"x")), u"");
    auto read = PoolRef<ArrayU08>(again->getBytes(section, u"bytes", nullptr));
    ASSERT_EQ(read->count(), 5u);
    EXPECT_EQ(read->get(4), 200);
    EXPECT_EQ(again->getStringList(section, u"s"), nullptr);
    EXPECT_FALSE(again->setStringList(section, u"list", nullptr));
    EXPECT_FALSE(again->hasValue(section, u"list"));
}

TEST_F(RegistryStore, GettersCheckOnlyTheStoredSizeAndFallBackOtherwise) {
    MappedData& store = *heldStore;
    EXPECT_EQ(store.getInt32(u"MainWindow\\View", u"Width", 800), 800);
    EXPECT_FALSE(store.hasSection(u"MainWindow"));
    EXPECT_FALSE(store.hasSection(u"MainWindow")); // a missing key is not cached as present
    store.setString(u"V", u"one", u"x");           // 4 bytes with its terminator
    store.setString(u"V", u"two", u"xy");          // 6 bytes
    store.setUInt64(u"V", u"wide", 5);
    store.setInt32(u"V", u"n", 7);
    EXPECT_EQ(store.getInt32(u"V", u"one", -1), u'x');
    EXPECT_EQ(store.getInt32(u"V", u"two", -1), -1);
    EXPECT_EQ(store.getInt32(u"V", u"wide", -1), -1);
    EXPECT_EQ(store.getDouble(u"V", u"n", 2.5), 2.5);
    EXPECT_EQ(store.getUInt64(u"V", u"wide", 0), 5u);
    const char16_t* fallback = u"fallback";
    EXPECT_EQ(store.getString(u"V", u"n", fallback), fallback); // a DWORD is no text
    EXPECT_EQ(store.getString(u"V", u"missing", fallback), fallback);
    EXPECT_EQ(store.getString(u"NoSection", u"", fallback), fallback);
    auto bytes = PoolRef<ArrayU08>(store.getBytes(u"V", u"missing", nullptr));
    EXPECT_EQ(bytes->count(), 0u);
}

TEST_F(RegistryStore, ExpandsExpandableStringsOnRequest) {
    MappedData& store = *heldStore;
    ASSERT_TRUE(store.setExpandString(u"Paths", u"p", u"%SystemRoot%\\x"));
    bool expanded = false;
    std::u16string stored(store.getString(u"Paths", u"p", nullptr, &expanded, false));
    EXPECT_TRUE(expanded);
    EXPECT_EQ(stored, u"%SystemRoot%\\x");
    expanded = false;
    std::u16string full(store.getString(u"Paths", u"p", nullptr, &expanded, true));
    EXPECT_TRUE(expanded);
    EXPECT_EQ(full.find(u'%'), std::u16string::npos);
    EXPECT_EQ(full.substr(full.size() - 2), u"\\x");
    store.setString(u"Paths", u"plain", u"%SystemRoot%");
    EXPECT_EQ(std::u16string(store.getString(u"Paths", u"plain", nullptr, &expanded)),
              u"%SystemRoot%");
    EXPECT_FALSE(expanded);
    // Longer than the usual expansion room.
    std::u16string longText(700, u'a');
    store.setExpandString(u"Paths", u"long", (longText + u"%SystemRoot%").c_str());
    EXPECT_GT(std::u16string(store.getString(u"Paths", u"long", nullptr)).size(), 700u);
}

TEST_F(RegistryStore, CachesTheLastSectionIgnoringCaseAndRemovesWholeSubtrees) {
    MappedData& store = *heldStore;
    store.setInt32(u"MainWindow\\View", u"X", 1);
    std::uint32_t openings = store.sectionOpenings();
    store.setInt32(u"mainwindow\\VIEW", u"Y", 2);
    EXPECT_EQ(store.getInt32(u"MAINWINDOW\\view", u"X", 0), 1);
    EXPECT_TRUE(store.hasSection(u"MainWindow\\View"));
    EXPECT_EQ(store.sectionOpenings(), openings);
    EXPECT_TRUE(store.hasValue(u"MainWindow\\View", u"y"));

    EXPECT_TRUE(store.removeValue(u"MainWindow\\View", u"Y"));
    EXPECT_FALSE(store.removeValue(u"MainWindow\\View", u"Y"));
    EXPECT_TRUE(store.removeSection(u"MainWindow"));
    EXPECT_FALSE(store.hasSection(u"MainWindow\\View"));
    EXPECT_EQ(store.getInt32(u"MainWindow\\View", u"X", -1), -1);
    EXPECT_FALSE(store.removeSection(u"MainWindow"));
    EXPECT_TRUE(store.hasSection(u""));
    EXPECT_TRUE(store.save());
}

TEST_F(RegistryStore, WritesWhatRegQuerySees) {
    MappedData& store = *heldStore;
    store.setBool(u"View", u"IsOn", true);
    store.setBool(u"View", u"AutoLock", false);
    store.setInt32(u"View", u"KeyType", 3);
    store.setInt32(u"View", u"MagnificationLevel", 250);
    store.setString(u"Language", u"", u"English");
    std::u16string command = u"reg query \"HKCU\\" + root + u"\" /s 2>&1";
    FILE* pipe = _wpopen(wide(command.c_str()), L"r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr) {
        output += buffer;
    }
    _pclose(pipe);
    auto line = [&output](const std::string& name, const std::string& rest) {
        std::string::size_type at = output.find(name);
        return at != std::string::npos && output.find(rest, at) != std::string::npos &&
               output.find(rest, at) < output.find('\n', at);
    };
    EXPECT_TRUE(line("IsOn", "REG_DWORD    0x1")) << output;
    EXPECT_TRUE(line("AutoLock", "REG_DWORD    0x0")) << output;
    EXPECT_TRUE(line("KeyType", "REG_DWORD    0x3")) << output;
    EXPECT_TRUE(line("MagnificationLevel", "REG_DWORD    0xfa")) << output;
    EXPECT_TRUE(line("(Default)", "REG_SZ    English")) << output;
}

TEST(RegistryStoreOpening, TheRootIsTheCallersPathWithEmptyLevelsLeftOut) {
    PoolRef<MappedData> store(MappedData::open(u"Software\\Maker\\Some Product\\SaveData"));
    ASSERT_TRUE(store);
    EXPECT_EQ(std::u16string(store->rootPath()), u"Software\\Maker\\Some Product\\SaveData");
    EXPECT_FALSE(store->getAutoSave());
    PoolRef<MappedData> untidy(MappedData::open(u"\\Software\\\\Maker\\Other\\"));
    EXPECT_EQ(std::u16string(untidy->rootPath()), u"Software\\Maker\\Other");
    PoolRef<MappedData> none(MappedData::open(nullptr));
    ASSERT_TRUE(none);
    EXPECT_EQ(std::u16string(none->rootPath()), u"");
}
