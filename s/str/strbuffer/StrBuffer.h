#pragma once
#include "s/io/IInputStream.h"
#include "s/io/IOutputStream.h"
#include "s/str/Ascii.h"
#include "s/str/IStr.h"
#include "s/thread/ClassPool.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace s::col::_array {
class ArrayU08;
}
namespace s::str::strarray {
class StrArray;
}

namespace s::str::strbuffer {

class Iterator;

// The library's one string type: a growable buffer of UTF-16 code units that
// is also a byte stream over its own UTF-16LE text.
//
// Buffers come from the class pool (newInstance(), or PoolRef<StrBuffer>::take())
// and go back with release(), which frees the storage, so idle buffers hold no
// text memory. Whoever receives a buffer from an operation (clone, substring,
// split, the factories, ...) owns it. A buffer is used by one thread at a time;
// the shared number-formatting buffer is reached through SharedScratch.
//
// The storage always has room for capacity + 1 units so that a terminating
// zero fits after the text; the text itself is not kept terminated, c_str()
// writes the zero when asked.
//
// Index arguments out of range give defined results (false, 0, an empty text
// or no change), never an access outside the storage. Texts passed as
// `const char16_t*` are zero-terminated unless a count is given; a count of -1
// means "up to the terminating zero". Ignoring case folds ASCII letters only.
class StrBuffer final : public s::str::IStr,
                        public s::io::IInputStream,
                        public s::io::IOutputStream {
    S_POOLED_CLASS_LIMIT(StrBuffer, u"s_str_strbuffer_StrBuffer", 1000)

public:
    // Search limit meaning "from the last unit" for the backward searches.
    static constexpr std::uint32_t kFromLast = 0xFFFFFF;
    // Code page numbers understood on every platform.
    static constexpr std::uint32_t kCodePageUtf16 = 1200;
    static constexpr std::uint32_t kCodePageUtf16Be = 1201;
    static constexpr std::uint32_t kCodePageUtf8 = 65001;
    // Number formatting reserves this much room after the text.
    static constexpr std::uint32_t kNumberRoom = 256;

    // ---- object model ------------------------------------------------------
    void reset() override { freeStorage(); }

    // UTF-16LE byte order, byte by byte, then by length; the comparator
    // argument is ignored. A non-string compares by identity.
    int compareTo(const s::base::IComparable* other,
                  const s::base::IComparator* comparator = nullptr) const override;
    int compareToIgnoreCase(const s::base::IComparable* other,
                            const s::base::IComparator* comparator = nullptr) const override;
    bool equals(const s::base::IComparable* other,
                const s::base::IComparator* comparator = nullptr) const override;
    bool equalsIgnoreCase(const s::base::IComparable* other,
                          const s::base::IComparator* comparator = nullptr) const override;
    std::int32_t hashCode() const override;
    std::int32_t hashCodeIgnoreCase() const override;

    // Comparisons with plain texts (n = -1: up to the terminating zero).
    bool equalsWcs(const char16_t* text, std::int32_t n = -1) const;
    bool equalsWcsIgnoreCase(const char16_t* text, std::int32_t n = -1) const;
    // Code units as unsigned numbers (-1, 0, 1), the shorter text first.
    int compareWcs(const char16_t* text, std::int32_t n = -1) const;
    int compareWcsIgnoreCase(const char16_t* text, std::int32_t n = -1) const;

    // ---- storage -----------------------------------------------------------
    std::uint32_t length() const override { return unitCount; }
    // Stores n; values above the capacity are cut to the capacity.
    void setLength(std::uint32_t n) { unitCount = n <= unitCapacity ? n : unitCapacity; }
    std::uint32_t capacity() const { return unitCapacity; }
    bool isEmpty() const { return unitCount == 0; }
    // Capacity exactly n when it is smaller (n + 1 units allocated).
    void reserve(std::uint32_t n);
    // One growth step.
    void growOnce();
    // Growth steps until the capacity is at least n.
    void ensureCapacity(std::uint32_t n);
    // Empties the text (and the stream position), keeping the storage.
    void clear() {
        unitCount = 0;
        position = 0;
    }
    // Frees the storage; everything zero.
    void freeStorage();
    // Writes the terminating zero when the text is not empty; the argument of
    // the first form is ignored.
    void terminate(int ignored) const;
    void terminate() const { terminate(0); }

    // The raw units (no terminator written); null before the first allocation.
    const char16_t* data() const override { return items; }
    char16_t* data() { return items; }
    // Zero-terminated text; an empty buffer answers a constant empty string.
    const char16_t* c_str() const override;
    // Address of unit i (i <= length; null otherwise or without storage).
    char16_t* charPtrAt(std::uint32_t i) const;

    // ---- characters --------------------------------------------------------
    // Unit i; 0 when i is outside the text.
    char16_t charAt(std::uint32_t i) const { return i < unitCount ? items[i] : u'\0'; }
    char16_t charAtLower(std::uint32_t i) const { return s::str::Ascii::toLower(charAt(i)); }
    char16_t charAtUpper(std::uint32_t i) const { return s::str::Ascii::toUpper(charAt(i)); }

    void reverse();
    void toLowerCase();
    void toUpperCase();
    // Lower case, then the first unit upper case.
    void toCapitalized();

    // ---- searching ---------------------------------------------------------
    // Searches answer false and leave pos unchanged when nothing is found.
    bool indexOf(char16_t ch, std::uint32_t& pos, std::uint32_t from = 0) const;
    bool indexOfIgnoreCase(char16_t ch, std::uint32_t& pos, std::uint32_t from = 0) const;
    // First unit at or after `from` that is one of the n units of set.
    bool indexOfAny(const char16_t* set, std::int32_t n, std::uint32_t& pos,
                    std::uint32_t from = 0) const;
    bool indexOfAnyIgnoreCase(const char16_t* set, std::int32_t n, std::uint32_t& pos,
                              std::uint32_t from = 0) const;
    // Backward from unit before - 1; kFromLast (or any value above the
    // length) starts at the last unit, 0 finds nothing.
    bool lastIndexOf(char16_t ch, std::uint32_t& pos, std::uint32_t before = kFromLast) const;
    bool lastIndexOfIgnoreCase(char16_t ch, std::uint32_t& pos,
                               std::uint32_t before = kFromLast) const;
    bool lastIndexOfAny(const char16_t* set, std::int32_t n, std::uint32_t& pos,
                        std::uint32_t before = kFromLast) const;
    bool lastIndexOfAnyIgnoreCase(const char16_t* set, std::int32_t n, std::uint32_t& pos,
                                  std::uint32_t before = kFromLast) const;
    // First occurrence of str starting at or after `from`; an empty str is
    // never found.
    bool indexOfString(const char16_t* str, std::uint32_t& pos, std::uint32_t from = 0) const;
    bool indexOfStringIgnoreCase(const char16_t* str, std::uint32_t& pos,
                                 std::uint32_t from = 0) const;
    // Last occurrence of str that ends at or before `before` (kFromLast or a
    // value above the length: the end of the text).
    bool lastIndexOfString(const char16_t* str, std::uint32_t& pos,
                           std::uint32_t before = kFromLast) const;
    bool lastIndexOfStringIgnoreCase(const char16_t* str, std::uint32_t& pos,
                                     std::uint32_t before = kFromLast) const;

    // True when the n units at index equal str from strIndex. n = -1 compares
    // the rest of str and additionally requires the match to reach the end of
    // this text.
    bool regionMatches(std::uint32_t index, const char16_t* str, std::uint32_t strIndex,
                       std::int32_t n) const;
    bool regionMatchesIgnoreCase(std::uint32_t index, const char16_t* str, std::uint32_t strIndex,
                                 std::int32_t n) const;
    // n = -1: the length of str.
    bool startsWith(const char16_t* str, std::int32_t n = -1) const;
    bool startsWithIgnoreCase(const char16_t* str, std::int32_t n = -1) const;
    bool endsWith(const char16_t* str, std::int32_t n = -1) const;
    bool endsWithIgnoreCase(const char16_t* str, std::int32_t n = -1) const;
    // -1 when index > length. Otherwise compares the text from index with str
    // from strIndex as zero-terminated strings (the end of this text counts as
    // a zero): all of it for n = -1, at most n units otherwise. -1, 0 or 1.
    int compareAt(std::uint32_t index, const char16_t* str, std::uint32_t strIndex,
                  std::int32_t n = -1) const;
    int compareAtIgnoreCase(std::uint32_t index, const char16_t* str, std::uint32_t strIndex,
                            std::int32_t n = -1) const;

    // ---- trimming ----------------------------------------------------------
    // The whitespace set: space, line feed, U+3000, tab, carriage return.
    static bool isTrimSpace(char16_t ch);
    void trimEnd() { trimEnd(0); }
    // Never shortens the text below `keep` units.
    void trimEnd(std::uint32_t keep);
    void trimEndChars(const char16_t* set, std::int32_t n) { trimEndChars(set, 0, n); }
    void trimEndChars(const char16_t* set, std::uint32_t keep, std::int32_t n);
    void trimStart();
    void trimStartChars(const char16_t* set, std::int32_t n);
    // Both ends with the whitespace set.
    void trim() {
        trimEnd();
        trimStart();
    }

    // ---- editing -----------------------------------------------------------
    // Appending grows geometrically; assignment reserves exactly.
    void append(const char16_t* units, std::uint32_t n) {
        if (n > unitCapacity - unitCount) {
            appendGrowing(units, n);
            return;
        }
        copyUnits(items + unitCount, units, n);
        unitCount += n;
    }
    void appendChar(char16_t ch) {
        if (unitCount == unitCapacity) {
            growOnce();
        }
        items[unitCount++] = ch;
    }
    void appendStr(const s::str::IStr* other);
    void appendWcs(const char16_t* text);
    // One unit per byte, the byte value being the code (Latin-1).
    void appendAscii(const char* bytes, std::uint32_t n);
    void appendAsciiz(const char* bytes);
    void prepend(const char16_t* units, std::uint32_t n);
    // Inserts n units before unit index (index > length: appends).
    void insert(std::uint32_t index, const char16_t* units, std::uint32_t n);

    void assign(const char16_t* units, std::uint32_t n);
    void assignStr(const s::str::IStr* other);
    void assignWcs(const char16_t* text);

    // Replaces every occurrence of find, left to right, never searching the
    // inserted text. Answers the number of replacements (0 for an empty find).
    std::uint32_t replaceAll(const char16_t* find, const char16_t* with);
    std::uint32_t replaceAllIgnoreCase(const char16_t* find, const char16_t* with);

    // Keeps units [from, min(to, length)) (nothing when from is beyond).
    void keepRange(std::uint32_t from, std::uint32_t to);
    // Removes n units at index (cut at the end of the text).
    void removeRange(std::uint32_t index, std::uint32_t n);

    // ---- new buffers (owned by the caller) ---------------------------------
    StrBuffer* clone() const;
    // Units [from, min(to, length)); empty when from is at or beyond that end.
    StrBuffer* substring(std::uint32_t from, std::uint32_t to = kFromLast) const;
    // The text before the last occurrence found by the named search, with
    // the same arguments (`before` bounds the search as there); an empty
    // buffer when there is none.
    StrBuffer* beforeLast(char16_t ch, std::uint32_t before = kFromLast) const;
    StrBuffer* beforeLastIgnoreCase(char16_t ch, std::uint32_t before = kFromLast) const;
    StrBuffer* beforeLastAny(const char16_t* set, std::int32_t n,
                             std::uint32_t before = kFromLast) const;
    StrBuffer* beforeLastAnyIgnoreCase(const char16_t* set, std::int32_t n,
                                       std::uint32_t before = kFromLast) const;
    StrBuffer* beforeLastString(const char16_t* str, std::uint32_t before = kFromLast) const;
    StrBuffer* beforeLastStringIgnoreCase(const char16_t* str,
                                          std::uint32_t before = kFromLast) const;
    // The pieces between occurrences of ch; empty pieces are skipped.
    s::str::strarray::StrArray* split(char16_t ch) const;
    // The distinct words (see StrBuffer.cpp for what a word is); with
    // skipStopWords, "the", "of" and "and" are left out.
    s::str::strarray::StrArray* words(bool skipStopWords) const;

    // ---- numbers -----------------------------------------------------------
    // Decimal formatting ("%d", "%u"; both 64-bit forms as signed "%I64d",
    // floats "%f" with six decimals, "nan", "inf" and "-inf" for the specials).
    void appendInt64(std::int64_t value);
    void appendUInt64(std::uint64_t value);
    void appendInt32(std::int32_t value);
    void appendUInt32(std::uint32_t value);
    void appendInt16(std::int16_t value) { appendInt32(value); }
    void appendUInt16(std::uint16_t value) { appendUInt32(value); }
    void appendInt8(std::int8_t value) { appendInt32(value); }
    void appendUInt8(std::uint8_t value) { appendUInt32(value); }
    void appendFloat(float value) { appendDouble(static_cast<double>(value)); }
    void appendDouble(double value);
    // The same, replacing the text (exact reserve, no shared state).
    void setInt64(std::int64_t value);
    void setUInt64(std::uint64_t value);
    void setInt32(std::int32_t value);
    void setUInt32(std::uint32_t value);
    void setInt16(std::int16_t value) { setInt32(value); }
    void setUInt16(std::uint16_t value) { setUInt32(value); }
    void setInt8(std::int8_t value) { setInt32(value); }
    void setUInt8(std::uint8_t value) { setUInt32(value); }
    void setFloat(float value) { setDouble(static_cast<double>(value)); }
    void setDouble(double value);

    // Lower-case hex digits, no separators: "%016I64x", "%08x", "%04x",
    // "%02x" per value; the last form writes each 64-bit value as two "%08x"
    // words, lower word first.
    void appendHex64s(const std::uint64_t* values, std::uint32_t count);
    void appendHex32s(const std::uint32_t* values, std::uint32_t count);
    void appendHex16s(const std::uint16_t* values, std::uint32_t count);
    void appendHex8s(const std::uint8_t* values, std::uint32_t count);
    void appendHex64sAs32s(const std::uint64_t* values, std::uint32_t count);

    // Decimal parsing: leading white space, an optional sign, digits up to the
    // first other unit; no digits give 0; values beyond the type saturate.
    // (s::str::Numbers parses plain texts the same way.)
    std::int32_t toInt() const;
    std::int32_t toInt(std::uint32_t from) const;
    std::int64_t toInt64() const;
    // The unsigned form: a minus sign negates modulo 2^32.
    std::uint32_t toUInt32() const;
    // Floating-point parse (decimal point and exponent), rounded to float.
    float toFloat() const { return static_cast<float>(toDouble()); }
    double toDouble() const;

    // True for a non-empty text of 0-9, a-f, A-F only.
    bool isHex() const;
    // 0-15 for a hex digit at i, 0 for anything else.
    std::uint32_t hexDigitAt(std::uint32_t i) const;
    // Every unit shifted in as a hex digit, in 32 bits, no validation.
    std::uint32_t parseHex() const;
    // True for a non-empty text of digits, the first of which may be '-'
    // when more follow.
    bool isInteger() const;

    // ---- code pages --------------------------------------------------------
    // Encodes the text into dest (an ArrayU08 taken from its pool when dest
    // is null), replacing its bytes or appending, followed by a zero byte that
    // counts in dest's length when countTerminator is set and otherwise sits
    // just past the end. Returns dest; null (dest unchanged, a pool array given
    // back) for a code page this platform cannot convert.
    s::col::_array::ArrayU08* toUtf8(s::col::_array::ArrayU08* dest, bool append,
                                     bool countTerminator = true) const;
    s::col::_array::ArrayU08* toCodePage(std::uint32_t codePage, s::col::_array::ArrayU08* dest,
                                         bool append, bool countTerminator = true) const;
    s::col::_array::ArrayU08* toOem(s::col::_array::ArrayU08* dest, bool append,
                                    bool countTerminator = true) const;
    // Decodes n bytes (n = -1: up to the first zero byte, for UTF-16 up to the
    // first zero unit), replacing the text or appending. Answers the number of
    // units added; -1 (text unchanged) for a code page this platform cannot
    // convert. Invalid UTF-8 becomes U+FFFD.
    std::int32_t fromUtf8(const void* bytes, bool append, std::int32_t n = -1);
    std::int32_t fromCodePage(std::uint32_t codePage, const void* bytes, bool append,
                              std::int32_t n = -1);
    std::int32_t fromOem(const void* bytes, bool append, std::int32_t n = -1);
    // Appends length/2 bytes, each pair of hex digits making one byte, to
    // dest (taken from its pool when null; emptied first unless append).
    s::col::_array::ArrayU08* hexToBytes(s::col::_array::ArrayU08* dest, bool append) const;

    // ---- iteration ---------------------------------------------------------
    // New pooled iterators (owned by the caller): before the first unit, after
    // the last, so that next() returns unit i, and i units before the end.
    Iterator* iterator() const;
    Iterator* iteratorAtEnd() const;
    Iterator* iteratorFrom(std::uint32_t i) const;
    Iterator* iteratorFromEnd(std::uint32_t i) const;

    // ---- stream view over the UTF-16LE bytes -------------------------------
    bool read(void* dest, std::uint32_t n, std::uint32_t& got) override;
    // Bytes written past the end extend the text; a gap between the end and a
    // position set beyond it is filled with zero units.
    bool write(const void* src, std::uint32_t n, std::uint32_t& put) override;
    void flush() override {}
    void rewind() override { position = 0; }
    std::uint32_t getPosition() const override { return position; }
    void setPosition(std::uint32_t newPosition) override { position = newPosition; }
    void seekToEnd() override { position = byteLength(); }
    void seekFromEnd(std::uint32_t n) override {
        position = n < byteLength() ? byteLength() - n : 0;
    }
    void skip(std::uint32_t n) override { position += n; }
    void stepBack(std::uint32_t n) override { position = n < position ? position - n : 0; }
    bool canRewind() const override { return true; }
    bool canSeek() const override { return true; }

private:
    StrBuffer() { reset(); }
    ~StrBuffer() override;

    // Largest capacity: the stream view's byte positions must stay 32-bit.
    static constexpr std::uint32_t kMaxCapacity = 0x7FFFFFFEu;

    void appendGrowing(const char16_t* units, std::uint32_t n);
    bool ownsUnits(const char16_t* units) const {
        return items != nullptr && units >= items && units <= items + unitCapacity;
    }
    // Inline so that appends of short texts of a known length become a few
    // moves instead of a library call.
    static void copyUnits(char16_t* dest, const char16_t* src, std::uint32_t n) {
        if (n > 0) {
            std::memmove(dest, src, std::size_t(n) * sizeof(char16_t));
        }
    }
    static std::uint32_t textLength(const char16_t* text, std::int32_t n);
    static std::uint32_t growStep(std::uint32_t capacity);
    std::uint32_t byteLength() const { return unitCount * 2; }
    // Clamps a backward-search limit to the index just past the last unit.
    std::uint32_t searchEnd(std::uint32_t before) const {
        return before > unitCount ? unitCount : before;
    }
    void appendDecimalText(const char16_t* digits, std::uint32_t count);
    void setDecimalText(const char16_t* digits, std::uint32_t count);
    // Replaces the storage with `other`'s (and gives other the old one).
    void swapStorage(StrBuffer& other);
    template <bool IgnoreCase>
    std::uint32_t replaceAllImpl(const char16_t* find, const char16_t* with);
    template <bool IgnoreCase>
    bool findString(const char16_t* str, std::uint32_t strLength, std::uint32_t& pos,
                    std::uint32_t from) const;
    template <bool IgnoreCase>
    bool findLastString(const char16_t* str, std::uint32_t& pos, std::uint32_t before) const;
    StrBuffer* newPrefix(bool found, std::uint32_t end) const;
    s::col::_array::ArrayU08* encode(std::uint32_t codePage, s::col::_array::ArrayU08* dest,
                                     bool append, bool countTerminator) const;

    char16_t* items = nullptr;
    std::uint32_t unitCount = 0;
    std::uint32_t unitCapacity = 0;
    std::uint32_t position = 0;
};

} // namespace s::str::strbuffer
