#include "s/xml/MappedData.h"

#include "s/col/_array/ArrayU08.h"
#include "s/io/File.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/PoolRef.h"
#include "s/xml/Node.h"

#include <gtest/gtest.h>

#include <cmath>
#include <dirent.h>
#include <string>
#include <vector>

using s::col::_array::ArrayU08;
using s::io::File;
using s::str::strbuffer::StrBuffer;
using s::thread::PoolRef;
using s::xml::MappedData;
using s::xml::Node;

namespace {

std::u16string widen(const std::string& text) {
    return std::u16string(text.begin(), text.end());
}

// A file path (not yet existing) in a fresh folder below the test temporary
// folder.
std::u16string freshFile(const char* name) {
    static int counter = 0;
    std::string folder =
        ::testing::TempDir() + "vexa-settings-" + name + "-" + std::to_string(++counter);
    std::u16string path = widen(folder) + u"/savedata/SaveData.xml";
    File::remove(path.c_str());
    File::remove(File::temporaryPath(path.c_str()).data());
    return path;
}

std::string fileText(const std::u16string& path) {
    std::vector<std::uint8_t> bytes;
    if (!File::readAll(path.c_str(), bytes)) {
        return "<unreadable>";
    }
    return std::string(bytes.begin(), bytes.end());
}

std::u16string documentText(const MappedData& store) {
    auto text = PoolRef<StrBuffer>(store.document()->toText());
    return std::u16string(text->c_str());
}

void writeFile(const std::u16string& path, const std::string& bytes) {
    ASSERT_TRUE(File::writeAllReplacing(
        path.c_str(), reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

// Stores one value of every kind below "All\Kinds".
void storeEveryKind(s::map::IMappedData& store) {
    const char16_t* section = u"All\\Kinds";
    EXPECT_TRUE(store.setUInt8(section, u"u8", 200));
    EXPECT_TRUE(store.setUInt16(section, u"u16", 65535));
    EXPECT_TRUE(store.setUInt32(section, u"u32", 4000000000u));
    EXPECT_TRUE(store.setUInt64(section, u"u64", 18446744073709551615ull));
    EXPECT_TRUE(store.setInt8(section, u"i8", -100));
    EXPECT_TRUE(store.setInt16(section, u"i16", -30000));
    EXPECT_TRUE(store.setInt32(section, u"i32", -2000000000));
    EXPECT_TRUE(store.setInt64(section, u"i64", -9000000000000000000ll));
    EXPECT_TRUE(store.setFloat(section, u"f", 1.5f));
    EXPECT_TRUE(store.setDouble(section, u"d", -1234.125));
    EXPECT_TRUE(store.setBool(section, u"b", true));
    EXPECT_TRUE(store.setString(section, u"s", u"a \"b\" <c> & d\r\n\u00e9"));
    EXPECT_TRUE(store.setExpandString(section, u"e", u"%TEMP%\\x"));
    EXPECT_TRUE(store.setString(section, u"", u"  own value  "));
    auto bytes = PoolRef<ArrayU08>::take();
    for (int i = 0; i < 256; i += 15) {
        bytes->add(static_cast<std::uint8_t>(i));
    }
    EXPECT_TRUE(store.setBytes(section, u"bytes", bytes.get()));
}

void expectEveryKind(s::map::IMappedData& store) {
    const char16_t* section = u"all\\KINDS";
    EXPECT_EQ(store.getUInt8(section, u"u8", 0), 200);
    EXPECT_EQ(store.getUInt16(section, u"u16", 0), 65535);
    EXPECT_EQ(store.getUInt32(section, u"u32", 0), 4000000000u);
    EXPECT_EQ(store.getUInt64(section, u"u64", 0), 18446744073709551615ull);
    EXPECT_EQ(store.getInt8(section, u"i8", 0), -100);
    EXPECT_EQ(store.getInt16(section, u"i16", 0), -30000);
    EXPECT_EQ(store.getInt32(section, u"i32", 0), -2000000000);
    EXPECT_EQ(store.getInt64(section, u"i64", 0), -9000000000000000000ll);
    EXPECT_FLOAT_EQ(store.getFloat(section, u"f", 0), 1.5f);
    EXPECT_DOUBLE_EQ(store.getDouble(section, u"d", 0), -1234.125);
    EXPECT_TRUE(store.getBool(section, u"b", false));
    EXPECT_EQ(std::u16string(store.getString(section, u"s", u"")), u"a \"b\" <c> & d\r\n\u00e9");
    EXPECT_EQ(std::u16string(store.getString(section, u"", u"")), u"  own value  ");
    auto bytes = PoolRef<ArrayU08>(store.getBytes(section, u"bytes", nullptr));
    ASSERT_EQ(bytes->count(), 18u);
    EXPECT_EQ(bytes->get(0), 0);
    EXPECT_EQ(bytes->get(17), 255);
}

} // namespace

TEST(XmlMappedDataTest, GettersOnAnEmptyStoreCreateNothingAndSettersCreateEveryLevel) {
    std::u16string path = freshFile("empty");
    PoolRef<MappedData> store(MappedData::open(path.c_str()));
    ASSERT_TRUE(store);
    EXPECT_EQ(store->getInt32(u"MainWindow\\View", u"Width", 800), 800);
    EXPECT_FALSE(store->hasSection(u"MainWindow"));
    const char16_t* fallback = u"dflt";
    EXPECT_EQ(store->getString(u"MainWindow", u"", fallback), fallback);
    EXPECT_EQ(documentText(*store), u"<savedata></savedata>");
    EXPECT_FALSE(File::exists(path.c_str())); // nothing written before the first save

    EXPECT_TRUE(store->setInt32(u"MainWindow\\View", u"Width", 1024));
    EXPECT_EQ(documentText(*store),
              u"<savedata><MainWindow><View Width=\"1024\"></View></MainWindow></savedata>");
    EXPECT_TRUE(store->hasSection(u"mainwindow/view/"));
    EXPECT_TRUE(store->hasValue(u"MainWindow\\View", u"width"));
    EXPECT_FALSE(store->hasValue(u"MainWindow\\View", u"Height"));
    EXPECT_FALSE(store->hasValue(u"Nowhere", u"Width"));
    EXPECT_EQ(store->getStringList(u"MainWindow", u"x"), nullptr);
    EXPECT_TRUE(store->save());
    EXPECT_EQ(fileText(path),
              "<savedata><MainWindow><View Width=\"1024\"></View></MainWindow></savedata>");
}

TEST(XmlMappedDataTest, StoredTextsFollowTheDocumentEncodings) {
    PoolRef<MappedData> store(MappedData::open(nullptr));
    ASSERT_TRUE(store);
    EXPECT_FALSE(store->save()); // no file
    store->setString(u"SoftwareID", u"", u"Vexa Magnifier");
    store->setString(u"View", u"OnMClick", u"a b");
    store->setInt32(u"View", u"X", 1);
    store->setInt32(u"View", u"Y", 2);
    store->setInt32(u"View", u"X", 3); // moves to the end, once
    EXPECT_EQ(documentText(*store), u"<savedata><SoftwareID>Vexa&#160;Magnifier</SoftwareID>"
                                    u"<View OnMClick=\"a b\" Y=\"2\" X=\"3\"></View></savedata>");
    EXPECT_EQ(std::u16string(store->getString(u"SoftwareID", u"", nullptr)), u"Vexa Magnifier");
    EXPECT_EQ(store->getString(u"SoftwareID", u"Missing", nullptr), nullptr);
    const char16_t* fallback = u"fallback";
    EXPECT_EQ(store->getString(u"NoSuchSection", u"", fallback), fallback);
    bool expanded = true;
    EXPECT_EQ(std::u16string(store->getString(u"View", u"Missing", fallback, &expanded)),
              u"fallback");
    EXPECT_FALSE(expanded);
}

TEST(XmlMappedDataTest, ParsesStoredTextsLikeTheDocumentGetters) {
    std::u16string path = freshFile("parse");
    writeFile(path, "<savedata><V t=\"true\" ten=\"10\" T2=\"True\" yes=\"yes\" e=\"\" "
                    "big=\"300\" junk=\"x1\" hex=\"0aFfz\"></V></savedata>");
    PoolRef<MappedData> store(MappedData::open(path.c_str()));
    ASSERT_TRUE(store);
    EXPECT_TRUE(store->getBool(u"V", u"t", false));
    EXPECT_TRUE(store->getBool(u"V", u"ten", false));
    EXPECT_FALSE(store->getBool(u"V", u"T2", true));
    EXPECT_FALSE(store->getBool(u"V", u"yes", true));
    EXPECT_FALSE(store->getBool(u"V", u"e", true));
    EXPECT_EQ(store->getUInt8(u"V", u"big", 0), 44);
    EXPECT_EQ(store->getInt32(u"V", u"junk", 5), 0);
    auto bytes = PoolRef<ArrayU08>::take();
    bytes->add(9);
    EXPECT_EQ(store->getBytes(u"V", u"hex", bytes.get()), bytes.get());
    ASSERT_EQ(bytes->count(), 2u); // the odd last digit is left over
    EXPECT_EQ(bytes->get(0), 0x0a);
    EXPECT_EQ(bytes->get(1), 0xff);
    store->getBytes(u"V", u"missing", bytes.get());
    EXPECT_EQ(bytes->count(), 0u);
}

TEST(XmlMappedDataTest, AKeyNamedTwiceIsRewrittenAndRemovedAsAWhole) {
    // A damaged or hand-edited file may carry a key twice; reads see the
    // first copy, so a write must replace both and a removal remove both.
    std::u16string path = freshFile("duplicates");
    writeFile(path, "<savedata><View Width=\"800\" X=\"1\" Width=\"900\" Gone=\"1\" "
                    "Gone=\"2\"></View></savedata>");
    PoolRef<MappedData> store(MappedData::open(path.c_str()));
    ASSERT_TRUE(store);
    EXPECT_EQ(store->getInt32(u"View", u"Width", 0), 800);
    EXPECT_TRUE(store->setInt32(u"View", u"Width", 1024));
    EXPECT_EQ(store->getInt32(u"View", u"Width", 0), 1024);
    EXPECT_TRUE(store->removeValue(u"View", u"Gone"));
    EXPECT_FALSE(store->hasValue(u"View", u"Gone"));
    EXPECT_FALSE(store->removeValue(u"View", u"Gone"));
    ASSERT_TRUE(store->save());
    PoolRef<MappedData> again(MappedData::open(path.c_str()));
    EXPECT_EQ(again->getInt32(u"View", u"Width", 0), 1024);
    EXPECT_EQ(again->getInt32(u"View", u"X", 0), 1);
    EXPECT_FALSE(again->hasValue(u"View", u"Gone"));
}

TEST(XmlMappedDataTest, RoundTripsEveryValueKindThroughTheFile) {
    std::u16string path = freshFile("kinds");
    {
        PoolRef<MappedData> store(MappedData::open(path.c_str()));
        ASSERT_TRUE(store);
        storeEveryKind(*store);
        expectEveryKind(*store);
        EXPECT_TRUE(store->save());
    }
    std::string text = fileText(path);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_NE(text.find("u64=\"-1\""), std::string::npos);
    EXPECT_NE(text.find("f=\"1.500000\""), std::string::npos);
    EXPECT_NE(text.find("bytes=\"000f1e2d"), std::string::npos);
    EXPECT_NE(text.find(">&#160;&#160;own&#160;value&#160;&#160;<"), std::string::npos);
    PoolRef<MappedData> again(MappedData::open(path.c_str()));
    ASSERT_TRUE(again);
    expectEveryKind(*again);
}

TEST(XmlMappedDataTest, CachesTheLastSectionIgnoringCase) {
    PoolRef<MappedData> store(MappedData::open(nullptr));
    ASSERT_TRUE(store);
    store->setInt32(u"MainWindow\\View", u"X", 1);
    std::uint32_t walks = store->sectionWalks();
    store->setInt32(u"mainwindow\\VIEW", u"Y", 2);
    EXPECT_EQ(store->getInt32(u"MAINWINDOW\\view", u"X", 0), 1);
    EXPECT_TRUE(store->hasSection(u"MainWindow\\View"));
    EXPECT_EQ(store->sectionWalks(), walks);
    EXPECT_EQ(store->document()->childCount(), 1u);

    // A negative answer is cached too, until the section is made.
    EXPECT_FALSE(store->hasSection(u"Other"));
    EXPECT_FALSE(store->hasSection(u"OTHER"));
    EXPECT_TRUE(store->openSection(u"other"));
    EXPECT_TRUE(store->hasSection(u"Other"));
    EXPECT_EQ(store->document()->childCount(), 2u);
}

TEST(XmlMappedDataTest, RemovesSectionsAndValuesAndSavesAutomatically) {
    std::u16string path = freshFile("remove");
    PoolRef<MappedData> store(MappedData::open(path.c_str()));
    ASSERT_TRUE(store);
    store->setInt32(u"A\\B\\C", u"x", 1);
    store->setInt32(u"A\\D", u"y", 2);
    EXPECT_FALSE(File::exists(path.c_str()));
    store->setAutoSave(true);
    EXPECT_TRUE(store->getAutoSave());
    EXPECT_TRUE(store->hasSection(u"A\\B\\C")); // cached: then removed below it
    EXPECT_TRUE(store->removeSection(u"a/b"));
    EXPECT_FALSE(store->hasSection(u"A\\B\\C"));
    EXPECT_FALSE(store->removeSection(u"A\\B"));
    EXPECT_EQ(fileText(path), "<savedata><A><D y=\"2\"></D></A></savedata>");
    EXPECT_TRUE(store->removeValue(u"A\\D", u"Y"));
    EXPECT_FALSE(store->removeValue(u"A\\D", u"Y"));
    EXPECT_EQ(fileText(path), "<savedata><A><D></D></A></savedata>");
    EXPECT_TRUE(store->removeSection(u""));
    EXPECT_EQ(fileText(path), "<savedata></savedata>");
    store->release();
    store.detach();
    PoolRef<MappedData> recycled(MappedData::open(nullptr));
    EXPECT_FALSE(recycled->getAutoSave());
}

TEST(XmlMappedDataTest, DamagedFilesGiveDefaultsAndAreRepairedByTheNextSave) {
    std::string folder = std::string(VEXA_SOURCE_DIR) + "/tests/s/xml/data/damaged";
    DIR* directory = opendir(folder.c_str());
    ASSERT_NE(directory, nullptr);
    std::vector<std::string> names;
    while (dirent* entry = readdir(directory)) {
        if (entry->d_name[0] != '.') {
            names.push_back(entry->d_name);
        }
    }
    closedir(directory);
    ASSERT_GE(names.size(), 10u);
    for (const std::string& name : names) {
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(File::readAll(widen(folder + "/" + name).c_str(), bytes)) << name;
        std::u16string path = freshFile("damaged");
        writeFile(path, std::string(bytes.begin(), bytes.end()));
        PoolRef<MappedData> store(MappedData::open(path.c_str()));
        ASSERT_TRUE(store) << name;
        EXPECT_EQ(store->getInt32(u"MainWindow\\View", u"Width", 800), 800) << name;
        EXPECT_EQ(std::u16string(store->getString(u"Language", u"", u"English")), u"English")
            << name;
        EXPECT_TRUE(store->setInt32(u"MainWindow\\View", u"Width", 640)) << name;
        EXPECT_TRUE(store->save()) << name;
        PoolRef<MappedData> again(MappedData::open(path.c_str()));
        EXPECT_EQ(again->getInt32(u"MainWindow\\View", u"Width", 800), 640) << name;
    }
}

TEST(XmlMappedDataTest, ASaveInterruptedAtAnyByteLeavesTheOldOrTheNewFile) {
    struct FaultReset {
        ~FaultReset() { File::setWriteFaultForTesting(File::WriteFault::None, 0); }
    } resetAfterwards;
    std::u16string path = freshFile("interrupted");
    PoolRef<MappedData> store(MappedData::open(path.c_str()));
    ASSERT_TRUE(store);
    store->setAutoSave(true);
    ASSERT_TRUE(store->setString(u"Language", u"", u"English"));
    std::string old = fileText(path);
    store->setAutoSave(false);
    store->setString(u"Language", u"", u"Deutsch");
    store->setInt32(u"MainWindow\\View", u"Width", 1234);
    std::vector<std::uint8_t> newBytes;
    store->document()->toUtf8Bytes(newBytes);
    for (auto fault : {File::WriteFault::ProcessDeath, File::WriteFault::DiskFull}) {
        for (std::uint64_t at = 0; at <= newBytes.size(); ++at) {
            File::setWriteFaultForTesting(fault, at);
            EXPECT_FALSE(store->save()) << at;
            ASSERT_EQ(fileText(path), old) << at;
        }
    }
    File::setWriteFaultForTesting(File::WriteFault::None, 0);
    PoolRef<MappedData> before(MappedData::open(path.c_str()));
    EXPECT_EQ(std::u16string(before->getString(u"Language", u"", u"")), u"English");
    EXPECT_TRUE(store->save());
    PoolRef<MappedData> after(MappedData::open(path.c_str()));
    EXPECT_EQ(std::u16string(after->getString(u"Language", u"", u"")), u"Deutsch");
    EXPECT_EQ(after->getInt32(u"MainWindow\\View", u"Width", 0), 1234);
}

namespace {

std::vector<std::uint8_t> fileBytes(const std::u16string& path) {
    std::vector<std::uint8_t> bytes;
    File::read(path.c_str(), bytes, UINT64_MAX);
    return bytes;
}

// Tries every kind of change with the given section and key; each must be
// refused.
void expectEveryChangeRefused(MappedData& store, const char16_t* path, const char16_t* key) {
    std::u16string where = std::u16string(path) + u" / " + key;
    std::string label(where.begin(), where.end());
    auto bytes = PoolRef<ArrayU08>::take();
    bytes->add(1);
    EXPECT_FALSE(store.setInt32(path, key, 1)) << label;
    EXPECT_FALSE(store.setUInt64(path, key, 1)) << label;
    EXPECT_FALSE(store.setDouble(path, key, 1.0)) << label;
    EXPECT_FALSE(store.setBool(path, key, true)) << label;
    EXPECT_FALSE(store.setString(path, key, u"v")) << label;
    EXPECT_FALSE(store.setBytes(path, key, bytes.get())) << label;
    EXPECT_FALSE(store.removeValue(path, key)) << label;
}

} // namespace

TEST(XmlMappedDataTest, RefusesNamesTheFileCannotHoldAndWritesNothing) {
    std::u16string path = freshFile("names");
    PoolRef<MappedData> store(MappedData::open(path.c_str()));
    ASSERT_TRUE(store);
    store->setAutoSave(true);
    ASSERT_TRUE(store->setInt32(u"Ok\\View", u"Width", 640));
    const std::string saved = fileText(path);
    const std::u16string document = documentText(*store);

    for (const char16_t* section : {u"My Section", u"a>b", u"a=b", u"1st", u"Ok\\bad name",
                                    u"Ok\\2\\View", u"Ok\\View\\x\"y", u"New\\x\xd800"}) {
        expectEveryChangeRefused(*store, section, u"Width");
        EXPECT_FALSE(store->openSection(section));
        EXPECT_FALSE(store->removeSection(section));
    }
    for (const char16_t* key : {u" ", u"a b", u">", u"=", u"1x", u"a\"b", u"x/y", u"\xdc00"}) {
        expectEveryChangeRefused(*store, u"Ok\\View", key);
        expectEveryChangeRefused(*store, u"Fresh", key);
    }
    // Nothing was created on the way to a refused level, nothing written.
    EXPECT_FALSE(store->hasSection(u"New"));
    EXPECT_FALSE(store->hasSection(u"Fresh"));
    EXPECT_EQ(documentText(*store), document);
    EXPECT_EQ(fileText(path), saved);
    EXPECT_TRUE(store->hasValue(u"Ok\\View", u"Width"));

    // Names with symbols that the document can hold are taken and read back;
    // separators at the ends or doubled add no level, as before.
    for (const char16_t* name : {u"a-b.c", u"_x", u"a:b", u"Gr\u00f6\u00dfe", u"\u65e5\u672c"}) {
        EXPECT_TRUE(store->setString(name, name, name));
    }
    EXPECT_TRUE(store->setInt32(u"\\Ok//Other\\", u"", 7));
    PoolRef<MappedData> again(MappedData::open(path.c_str()));
    for (const char16_t* name : {u"a-b.c", u"_x", u"a:b", u"Gr\u00f6\u00dfe", u"\u65e5\u672c"}) {
        EXPECT_EQ(std::u16string(again->getString(name, name, u"")), name);
    }
    EXPECT_EQ(again->getInt32(u"Ok\\Other", u"", 0), 7);
}

TEST(XmlMappedDataTest, ReadsAndKeepsNamesOfAnExistingFileThatItWouldNotWrite) {
    // A file written by hand (or by an older version) may hold such names:
    // they read as before, and the rest of the file keeps them.
    std::u16string path = freshFile("foreign-names");
    writeFile(path, "<savedata><1st v=\"1\" 2k=\"2\"></1st></savedata>");
    PoolRef<MappedData> store(MappedData::open(path.c_str()));
    ASSERT_TRUE(store);
    EXPECT_EQ(store->getInt32(u"1st", u"v", 0), 1);
    EXPECT_EQ(store->getInt32(u"1st", u"2k", 0), 2);
    EXPECT_FALSE(store->setInt32(u"1st", u"v", 5));
    EXPECT_TRUE(store->setInt32(u"Other", u"v", 5));
    ASSERT_TRUE(store->save());
    EXPECT_EQ(fileText(path),
              "<savedata><1st v=\"1\" 2k=\"2\"></1st><Other v=\"5\"></Other></savedata>");
}

TEST(XmlMappedDataTest, AwkwardValuesReadBackExactlyAfterAReload) {
    const std::u16string values[] = {u"",
                                     u" ",
                                     u"  padded  ",
                                     u"\t",
                                     u"\ttabs\t",
                                     u"\r\n lines \r\n",
                                     u"\n",
                                     u"\u00a0no-break\u00a0",
                                     u"\u3000ideographic\u3000",
                                     u"\u2003em\u2003",
                                     u"mixed\t \u3000\r\n\t",
                                     u"a&b<c>\"d'e=f",
                                     u"&#160;&#65279;&#9;&amp;",
                                     u"\ufeff",
                                     u"Gr\u00f6\u00dfe \u65e5\u672c \U0001F600"};
    std::u16string path = freshFile("values");
    {
        PoolRef<MappedData> store(MappedData::open(path.c_str()));
        ASSERT_TRUE(store);
        std::uint32_t i = 0;
        for (const std::u16string& value : values) {
            std::u16string section = u"V\\s" + std::u16string(1, u'a' + i++);
            EXPECT_TRUE(store->setString(section.c_str(), u"", value.c_str()));
            EXPECT_TRUE(store->setString(section.c_str(), u"k", value.c_str()));
            EXPECT_EQ(std::u16string(store->getString(section.c_str(), u"", u"-")), value);
        }
        store->openSection(u"V\\untouched");
        ASSERT_TRUE(store->save());
    }
    PoolRef<MappedData> again(MappedData::open(path.c_str()));
    ASSERT_TRUE(again);
    std::uint32_t i = 0;
    for (const std::u16string& value : values) {
        std::u16string section = u"V\\s" + std::u16string(1, u'a' + i++);
        EXPECT_TRUE(again->hasValue(section.c_str(), u"")) << i;
        EXPECT_EQ(std::u16string(again->getString(section.c_str(), u"", u"-")), value) << i;
        EXPECT_EQ(std::u16string(again->getString(section.c_str(), u"k", u"-")), value) << i;
    }
    // No content is still "no value", unlike the empty one.
    EXPECT_FALSE(again->hasValue(u"V\\untouched", u""));
    EXPECT_EQ(std::u16string(again->getString(u"V\\untouched", u"", u"-")), u"-");
}

TEST(XmlMappedDataTest, RefusesHalfASurrogatePairWhichTheFileCannotCarry) {
    PoolRef<MappedData> store(MappedData::open(nullptr));
    ASSERT_TRUE(store);
    EXPECT_FALSE(store->setString(u"V", u"k", u"a\xd800"));
    EXPECT_FALSE(store->setString(u"V", u"", u"\xdc00z"));
    EXPECT_FALSE(store->setExpandString(u"V", u"e", u"\xdc00\xd800"));
    EXPECT_FALSE(store->hasSection(u"V"));
    EXPECT_TRUE(store->setString(u"V", u"k", u"\xd83d\xde00")); // a whole pair
}

namespace {

// Opens a store on whatever is at path, expects it read-only and empty, and
// tries to write through every route: each answers false.
void expectReadOnlyStore(const std::u16string& path, const char* label) {
    PoolRef<MappedData> store(MappedData::open(path.c_str()));
    ASSERT_TRUE(store) << label;
    EXPECT_TRUE(store->isReadOnly()) << label;
    EXPECT_EQ(store->getInt32(u"V", u"x", -1), -1) << label;
    EXPECT_FALSE(store->save()) << label;
    store->setAutoSave(true);
    EXPECT_FALSE(store->setInt32(u"V", u"x", 2)) << label;
    EXPECT_EQ(store->getInt32(u"V", u"x", -1), 2) << label; // this run still sees it
    EXPECT_FALSE(store->removeSection(u"")) << label;
    store->setAutoSave(false);
    EXPECT_TRUE(store->setString(u"Language", u"", u"English")) << label;
    EXPECT_FALSE(store->save()) << label; // what the owner does before it lets go
}

} // namespace

TEST(XmlMappedDataTest, AFileThatCannotBeReadIsNeverOverwritten) {
    // A folder where the file should be.
    std::u16string folder = freshFile("folder");
    ASSERT_TRUE(File::createParentFolders((folder + u"/x").c_str()));
    expectReadOnlyStore(folder, "folder");
    EXPECT_TRUE(File::isFolder(folder.c_str()));
    EXPECT_FALSE(File::exists(File::temporaryPath(folder.c_str()).data()));

    // A file over the size limit, and one exactly at it (which is read).
    std::string document = "<savedata><V x=\"1\"></V></savedata>";
    std::string limit(MappedData::kMaxFileSize, ' ');
    limit.replace(0, document.size(), document);
    std::u16string atLimit = freshFile("at-limit");
    writeFile(atLimit, limit);
    PoolRef<MappedData> readable(MappedData::open(atLimit.c_str()));
    EXPECT_FALSE(readable->isReadOnly());
    EXPECT_EQ(readable->getInt32(u"V", u"x", 0), 1);

    std::u16string tooLarge = freshFile("too-large");
    writeFile(tooLarge, limit + " ");
    std::vector<std::uint8_t> before = fileBytes(tooLarge);
    expectReadOnlyStore(tooLarge, "too large");
    EXPECT_TRUE(fileBytes(tooLarge) == before);

    // Only a file that is not there at all starts a fresh document.
    std::u16string missing = freshFile("missing");
    PoolRef<MappedData> fresh(MappedData::open(missing.c_str()));
    EXPECT_FALSE(fresh->isReadOnly());
    EXPECT_TRUE(fresh->save());
    EXPECT_EQ(fileText(missing), "<savedata></savedata>");
}
