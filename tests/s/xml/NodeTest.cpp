#include "s/xml/Node.h"

#include "s/col/_array/ArrayU08.h"
#include "s/io/File.h"
#include "s/str/strbuffer/SharedScratch.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/PoolRef.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

using s::str::strbuffer::StrBuffer;
using s::thread::PoolRef;
using s::xml::Node;

namespace {

std::u16string textOf(const Node& node) {
    auto text = PoolRef<StrBuffer>(node.toText());
    return std::u16string(text->c_str());
}

std::u16string stringOf(const Node& node, const char16_t* name) {
    auto text = PoolRef<StrBuffer>::take();
    node.getString(text.get(), name, u"<missing>");
    return std::u16string(text->c_str());
}

std::u16string raw(const Node& node, const char16_t* name) {
    const char16_t* value = node.getRaw(name);
    return value == nullptr ? u"<missing>" : value;
}

} // namespace

TEST(NodeTest, ReadsAttributesWithSpacesAroundTheEqualsSignAndEmptyElements) {
    auto node = PoolRef<Node>::take();
    const char16_t* text = u"<a x=\"1\" y = \"2\"/>tail";
    const char16_t* end = node->parse(text);
    EXPECT_EQ(std::u16string(end), u"tail");
    EXPECT_EQ(std::u16string(node->getName()), u"a");
    EXPECT_EQ(node->getInt32(u"x", 0), 1);
    EXPECT_EQ(node->getInt32(u"y", 0), 2);
    EXPECT_EQ(node->childCount(), 0u);
    EXPECT_EQ(node->attributes().count(), 2u);
}

TEST(NodeTest, KeepsContentRawAndDecodesItWithoutLayoutWhitespace) {
    auto node = PoolRef<Node>::take();
    node->parse(u"<a>  hello  <b/></a>");
    EXPECT_EQ(raw(*node, u""), u"hello  ");
    EXPECT_EQ(stringOf(*node, u""), u"hello");
    ASSERT_EQ(node->childCount(), 1u);
    EXPECT_TRUE(node->childAt(0)->nameEquals(u"B"));
    EXPECT_FALSE(node->childAt(0)->nameEquals(u"B", 1));
    EXPECT_TRUE(node->childAt(0)->nameEquals(u"bx", 1));
}

TEST(NodeTest, DropsCommentsAndClosesOnAnyEndTag) {
    auto node = PoolRef<Node>::take();
    node->parse(u"<a><!-- note --><b></b></a>");
    ASSERT_EQ(node->childCount(), 1u);
    EXPECT_EQ(std::u16string(node->childAt(0)->getName()), u"b");

    const char16_t* text = u"<a></b>rest";
    EXPECT_EQ(std::u16string(node->parse(text)), u"rest");
    EXPECT_EQ(std::u16string(node->getName()), u"a");
    EXPECT_EQ(node->childCount(), 0u);
}

TEST(NodeTest, KeepsOnlyTheFirstContentRecord) {
    auto node = PoolRef<Node>::take();
    node->parse(u"<a>first<b/>second<c/>third</a>");
    EXPECT_EQ(node->childCount(), 2u);
    EXPECT_EQ(node->attributes().count(), 1u);
    EXPECT_EQ(stringOf(*node, u""), u"first");
    EXPECT_EQ(textOf(*node), u"<a>first<b></b><c></c></a>");
}

TEST(NodeTest, WritesOneLineWithOpenAndCloseTagsAndReadsItBack) {
    auto root = PoolRef<Node>::take();
    root->setName(u"savedata");
    Node* view = root->addChild(u"View");
    view->setInt32(u"X", -5);
    view->setUInt8(u"On", 1);
    view->setString(u"t", u"x\ny&\"<>");
    Node* id = root->addChild(u"SoftwareID");
    id->setString(u"", u"Vexa Magnifier");
    root->addChild(u"Empty");
    EXPECT_EQ(textOf(*root),
              u"<savedata><View X=\"-5\" On=\"1\" t=\"x&#10;y&amp;&quot;&lt;>\"></View>"
              u"<SoftwareID>Vexa&#160;Magnifier</SoftwareID><Empty></Empty></savedata>");

    auto copy = PoolRef<Node>::take();
    auto written = PoolRef<StrBuffer>(root->toText());
    copy->parse(written->c_str());
    EXPECT_EQ(textOf(*copy), std::u16string(written->c_str()));
    EXPECT_EQ(stringOf(*copy->getChild(u"view"), u"T"), u"x\ny&\"<>");
    EXPECT_EQ(stringOf(*copy->getChild(u"softwareid"), u""), u"Vexa Magnifier");
    EXPECT_EQ(stringOf(*copy->getChild(u"softwareid"), u"nothing"), u"<missing>");
}

TEST(NodeTest, ContentEncodingKeepsEncodedSpacesAndLineBreaksAtTheEnds) {
    auto node = PoolRef<Node>::take();
    node->setName(u"n");
    node->setString(u"", u" a b \n");
    EXPECT_EQ(textOf(*node), u"<n>&#160;a&#160;b&#160;&#10;</n>");
    EXPECT_EQ(stringOf(*node, u""), u" a b \n");

    node->parse(u"<n>\r\n\t x&gt;&#13;&unknown; \t</n>");
    EXPECT_EQ(stringOf(*node, u""), u"x>\r&unknown;");
    node->parse(u"<n a=\"&gt;&#160;&lt;&amp\"/>");
    EXPECT_EQ(stringOf(*node, u"a"), u"&gt;&#160;<&amp");
}

TEST(NodeTest, TypedGettersParseTheStoredTextAndFallBackWhenAbsent) {
    auto node = PoolRef<Node>::take();
    node->parse(u"<a one=\"1\" t=\"true\" ti=\"trueish\" T=\"True\" y=\"yes\" big=\"300\" "
                u"neg=\"-1\" junk=\"12abc\" none=\"abc\" f=\"2.5\" e=\"\"/>");
    EXPECT_TRUE(node->getBool(u"one", false));
    EXPECT_TRUE(node->getBool(u"ti", false));
    EXPECT_TRUE(node->getBool(u"t", false)); // the first "t" ignoring case
    EXPECT_FALSE(node->getBool(u"y", true));
    EXPECT_FALSE(node->getBool(u"e", true));
    EXPECT_TRUE(node->getBool(u"missing", true));
    EXPECT_EQ(node->getUInt8(u"big", 0), 44);
    EXPECT_EQ(node->getUInt32(u"neg", 0), 4294967295u);
    EXPECT_EQ(node->getInt8(u"neg", 0), -1);
    EXPECT_EQ(node->getInt32(u"junk", 0), 12);
    EXPECT_EQ(node->getInt32(u"none", 7), 0);
    EXPECT_EQ(node->getInt64(u"missing", -9), -9);
    EXPECT_DOUBLE_EQ(node->getDouble(u"f", 0), 2.5);
    EXPECT_FLOAT_EQ(node->getFloat(u"missing", 1.25f), 1.25f);

    std::uint32_t index = 0;
    EXPECT_TRUE(node->attributes().find(u"BIG", index));
    EXPECT_EQ(index, 5u);
    EXPECT_FALSE(node->attributes().find(u"bi", index));
}

TEST(NodeTest, NumberAndHexSettersUseTheStoredFormats) {
    auto node = PoolRef<Node>::take();
    node->setName(u"n");
    node->setUInt64(u"u64", 18446744073709551615ull);
    node->setInt8(u"i8", -1);
    node->setUInt8(u"u8", 255);
    node->setDouble(u"d", 1.5);
    node->setFloat(u"f", 0.25f);
    const std::uint16_t words[] = {0x1, 0xabcd};
    node->setHex16s(u"h", words, 2);
    const std::uint64_t big[] = {0x0123456789abcdefull};
    node->setHex64s(u"h64", big, 1);
    EXPECT_EQ(textOf(*node), u"<n u64=\"-1\" i8=\"-1\" u8=\"255\" d=\"1.500000\" f=\"0.250000\" "
                             u"h=\"0001abcd\" h64=\"0123456789abcdef\"></n>");
    EXPECT_EQ(node->getUInt64(u"u64", 0), 18446744073709551615ull);
}

TEST(NodeTest, SharedHexSettersWriteTheSameDigitsAndSplitsLongValuesIntoWords) {
    auto node = PoolRef<Node>::take();
    node->setName(u"n");
    const std::uint64_t big[] = {0x1122334455667788ull, 0xfull};
    const std::uint32_t words[] = {0xdeadbeefu, 1u};
    const std::int32_t signedWords[] = {-1, 2};
    const std::uint16_t halves[] = {0xabcd};
    const std::uint8_t bytes[] = {0x00, 0x7f, 0xff};
    node->setSharedHex64s(u"a", big, 2);
    node->setSharedHex32s(u"b", words, 2);
    node->setSharedHex16s(u"c", halves, 1);
    node->setSharedHex8s(u"d", bytes, 3);
    node->setSharedHex32s(u"e", signedWords, 2);
    node->setSharedHex64sAs32s(u"f", big, 2);
    node->setSharedHex8s(u"g", nullptr, 5);
    EXPECT_EQ(raw(*node, u"a"), u"1122334455667788000000000000000f");
    EXPECT_EQ(raw(*node, u"b"), u"deadbeef00000001");
    EXPECT_EQ(raw(*node, u"c"), u"abcd");
    EXPECT_EQ(raw(*node, u"d"), u"007fff");
    EXPECT_EQ(raw(*node, u"e"), u"ffffffff00000002");
    // Lower word first: 0x1122334455667788 is "55667788" then "11223344".
    EXPECT_EQ(raw(*node, u"f"), u"55667788112233440000000f00000000");
    EXPECT_EQ(raw(*node, u"g"), u"");
    node->setHex64s(u"plain", big, 2);
    EXPECT_EQ(raw(*node, u"plain"), raw(*node, u"a"));
}

TEST(NodeTest, SharedHexSettersFromSeveralThreadsKeepTheirOwnDigits) {
    // The scratch buffer is shared by the whole process: each setter must
    // hold it from clearing to copying, or texts of other threads mix in.
    std::vector<std::thread> threads;
    std::vector<int> mismatches(4, 0);
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t, &mismatches] {
            const std::uint64_t values[] = {0x0101010101010101ull * static_cast<std::uint64_t>(t)};
            auto node = PoolRef<Node>::take();
            for (int i = 0; i < 300; ++i) {
                node->setSharedHex64sAs32s(u"v", values, 1);
                std::u16string expected(16, static_cast<char16_t>(u'0' + t));
                for (std::size_t k = 0; k < 16; k += 2) {
                    expected[k] = u'0';
                }
                mismatches[t] += raw(*node, u"v") != expected;
                node->attributes().clear();
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(mismatches, std::vector<int>(4, 0));
}

TEST(NodeTest, LoadsAndSavesThroughAFileObject) {
    std::string folder = ::testing::TempDir() + "vexa-node-file";
    std::u16string path = std::u16string(folder.begin(), folder.end()) + u"/deeper/doc.xml";
    auto file = PoolRef<s::io::File>(s::io::File::newFile(path.c_str()));
    auto node = PoolRef<Node>::take();
    node->parse(u"<doc a=\"1\"><c>x y</c></doc>");
    ASSERT_TRUE(node->save(*file));
    auto again = PoolRef<Node>::take();
    ASSERT_TRUE(again->load(*file));
    EXPECT_EQ(textOf(*again), textOf(*node));
    file->setPath((path + u".missing").c_str());
    EXPECT_FALSE(again->load(*file));
    EXPECT_EQ(again->getName(), nullptr);
    s::io::File::remove(path.c_str());
}

TEST(NodeTest, ChildEditingGivesNodesBackAndFindsByExactOrFoldedName) {
    auto root = PoolRef<Node>::take();
    root->setName(u"r");
    root->addChild(u"One");
    root->addChild(u"Two")->addChild(u"Deep");
    std::uint32_t index = 0;
    EXPECT_TRUE(root->findChild(u"two", index));
    EXPECT_EQ(index, 1u);
    EXPECT_FALSE(root->findChild(u"two", index, 3));
    EXPECT_TRUE(root->findChild(u"Two", index, 3));
    EXPECT_EQ(root->getChild(u"three"), nullptr);
    EXPECT_TRUE(root->removeChild(0));
    EXPECT_FALSE(root->removeChild(5));
    EXPECT_EQ(textOf(*root), u"<r><Two><Deep></Deep></Two></r>");
    root->clear();
    EXPECT_EQ(root->getName(), nullptr);
    EXPECT_EQ(root->childCount(), 0u);
}

TEST(NodeTest, SkipsAPrologBeforeTheRootElement) {
    auto node = PoolRef<Node>::take();
    node->parse(
        u"\xFEFF<?xml version=\"1.0\"?>\n<!DOCTYPE x>\n<!-- c --><root a=\"1\"><b/></root>");
    EXPECT_EQ(std::u16string(node->getName()), u"root");
    EXPECT_EQ(node->childCount(), 1u);
    EXPECT_EQ(raw(*node, u"a"), u"1");
}

TEST(NodeTest, StopsAtTheEndOfTruncatedOrMalformedText) {
    // Every prefix of a document, each copied into a buffer of exactly its
    // length plus terminator, so that a read beyond it is caught by the
    // address sanitizer.
    const std::u16string document =
        u"<?xml v=\"1\"?><!-- c --><a x=\"1\" y = \"2\">text&amp;<b/><!-- n --><c z=\"&lt;\">"
        u"more</c>tail</a>";
    for (std::size_t length = 0; length <= document.size(); ++length) {
        std::vector<char16_t> text(document.begin(), document.begin() + length);
        text.push_back(0);
        auto node = PoolRef<Node>::take();
        const char16_t* end = node->parse(text.data());
        ASSERT_GE(end, text.data());
        ASSERT_LE(end, text.data() + length) << length;
        auto written = PoolRef<StrBuffer>(node->toText());
        EXPECT_NE(written->length(), 0u);
    }
    const char16_t* damaged[] = {u"<a x=\"1", u"<a x=",       u"<a x>",     u"<!--",
                                 u"<!",       u"<",           u"<?xml",     u"<!DOCTYPE",
                                 u"<a><",     u"<a></",       u"<a>< /a>",  u"<a =\"v\">",
                                 u"<a><!-",   u"<a b=\"1\"/", u"text only", u""};
    for (const char16_t* text : damaged) {
        auto node = PoolRef<Node>::take();
        const char16_t* end = node->parse(text);
        EXPECT_EQ(*end, 0) << std::string(text, text + std::char_traits<char16_t>::length(text));
    }
    auto node = PoolRef<Node>::take();
    node->parse(u"<a =\"v\" b=\"2\">");
    EXPECT_EQ(node->attributes().count(), 1u); // no nameless record posing as content
    EXPECT_EQ(node->parse(nullptr), nullptr);
}

TEST(NodeTest, DropsElementsNestedBeyondTheDepthLimit) {
    std::u16string text;
    const std::uint32_t depth = Node::kMaxDepth + 50;
    for (std::uint32_t i = 0; i < depth; ++i) {
        text += u"<e a=\"1\">";
    }
    text += u"deep";
    for (std::uint32_t i = 0; i < depth; ++i) {
        text += u"</e>";
    }
    text += u"after";
    auto node = PoolRef<Node>::take();
    EXPECT_EQ(std::u16string(node->parse(text.c_str())), u"after");
    std::uint32_t levels = 1;
    for (const Node* n = node.get(); n->childCount() > 0; n = n->childAt(0)) {
        ++levels;
    }
    EXPECT_EQ(levels, Node::kMaxDepth);
}

TEST(NodeTest, ParsesUtf8AndWritesUtf8WithoutAByteOrderMark) {
    const std::string utf8 = "<a t=\"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\" bad=\"\xFF\xC3\"/>";
    auto node = PoolRef<Node>::take();
    node->parseUtf8(reinterpret_cast<const std::uint8_t*>(utf8.data()), utf8.size());
    EXPECT_EQ(raw(*node, u"t"), u"\u00E9\u20AC\U0001F600");
    EXPECT_EQ(raw(*node, u"bad"), u"\uFFFD\uFFFD");
    std::vector<std::uint8_t> bytes;
    node->toUtf8Bytes(bytes);
    auto array = PoolRef<s::col::_array::ArrayU08>(node->toUtf8());
    ASSERT_EQ(array->count(), bytes.size());
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), array->data()));
    auto again = PoolRef<Node>::take();
    again->parseUtf8(array.get());
    EXPECT_EQ(textOf(*again), textOf(*node));
    EXPECT_EQ(
        std::string(bytes.begin(), bytes.end()),
        "<a t=\"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\" bad=\"\xEF\xBF\xBD\xEF\xBF\xBD\"></a>");
}

TEST(NodeTest, WalkVisitsEveryElementWithATabPerLevel) {
    auto node = PoolRef<Node>::take();
    node->parse(u"<a><b><c/></b><d/></a>");
    std::u16string seen;
    node->walk(
        u">",
        [](const Node& n, const char16_t* prefix, void* context) {
            auto* out = static_cast<std::u16string*>(context);
            *out += prefix;
            *out += n.getName();
            *out += u"|";
        },
        &seen);
    EXPECT_EQ(seen, u">a|>\tb|>\t\tc|>\td|");
}

TEST(NodeTest, WritesAndReleasesVeryDeepTreesWithoutRecursion) {
    // Built by code, so deeper than the reader would ever keep.
    auto root = PoolRef<Node>::take();
    root->setName(u"r");
    Node* node = root.get();
    const int depth = 100000;
    for (int i = 0; i < depth; ++i) {
        node = node->addChild(u"d");
        ASSERT_NE(node, nullptr);
    }
    node->setString(u"", u"leaf");
    auto text = PoolRef<StrBuffer>(root->toText());
    EXPECT_EQ(text->length(), 3u + 4u + 7u * depth + 4u);
    std::size_t walked = 0;
    root->walk(
        u"", [](const Node&, const char16_t*, void* count) { ++*static_cast<std::size_t*>(count); },
        &walked);
    EXPECT_EQ(walked, static_cast<std::size_t>(depth) + 1);
    root.assign(nullptr); // gives 100001 nodes back without deep recursion
}
