#include "s/str/strbuffer/StrBuffer.h"

#include "s/col/_array/ArrayU08.h"
#include "s/str/Numbers.h"
#include "s/str/strarray/StrArray.h"
#include "s/str/strbuffer/Iterator.h"
#include "s/str/strbuffer/NewStr.h"
#include "s/thread/PoolRef.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

using s::col::_array::ArrayU08;
using s::str::strarray::StrArray;
using s::str::strbuffer::Iterator;
using s::str::strbuffer::StrBuffer;
using s::thread::PoolRef;

PoolRef<StrBuffer> text(const char16_t* units) {
    auto buffer = PoolRef<StrBuffer>::take();
    buffer->assignWcs(units);
    return buffer;
}

std::u16string str(const StrBuffer& buffer) {
    return std::u16string(buffer.c_str(), buffer.length());
}

std::vector<std::u16string> pieces(const StrArray& list) {
    std::vector<std::u16string> result;
    for (std::uint32_t i = 0; i < list.count(); ++i) {
        result.emplace_back(list.textAt(i));
    }
    return result;
}

TEST(StrBufferTest, GrowsTo100UnitsOnTheFirstAppendAndTo300OnTheHundredAndFirst) {
    auto buffer = PoolRef<StrBuffer>::take();
    EXPECT_EQ(0u, buffer->capacity());
    EXPECT_EQ(nullptr, buffer->data());
    buffer->appendChar(u'a');
    EXPECT_EQ(100u, buffer->capacity());
    for (int i = 1; i < 100; ++i) {
        buffer->appendChar(u'a');
    }
    EXPECT_EQ(100u, buffer->capacity());
    buffer->appendChar(u'b');
    EXPECT_EQ(300u, buffer->capacity());
    EXPECT_EQ(101u, buffer->length());
    EXPECT_EQ(u'b', buffer->charAt(100));

    // Appending many units at once steps until they fit; assignment is exact.
    auto bulk = PoolRef<StrBuffer>::take();
    const std::u16string thousand(1000, u'x');
    bulk->append(thousand.data(), 1000);
    EXPECT_EQ(2700u, bulk->capacity());
    auto exact = PoolRef<StrBuffer>::take();
    exact->assign(thousand.data(), 1000);
    EXPECT_EQ(1000u, exact->capacity());
}

TEST(StrBufferTest, ReleasedBufferComesBackEmptyWithoutStorage) {
    StrBuffer* first = StrBuffer::newInstance();
    first->assignWcs(u"some text");
    first->release();
    StrBuffer* second = StrBuffer::newInstance();
    EXPECT_EQ(0u, second->length());
    EXPECT_EQ(0u, second->capacity());
    EXPECT_EQ(nullptr, second->data());
    EXPECT_EQ(std::u16string(u"s_str_strbuffer_StrBuffer"), second->getClassName());
    second->release();
}

TEST(StrBufferTest, CStrOfEmptyBufferIsAConstantAndOtherwiseTheTerminatedStorage) {
    auto empty = PoolRef<StrBuffer>::take();
    empty->reserve(10);
    EXPECT_NE(empty->data(), empty->c_str());
    EXPECT_EQ(u'\0', empty->c_str()[0]);

    auto abc = PoolRef<StrBuffer>::take();
    abc->append(u"abcdef", 6);
    abc->setLength(3);
    EXPECT_EQ(abc->data(), abc->c_str());
    EXPECT_EQ(u'\0', abc->c_str()[3]);

    // A full buffer still has room for the terminator.
    auto full = PoolRef<StrBuffer>::take();
    full->reserve(3);
    full->append(u"xyz", 3);
    EXPECT_EQ(3u, full->capacity());
    EXPECT_EQ(std::u16string(u"xyz"), full->c_str());

    // setLength never exceeds the capacity.
    full->setLength(50);
    EXPECT_EQ(3u, full->length());
}

TEST(StrBufferTest, CharacterSearchesHonourStartAndBound) {
    auto banana = text(u"banana");
    std::uint32_t pos = 99;
    EXPECT_TRUE(banana->lastIndexOf(u'a', pos, StrBuffer::kFromLast));
    EXPECT_EQ(5u, pos);
    EXPECT_TRUE(banana->lastIndexOf(u'a', pos, 3));
    EXPECT_EQ(1u, pos);
    EXPECT_TRUE(banana->lastIndexOf(u'b', pos, 1000));
    EXPECT_EQ(0u, pos);
    pos = 42;
    EXPECT_FALSE(banana->lastIndexOf(u'a', pos, 0));
    EXPECT_FALSE(banana->lastIndexOf(u'x', pos));
    EXPECT_EQ(42u, pos);

    EXPECT_TRUE(banana->indexOf(u'n', pos, 3));
    EXPECT_EQ(4u, pos);
    EXPECT_FALSE(banana->indexOf(u'b', pos, 1));
    EXPECT_FALSE(banana->indexOf(u'a', pos, 6));
    EXPECT_FALSE(banana->indexOf(u'a', pos, 0xFFFFFFFFu));
    EXPECT_TRUE(banana->indexOfIgnoreCase(u'N', pos));
    EXPECT_EQ(2u, pos);
    EXPECT_TRUE(banana->lastIndexOfIgnoreCase(u'B', pos));
    EXPECT_EQ(0u, pos);
    EXPECT_TRUE(banana->indexOfAny(u"xn", -1, pos));
    EXPECT_EQ(2u, pos);
    EXPECT_TRUE(banana->lastIndexOfAny(u"bn", 2, pos, 4));
    EXPECT_EQ(2u, pos);
    EXPECT_TRUE(banana->lastIndexOfAnyIgnoreCase(u"BX", -1, pos));
    EXPECT_EQ(0u, pos);

    auto empty = PoolRef<StrBuffer>::take();
    EXPECT_FALSE(empty->indexOf(u'a', pos));
    EXPECT_FALSE(empty->lastIndexOf(u'a', pos));
    EXPECT_EQ(0u, empty->charAt(0));
}

TEST(StrBufferTest, StringSearchesFindFirstAndLastOccurrences) {
    auto haystack = text(u"one Two one two");
    std::uint32_t pos = 77;
    EXPECT_TRUE(haystack->indexOfString(u"one", pos));
    EXPECT_EQ(0u, pos);
    EXPECT_TRUE(haystack->indexOfString(u"one", pos, 1));
    EXPECT_EQ(8u, pos);
    EXPECT_FALSE(haystack->indexOfString(u"one", pos, 9));
    EXPECT_TRUE(haystack->indexOfStringIgnoreCase(u"TWO", pos));
    EXPECT_EQ(4u, pos);
    EXPECT_TRUE(haystack->lastIndexOfString(u"one", pos));
    EXPECT_EQ(8u, pos);
    EXPECT_TRUE(haystack->lastIndexOfString(u"one", pos, 10));
    EXPECT_EQ(0u, pos);
    EXPECT_TRUE(haystack->lastIndexOfStringIgnoreCase(u"TWO", pos, 14));
    EXPECT_EQ(4u, pos);
    pos = 77;
    EXPECT_FALSE(haystack->indexOfString(u"", pos));
    EXPECT_FALSE(haystack->indexOfStringIgnoreCase(u"", pos));
    EXPECT_FALSE(haystack->lastIndexOfString(u"three", pos));
    EXPECT_FALSE(haystack->indexOfString(u"one Two one two and more", pos));
    EXPECT_EQ(77u, pos);

    auto prefix = haystack->beforeLastString(u"one");
    EXPECT_EQ(u"one Two ", str(*prefix));
    prefix->release();
    prefix = haystack->beforeLast(u'z');
    EXPECT_EQ(0u, prefix->length());
    prefix->release();
    prefix = haystack->beforeLastIgnoreCase(u'T');
    EXPECT_EQ(u"one Two one ", str(*prefix));
    prefix->release();
}

TEST(StrBufferTest, BeforeLastSearchesBackFromItsBeforeArgument) {
    // Each form takes the bound of its search: the occurrence found is the
    // last one starting before `before` (for strings: ending at or before it).
    auto banana = text(u"banana");
    const struct {
        StrBuffer* prefix;
        const char16_t* expected;
    } cases[] = {
        {banana->beforeLast(u'a', 3), u"b"},
        {banana->beforeLast(u'a'), u"banan"},
        {banana->beforeLast(u'a', 1), u""},
        {banana->beforeLastIgnoreCase(u'N', 4), u"ba"},
        {banana->beforeLastAny(u"nx", 2, 4), u"ba"},
        {banana->beforeLastAnyIgnoreCase(u"XN", -1, 5), u"bana"},
        {banana->beforeLastString(u"an", 5), u"ban"},
        {banana->beforeLastString(u"an", 2), u""},
        {banana->beforeLastStringIgnoreCase(u"AN", 4), u"b"},
        {banana->beforeLastStringIgnoreCase(u"AN", 0xFFFFFFu), u"ban"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.expected, str(*c.prefix));
        c.prefix->release();
    }
}

TEST(StrBufferTest, RegionMatchesWithMinusOneMustReachTheEnd) {
    auto banana = text(u"banana");
    EXPECT_TRUE(banana->regionMatches(2, u"nana", 0, -1));
    EXPECT_FALSE(banana->regionMatches(1, u"ana", 0, -1));
    EXPECT_TRUE(banana->regionMatches(1, u"ana", 0, 3));
    EXPECT_TRUE(banana->regionMatches(3, u"xana", 1, 3));
    EXPECT_FALSE(banana->regionMatches(4, u"nana", 0, 4));
    EXPECT_FALSE(banana->regionMatches(0xFFFFFFF0u, u"nana", 0, 4));
    EXPECT_TRUE(banana->regionMatchesIgnoreCase(2, u"NANA", 0, -1));
    EXPECT_FALSE(banana->regionMatches(2, u"NANA", 0, -1));

    EXPECT_TRUE(banana->startsWith(u"ban"));
    EXPECT_TRUE(banana->startsWith(u"banx", 3));
    EXPECT_FALSE(banana->startsWith(u"bananas"));
    EXPECT_TRUE(banana->startsWithIgnoreCase(u"BAN"));
    EXPECT_TRUE(banana->endsWith(u"ana"));
    EXPECT_FALSE(banana->endsWith(u"xbanana"));
    EXPECT_TRUE(banana->endsWithIgnoreCase(u"NANA"));

    EXPECT_EQ(0, banana->compareAt(2, u"nana", 0));
    EXPECT_EQ(1, banana->compareAt(2, u"nan", 0));
    EXPECT_EQ(0, banana->compareAt(2, u"nan", 0, 3));
    EXPECT_EQ(-1, banana->compareAt(7, u"", 0));
    EXPECT_EQ(0, banana->compareAtIgnoreCase(0, u"BANANA", 0));
    EXPECT_EQ(-1, banana->compareAt(0, u"bz", 0));
}

TEST(StrBufferTest, SplitSkipsEmptyPiecesAndWordsAreDistinct) {
    auto list = text(u",a,,b,");
    StrArray* parts = list->split(u',');
    EXPECT_EQ((std::vector<std::u16string>{u"a", u"b"}), pieces(*parts));
    parts->release();

    auto single = text(u"abc");
    parts = single->split(u',');
    EXPECT_EQ((std::vector<std::u16string>{u"abc"}), pieces(*parts));
    parts->release();

    auto sentence = text(u"The cat and the CAT, of 50% +1 -x\x3000\x732b\x732b(dog)");
    StrArray* found = sentence->words(false);
    EXPECT_EQ((std::vector<std::u16string>{u"The", u"cat", u"and", u"of", u"50%", u"+1", u"-x",
                                           u"\x732b\x732b", u"dog"}),
              pieces(*found));
    found->release();
    found = sentence->words(true);
    EXPECT_EQ((std::vector<std::u16string>{u"cat", u"50%", u"+1", u"-x", u"\x732b\x732b", u"dog"}),
              pieces(*found));
    found->release();
}

TEST(StrBufferTest, TrimmingUsesTheWhitespaceSetAndKeepsTheMinimum) {
    auto spaces = text(u"   ");
    spaces->trimEnd(1);
    EXPECT_EQ(u" ", str(*spaces));

    auto mixed = text(u"\t\x3000x");
    mixed->trimStart();
    EXPECT_EQ(u"x", str(*mixed));

    auto both = text(u" \r\n\tword \x3000\n");
    both->trimEnd();
    EXPECT_EQ(u" \r\n\tword", str(*both));
    both->trimStart();
    EXPECT_EQ(u"word", str(*both));

    // Other white space (a no-break space, a vertical tab) is not in the set.
    auto other = text(u"\xA0x\v");
    other->trim();
    EXPECT_EQ(u"\xA0x\v", str(*other));

    auto chars = text(u"--x--");
    chars->trimEndChars(u"-", -1);
    EXPECT_EQ(u"--x", str(*chars));
    chars->trimStartChars(u"-x", 1);
    EXPECT_EQ(u"x", str(*chars));
    auto keep = text(u"ab---");
    keep->trimEndChars(u"-", 4, -1);
    EXPECT_EQ(u"ab--", str(*keep));
}

TEST(StrBufferTest, ReplaceAllWithShorterLongerAndEqualReplacements) {
    auto shorter = text(u"aaaa");
    EXPECT_EQ(2u, shorter->replaceAll(u"aa", u"b"));
    EXPECT_EQ(u"bb", str(*shorter));

    auto longer = text(u"aa");
    EXPECT_EQ(2u, longer->replaceAll(u"a", u"xa"));
    EXPECT_EQ(u"xaxa", str(*longer));

    auto equal = text(u"abcabcab");
    EXPECT_EQ(2u, equal->replaceAll(u"abc", u"xyz"));
    EXPECT_EQ(u"xyzxyzab", str(*equal));

    auto removal = text(u"a--b--c");
    EXPECT_EQ(2u, removal->replaceAll(u"--", u""));
    EXPECT_EQ(u"abc", str(*removal));

    auto ignoring = text(u"One one ONE");
    EXPECT_EQ(3u, ignoring->replaceAllIgnoreCase(u"one", u"2"));
    EXPECT_EQ(u"2 2 2", str(*ignoring));

    auto untouched = text(u"ab");
    EXPECT_EQ(0u, untouched->replaceAll(u"abc", u"x"));
    EXPECT_EQ(0u, untouched->replaceAll(u"", u"x"));
    EXPECT_EQ(0u, untouched->replaceAll(u"z", u"xyz"));
    EXPECT_EQ(u"ab", str(*untouched));

    // Patterns taken from the buffer itself.
    auto self = text(u"xyxy");
    EXPECT_EQ(2u, self->replaceAll(self->c_str() + 2, u"x"));
    EXPECT_EQ(u"xx", str(*self));
}

TEST(StrBufferTest, IntegerAndHexChecks) {
    EXPECT_FALSE(text(u"-")->isInteger());
    EXPECT_TRUE(text(u"-5")->isInteger());
    EXPECT_TRUE(text(u"0123")->isInteger());
    EXPECT_FALSE(text(u"")->isInteger());
    EXPECT_FALSE(text(u"5-")->isInteger());
    EXPECT_FALSE(text(u"+5")->isInteger());
    EXPECT_FALSE(text(u"1.5")->isInteger());

    EXPECT_FALSE(text(u"")->isHex());
    EXPECT_TRUE(text(u"09afAF")->isHex());
    EXPECT_FALSE(text(u"0x1")->isHex());
    EXPECT_EQ(0xDEADBEEFu, text(u"DeadBeef")->parseHex());
    EXPECT_EQ(0x10u, text(u"1g")->parseHex());
    EXPECT_EQ(11u, text(u"b")->hexDigitAt(0));
    EXPECT_EQ(0u, text(u"b")->hexDigitAt(5));

    ArrayU08* bytes = text(u"00ff7A1")->hexToBytes(nullptr, false);
    ASSERT_EQ(3u, bytes->count());
    EXPECT_EQ(0x00, bytes->get(0));
    EXPECT_EQ(0xFF, bytes->get(1));
    EXPECT_EQ(0x7A, bytes->get(2));
    text(u"01")->hexToBytes(bytes, true);
    EXPECT_EQ(4u, bytes->count());
    EXPECT_EQ(0x01, bytes->get(3));
    bytes->release();
}

TEST(StrBufferTest, AppendsNumbersOfEveryWidth) {
    auto out = PoolRef<StrBuffer>::take();
    out->appendInt8(-1);
    out->appendChar(u' ');
    out->appendUInt8(255);
    out->appendChar(u' ');
    out->appendInt16(-32768);
    out->appendChar(u' ');
    out->appendUInt16(65535);
    out->appendChar(u' ');
    out->appendInt32(std::numeric_limits<std::int32_t>::min());
    out->appendChar(u' ');
    out->appendUInt32(4294967295u);
    out->appendChar(u' ');
    out->appendInt64(std::numeric_limits<std::int64_t>::min());
    out->appendChar(u' ');
    out->appendInt64(9007199254740993ll);
    EXPECT_EQ(u"-1 255 -32768 65535 -2147483648 4294967295 -9223372036854775808 9007199254740993",
              str(*out));
    // The number formats reserve their room after one capacity check.
    auto fresh = PoolRef<StrBuffer>::take();
    fresh->appendInt32(7);
    EXPECT_GE(fresh->capacity(), 1u + StrBuffer::kNumberRoom);

    // Both 64-bit kinds use the signed format; the 64-bit parse restores the bits.
    auto big = PoolRef<StrBuffer>::take();
    big->appendUInt64(0xFFFFFFFFFFFFFFFFull);
    EXPECT_EQ(u"-1", str(*big));
    EXPECT_EQ(0xFFFFFFFFFFFFFFFFull, static_cast<std::uint64_t>(big->toInt64()));

    auto floats = PoolRef<StrBuffer>::take();
    floats->appendDouble(1.5);
    floats->appendChar(u' ');
    floats->appendFloat(0.1f);
    floats->appendChar(u' ');
    floats->appendDouble(-2.25);
    floats->appendChar(u' ');
    floats->appendDouble(1e20);
    EXPECT_EQ(u"1.500000 0.100000 -2.250000 100000000000000000000.000000", str(*floats));

    // The largest double needs more than the usual room and is written whole.
    auto huge = PoolRef<StrBuffer>::take();
    huge->appendDouble(std::numeric_limits<double>::max());
    EXPECT_EQ(316u, huge->length());
    EXPECT_TRUE(huge->endsWith(u".000000"));
    EXPECT_TRUE(huge->startsWith(u"179769313486231570"));
    huge->setDouble(std::numeric_limits<double>::infinity());
    EXPECT_EQ(u"inf", str(*huge));
}

TEST(StrBufferTest, SetNumbersReplacesTheTextWithAnExactReserve) {
    auto value = text(u"previous text");
    value->setInt32(-42);
    EXPECT_EQ(u"-42", str(*value));
    value->setUInt8(200);
    EXPECT_EQ(u"200", str(*value));
    value->setInt16(-7);
    EXPECT_EQ(u"-7", str(*value));
    value->setUInt16(40000);
    EXPECT_EQ(u"40000", str(*value));
    value->setInt8(-128);
    EXPECT_EQ(u"-128", str(*value));
    value->setUInt32(3000000000u);
    EXPECT_EQ(u"3000000000", str(*value));
    value->setInt64(-5000000000ll);
    EXPECT_EQ(u"-5000000000", str(*value));
    value->setUInt64(5000000000ull);
    EXPECT_EQ(u"5000000000", str(*value));
    value->setFloat(2.25f);
    EXPECT_EQ(u"2.250000", str(*value));
    value->setDouble(-0.5);
    EXPECT_EQ(u"-0.500000", str(*value));

    auto fresh = PoolRef<StrBuffer>::take();
    fresh->setInt32(12345);
    EXPECT_EQ(5u, fresh->capacity());
}

TEST(StrBufferTest, HexAppendsWriteFixedWidthLowerCaseRuns) {
    auto out = PoolRef<StrBuffer>::take();
    const std::uint64_t wide[] = {0x0123456789ABCDEFull, 1};
    out->appendHex64s(wide, 2);
    EXPECT_EQ(u"0123456789abcdef0000000000000001", str(*out));
    out->clear();
    const std::uint32_t words[] = {0xABCu};
    out->appendHex32s(words, 1);
    const std::uint16_t halves[] = {0xFu, 0xFFFFu};
    out->appendHex16s(halves, 2);
    const std::uint8_t bytes[] = {0x0A, 0xB0};
    out->appendHex8s(bytes, 2);
    EXPECT_EQ(u"00000abc000fffff0ab0", str(*out));
    out->clear();
    out->appendHex64sAs32s(wide, 1);
    EXPECT_EQ(u"89abcdef01234567", str(*out));
}

TEST(StrBufferTest, DecimalParsesSkipSpaceReadSignAndStopAtTheFirstOtherUnit) {
    EXPECT_EQ(-12, text(u"  -12abc")->toInt());
    EXPECT_EQ(7, text(u"\t+7")->toInt());
    EXPECT_EQ(0, text(u"abc")->toInt());
    EXPECT_EQ(0, text(u"")->toInt());
    EXPECT_EQ(0, text(u"-")->toInt());
    EXPECT_EQ(2147483647, text(u"99999999999")->toInt());
    EXPECT_EQ(-2147483647 - 1, text(u"-99999999999")->toInt());
    EXPECT_EQ(34, text(u"12 34")->toInt(3));
    EXPECT_EQ(0, text(u"12")->toInt(5));

    EXPECT_EQ(-9223372036854775807ll - 1, text(u"-9223372036854775808")->toInt64());
    EXPECT_EQ(9223372036854775807ll, text(u"99999999999999999999999")->toInt64());
    EXPECT_EQ(1234567890123ll, text(u"1234567890123")->toInt64());

    EXPECT_EQ(4294967295u, text(u"4294967295")->toUInt32());
    EXPECT_EQ(4294967295u, text(u"-1")->toUInt32());
    EXPECT_EQ(4294967295u, text(u"5000000000")->toUInt32());
    EXPECT_EQ(200u, s::str::Numbers::parseUInt32(u"200 px"));

    EXPECT_DOUBLE_EQ(1.5, text(u" 1.5")->toDouble());
    EXPECT_DOUBLE_EQ(-250.0, text(u"-2.5e2x")->toDouble());
    EXPECT_DOUBLE_EQ(3.0, text(u"3e")->toDouble());
    EXPECT_DOUBLE_EQ(0.5, text(u".5")->toDouble());
    EXPECT_DOUBLE_EQ(0.0, text(u"e5")->toDouble());
    EXPECT_FLOAT_EQ(0.1f, text(u"0.1")->toFloat());
    EXPECT_EQ(std::numeric_limits<double>::infinity(), text(u"1e999")->toDouble());
    EXPECT_EQ(0.0, text(u"1e-999")->toDouble());
    EXPECT_DOUBLE_EQ(2.0, s::str::Numbers::parseDouble(u"2.0", 3));
}

TEST(StrBufferTest, StreamViewReadsAndWritesTheLittleEndianBytes) {
    auto stream = PoolRef<StrBuffer>::take();
    std::uint32_t put = 0;
    EXPECT_TRUE(stream->write("abc", 3, put));
    EXPECT_EQ(3u, put);
    EXPECT_EQ(1u, stream->length());
    EXPECT_EQ(3u, stream->getPosition());
    EXPECT_EQ(u'a' | (u'b' << 8), stream->charAt(0));

    auto source = text(u"AB");
    std::uint8_t bytes[8] = {};
    std::uint32_t got = 99;
    EXPECT_TRUE(source->read(bytes, 3, got));
    EXPECT_EQ(3u, got);
    EXPECT_EQ(0x41, bytes[0]);
    EXPECT_EQ(0x00, bytes[1]);
    EXPECT_EQ(0x42, bytes[2]);
    EXPECT_TRUE(source->read(bytes, 8, got));
    EXPECT_EQ(1u, got);
    EXPECT_FALSE(source->read(bytes, 8, got));
    EXPECT_EQ(0u, got);
    source->seekFromEnd(2);
    EXPECT_EQ(2u, source->getPosition());
    EXPECT_TRUE(source->read(bytes, 0, got));
    EXPECT_EQ(0u, got);
    source->stepBack(10);
    EXPECT_EQ(0u, source->getPosition());
    source->seekToEnd();
    EXPECT_EQ(4u, source->getPosition());

    // Writing past the end fills the gap with zero units.
    auto gap = text(u"x");
    gap->reserve(50);
    std::memset(gap->data() + 1, 0x55, 20);
    gap->setPosition(8);
    const char16_t y = u'y';
    EXPECT_TRUE(gap->write(&y, 2, put));
    EXPECT_EQ(5u, gap->length());
    EXPECT_EQ(std::u16string(u"x\0\0\0y", 5), std::u16string(gap->data(), 5));

    // The stream view works through its interfaces too.
    s::io::IOutputStream* output = stream.get();
    output->rewind();
    EXPECT_TRUE(output->write(u"zz", 4, put));
    EXPECT_EQ(u"zz", str(*stream));
}

TEST(StrBufferTest, Utf8RoundTripsIncludingSurrogatePairs) {
    const char16_t sample[] = u"A\xE9\x20AC\xD83D\xDE00z";
    auto original = text(sample);
    ArrayU08* bytes = original->toUtf8(nullptr, false);
    const std::uint8_t expected[] = {0x41, 0xC3, 0xA9, 0xE2, 0x82, 0xAC,
                                     0xF0, 0x9F, 0x98, 0x80, 0x7A, 0x00};
    ASSERT_EQ(sizeof expected, bytes->count());
    EXPECT_EQ(0, std::memcmp(expected, bytes->data(), sizeof expected));

    auto decoded = PoolRef<StrBuffer>::take();
    EXPECT_EQ(6, decoded->fromUtf8(bytes->data(), false));
    EXPECT_TRUE(decoded->equals(original.get()));

    // The second form leaves the zero just past the end; append keeps bytes.
    original->toUtf8(bytes, false, false);
    EXPECT_EQ(sizeof expected - 1, bytes->count());
    EXPECT_EQ(0, bytes->data()[bytes->count()]);
    text(u"!")->toUtf8(bytes, true, false);
    EXPECT_EQ(sizeof expected, bytes->count());
    EXPECT_EQ('!', bytes->get(11));

    // Appending decoded text; an explicit count ignores zero bytes' meaning.
    EXPECT_EQ(3, decoded->fromUtf8("a\0b", true, 3));
    EXPECT_EQ(9u, decoded->length());
    EXPECT_EQ(u'\0', decoded->charAt(7));
    bytes->release();

    // A lone surrogate encodes as U+FFFD.
    auto lone = text(u"\xD800x\xDC00");
    ArrayU08* loneBytes = lone->toUtf8(nullptr, false, false);
    const std::uint8_t replaced[] = {0xEF, 0xBF, 0xBD, 'x', 0xEF, 0xBF, 0xBD};
    ASSERT_EQ(sizeof replaced, loneBytes->count());
    EXPECT_EQ(0, std::memcmp(replaced, loneBytes->data(), sizeof replaced));
    loneBytes->release();
}

TEST(StrBufferTest, InvalidUtf8BecomesReplacementCharacters) {
    auto out = PoolRef<StrBuffer>::take();
    // Stray continuation, overlong, encoded surrogate, too large, cut short.
    const char bytes[] = "\x80"
                         "a"
                         "\xC0\xAF"
                         "\xED\xA0\x80"
                         "\xF4\x90\x80\x80"
                         "\xE2\x82";
    EXPECT_EQ(12, out->fromUtf8(bytes, false, sizeof bytes - 1));
    EXPECT_EQ(std::u16string(u"\xFFFD"
                             u"a"
                             u"\xFFFD\xFFFD"
                             u"\xFFFD\xFFFD\xFFFD"
                             u"\xFFFD\xFFFD\xFFFD\xFFFD"
                             u"\xFFFD"),
              str(*out));
    // A cut sequence followed by valid text loses only itself.
    EXPECT_EQ(2, out->fromUtf8("\xE2x", false));
    EXPECT_EQ(u"\xFFFDx", str(*out));
    EXPECT_EQ(0, out->fromUtf8(nullptr, false));
    EXPECT_EQ(0u, out->length());
}

TEST(StrBufferTest, Utf16DescriptorsCopyOrSwapBytes) {
    auto source = text(u"A\x20AC");
    ArrayU08* little = source->toCodePage(StrBuffer::kCodePageUtf16, nullptr, false);
    const std::uint8_t le[] = {0x41, 0x00, 0xAC, 0x20, 0x00};
    ASSERT_EQ(sizeof le, little->count());
    EXPECT_EQ(0, std::memcmp(le, little->data(), sizeof le));
    ArrayU08* big = source->toCodePage(StrBuffer::kCodePageUtf16Be, nullptr, false);
    const std::uint8_t be[] = {0x00, 0x41, 0x20, 0xAC, 0x00};
    ASSERT_EQ(sizeof be, big->count());
    EXPECT_EQ(0, std::memcmp(be, big->data(), sizeof be));

    auto back = PoolRef<StrBuffer>::take();
    EXPECT_EQ(2, back->fromCodePage(StrBuffer::kCodePageUtf16Be, big->data(), false, 4));
    EXPECT_TRUE(back->equals(source.get()));
    const std::uint8_t terminated[] = {0x41, 0x00, 0x42, 0x00, 0x00, 0x00, 0x43, 0x00};
    EXPECT_EQ(2, back->fromCodePage(StrBuffer::kCodePageUtf16, terminated, false));
    EXPECT_EQ(u"AB", str(*back));
    little->release();
    big->release();

    // A code page nobody knows is refused and leaves everything unchanged.
    ArrayU08* kept = ArrayU08::newInstance();
    kept->add(7);
    EXPECT_EQ(nullptr, source->toCodePage(4242, kept, false));
    EXPECT_EQ(1u, kept->count());
    EXPECT_EQ(-1, back->fromCodePage(4242, "xyz", false));
    EXPECT_EQ(u"AB", str(*back));
    kept->release();
}

TEST(StrBufferTest, Latin1WorksEverywhereAndUnknownPagesAreRefused) {
    constexpr std::uint32_t kLatin1 = 28591;
    auto source = text(u"\xE9t\x20AC");
    ArrayU08* bytes = source->toCodePage(kLatin1, nullptr, false, false);
    ASSERT_NE(nullptr, bytes);
    const std::uint8_t expected[] = {0xE9, 't', '?'};
    ASSERT_EQ(sizeof expected, bytes->count());
    EXPECT_EQ(0, std::memcmp(expected, bytes->data(), sizeof expected));
    auto back = PoolRef<StrBuffer>::take();
    EXPECT_EQ(3, back->fromCodePage(kLatin1, bytes->data(), false, 3));
    EXPECT_EQ(u"\xE9t?", str(*back));
    bytes->release();

    // The OEM page converts where the platform knows it and is refused
    // (null, -1, nothing changed) where it does not.
    ArrayU08* oem = source->toOem(nullptr, false);
    const std::int32_t decoded = back->fromOem("abc", true);
    if (oem != nullptr) {
        EXPECT_EQ(4u, oem->count());
        EXPECT_EQ(3, decoded);
        EXPECT_EQ(u"\xE9t?abc", str(*back));
        oem->release();
    } else {
        EXPECT_EQ(-1, decoded);
        EXPECT_EQ(u"\xE9t?", str(*back));
    }
}

TEST(StrBufferTest, ComparisonsAndHashes) {
    auto a = text(u"Abc");
    auto b = text(u"abc");
    auto longer = text(u"abcd");
    EXPECT_FALSE(a->equals(b.get()));
    EXPECT_TRUE(a->equalsIgnoreCase(b.get()));
    EXPECT_EQ(0, a->compareToIgnoreCase(b.get()));
    EXPECT_LT(a->compareTo(b.get()), 0);
    EXPECT_LT(b->compareTo(longer.get()), 0);
    EXPECT_GT(longer->compareTo(b.get()), 0);
    EXPECT_NE(a->hashCode(), b->hashCode());
    EXPECT_EQ(a->hashCodeIgnoreCase(), b->hashCodeIgnoreCase());
    EXPECT_EQ(b->hashCode(), b->hashCodeIgnoreCase());
    EXPECT_FALSE(a->equals(nullptr));

    // Byte order of UTF-16LE: U+0201 sorts before U+0102 (low byte first).
    auto lowFirst = text(u"\x0201");
    auto highFirst = text(u"\x0102");
    EXPECT_LT(lowFirst->compareTo(highFirst.get()), 0);
    EXPECT_GT(lowFirst->compareWcs(u"\x0102"), 0);

    // The hash shifts in bit 30: "ab" = (('a' << 1) ^ 'b').
    EXPECT_EQ(((u'a' << 1) ^ u'b'), text(u"ab")->hashCode());
    EXPECT_TRUE(a->equalsWcs(u"Abc"));
    EXPECT_TRUE(a->equalsWcsIgnoreCase(u"ABC"));
    EXPECT_FALSE(a->equalsWcs(u"Ab"));
}

TEST(StrBufferTest, EditingKeepsTextConsistentEvenWithItsOwnUnits) {
    auto value = text(u"world");
    value->prepend(u"hello ", 6);
    EXPECT_EQ(u"hello world", str(*value));
    value->insert(5, u",", 1);
    EXPECT_EQ(u"hello, world", str(*value));
    value->keepRange(7, 100);
    EXPECT_EQ(u"world", str(*value));
    value->keepRange(9, 10);
    EXPECT_EQ(0u, value->length());

    // Appending a buffer to itself across a growth step.
    auto doubled = text(u"0123456789");
    for (int i = 0; i < 5; ++i) {
        doubled->appendStr(doubled.get());
    }
    EXPECT_EQ(320u, doubled->length());
    EXPECT_TRUE(doubled->endsWith(u"01234567890123456789"));
    doubled->assign(doubled->data() + 310, 10);
    EXPECT_EQ(u"0123456789", str(*doubled));
    doubled->insert(0, doubled->data() + 8, 2);
    EXPECT_EQ(u"890123456789", str(*doubled));

    auto casing = text(u"hELLO wORLD");
    casing->toCapitalized();
    EXPECT_EQ(u"Hello world", str(*casing));
    casing->toUpperCase();
    EXPECT_EQ(u"HELLO WORLD", str(*casing));
    casing->reverse();
    EXPECT_EQ(u"DLROW OLLEH", str(*casing));

    auto bytes = PoolRef<StrBuffer>::take();
    bytes->appendAsciiz("ab\xE9");
    EXPECT_EQ(u"ab\xE9", str(*bytes));

    StrBuffer* piece = text(u"abcdef")->substring(2, 4);
    EXPECT_EQ(u"cd", str(*piece));
    piece->release();
    piece = text(u"abc")->substring(5, 9);
    EXPECT_EQ(0u, piece->length());
    piece->release();
    StrBuffer* copy = text(u"copy")->clone();
    EXPECT_EQ(u"copy", str(*copy));
    copy->release();
}

TEST(StrBufferTest, IteratorsWalkForwardAndBackward) {
    auto abc = text(u"abc");
    Iterator* forward = abc->iterator();
    EXPECT_EQ(-1, forward->getIndex());
    std::u16string seen;
    while (forward->hasNext()) {
        seen.push_back(*forward->next());
    }
    EXPECT_EQ(u"abc", seen);
    EXPECT_EQ(nullptr, forward->next());
    forward->release();

    Iterator* backward = abc->iteratorAtEnd();
    EXPECT_EQ(3, backward->getIndex());
    seen.clear();
    while (backward->hasPrevious()) {
        seen.push_back(*backward->previous());
    }
    EXPECT_EQ(u"cba", seen);
    EXPECT_EQ(nullptr, backward->previous());
    backward->release();

    Iterator* from = abc->iteratorFrom(1);
    EXPECT_EQ(u'b', *from->next());
    from->release();
    Iterator* fromEnd = abc->iteratorFromEnd(1);
    EXPECT_EQ(u'b', *fromEnd->previous());
    fromEnd->release();

    auto empty = PoolRef<StrBuffer>::take();
    Iterator* none = empty->iterator();
    EXPECT_FALSE(none->hasNext());
    EXPECT_EQ(nullptr, none->next());
    EXPECT_EQ(nullptr, none->skip(3));
    none->release();
}

TEST(StrBufferTest, FactoriesComposeTexts) {
    StrBuffer* single = s::str::strbuffer::newStr(u"abc");
    EXPECT_EQ(u"abc", str(*single));
    single->release();
    StrBuffer* joined = s::str::strbuffer::newStr(u"ab", u"cd");
    EXPECT_EQ(u"abcd", str(*joined));
    joined->release();
    StrBuffer* path = s::str::strbuffer::newPath(u"C:\\dir", u"file.xml");
    EXPECT_EQ(u"C:\\dir\\file.xml", str(*path));
    path->release();
    StrBuffer* nothing = s::str::strbuffer::newStr(nullptr);
    EXPECT_EQ(0u, nothing->length());
    nothing->release();
}

} // namespace
