#include "s/str/strbuffer/StrBuffer.h"

#include "s/col/_array/ArrayU08.h"
#include "s/str/Ascii.h"
#include "s/str/Hex.h"
#include "s/str/Numbers.h"

#include <algorithm>
#include <limits>

// The string buffer's decimal and hexadecimal numbers; the digits themselves
// come from s::str::Numbers and s::str::Hex, like everywhere else.

namespace s::str::strbuffer {

using s::col::_array::ArrayU08;
using s::str::Numbers;

void StrBuffer::appendDecimalText(const char16_t* digits, std::uint32_t count) {
    // One capacity check with a generous room, then the digits go straight
    // after the text.
    const std::uint32_t room = count > kNumberRoom ? count : kNumberRoom;
    if (room > unitCapacity - unitCount) {
        ensureCapacity(unitCount + room);
    }
    copyUnits(items + unitCount, digits, count);
    unitCount += count;
}

void StrBuffer::setDecimalText(const char16_t* digits, std::uint32_t count) {
    // Formatting happens in the caller's stack buffer, so setting a number
    // shares nothing between threads.
    unitCount = 0;
    reserve(count);
    copyUnits(items, digits, count);
    unitCount = count;
}

void StrBuffer::appendInt64(std::int64_t value) {
    char16_t digits[Numbers::kMaxText];
    appendDecimalText(digits, static_cast<std::uint32_t>(Numbers::formatInt64(value, digits)));
}

void StrBuffer::appendUInt64(std::uint64_t value) {
    // Stored texts write both 64-bit kinds with the signed format; the
    // 64-bit parse reads them back to the same bits.
    appendInt64(static_cast<std::int64_t>(value));
}

void StrBuffer::appendInt32(std::int32_t value) {
    char16_t digits[Numbers::kMaxText];
    appendDecimalText(digits, static_cast<std::uint32_t>(Numbers::formatInt32(value, digits)));
}

void StrBuffer::appendUInt32(std::uint32_t value) {
    char16_t digits[Numbers::kMaxText];
    appendDecimalText(digits, static_cast<std::uint32_t>(Numbers::formatUInt32(value, digits)));
}

void StrBuffer::appendDouble(double value) {
    char16_t digits[Numbers::kMaxText];
    appendDecimalText(digits, static_cast<std::uint32_t>(Numbers::formatDouble(value, digits)));
}

void StrBuffer::setInt64(std::int64_t value) {
    char16_t digits[Numbers::kMaxText];
    setDecimalText(digits, static_cast<std::uint32_t>(Numbers::formatInt64(value, digits)));
}

void StrBuffer::setUInt64(std::uint64_t value) {
    setInt64(static_cast<std::int64_t>(value));
}

void StrBuffer::setInt32(std::int32_t value) {
    char16_t digits[Numbers::kMaxText];
    setDecimalText(digits, static_cast<std::uint32_t>(Numbers::formatInt32(value, digits)));
}

void StrBuffer::setUInt32(std::uint32_t value) {
    char16_t digits[Numbers::kMaxText];
    setDecimalText(digits, static_cast<std::uint32_t>(Numbers::formatUInt32(value, digits)));
}

void StrBuffer::setDouble(double value) {
    char16_t digits[Numbers::kMaxText];
    setDecimalText(digits, static_cast<std::uint32_t>(Numbers::formatDouble(value, digits)));
}

template <class T>
static void appendHexValues(StrBuffer& text, const T* values, std::uint32_t count) {
    constexpr unsigned kDigits = sizeof(T) * 2;
    if (values == nullptr || count == 0) {
        return;
    }
    const std::uint64_t units = static_cast<std::uint64_t>(count) * kDigits;
    // The room for the terminator the writer puts after the digits is the
    // one unit every buffer keeps beyond its capacity.
    text.ensureCapacity(static_cast<std::uint32_t>(
        std::min<std::uint64_t>(text.length() + units, std::numeric_limits<std::uint32_t>::max())));
    s::str::Hex::writeAll(values, count, text.data() + text.length());
    text.setLength(text.length() + static_cast<std::uint32_t>(units));
}

void StrBuffer::appendHex64s(const std::uint64_t* values, std::uint32_t count) {
    appendHexValues(*this, values, count);
}

void StrBuffer::appendHex32s(const std::uint32_t* values, std::uint32_t count) {
    appendHexValues(*this, values, count);
}

void StrBuffer::appendHex16s(const std::uint16_t* values, std::uint32_t count) {
    appendHexValues(*this, values, count);
}

void StrBuffer::appendHex8s(const std::uint8_t* values, std::uint32_t count) {
    appendHexValues(*this, values, count);
}

void StrBuffer::appendHex64sAs32s(const std::uint64_t* values, std::uint32_t count) {
    if (values == nullptr) {
        return;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t words[2] = {static_cast<std::uint32_t>(values[i]),
                                        static_cast<std::uint32_t>(values[i] >> 32)};
        appendHexValues(*this, words, 2);
    }
}

std::int32_t StrBuffer::toInt() const {
    return Numbers::parseInt32(items, static_cast<std::int32_t>(unitCount));
}

std::int32_t StrBuffer::toInt(std::uint32_t from) const {
    return from < unitCount
               ? Numbers::parseInt32(items + from, static_cast<std::int32_t>(unitCount - from))
               : 0;
}

std::int64_t StrBuffer::toInt64() const {
    return Numbers::parseInt64(items, static_cast<std::int32_t>(unitCount));
}

std::uint32_t StrBuffer::toUInt32() const {
    return Numbers::parseUInt32(items, static_cast<std::int32_t>(unitCount));
}

double StrBuffer::toDouble() const {
    return Numbers::parseDouble(items, static_cast<std::int32_t>(unitCount));
}

bool StrBuffer::isHex() const {
    if (unitCount == 0) {
        return false;
    }
    for (std::uint32_t i = 0; i < unitCount; ++i) {
        if (s::str::Hex::value(items[i]) < 0) {
            return false;
        }
    }
    return true;
}

std::uint32_t StrBuffer::hexDigitAt(std::uint32_t i) const {
    return s::str::Hex::valueOrZero(charAt(i));
}

std::uint32_t StrBuffer::parseHex() const {
    std::uint32_t value = 0;
    for (std::uint32_t i = 0; i < unitCount; ++i) {
        value = (value << 4) | hexDigitAt(i);
    }
    return value;
}

bool StrBuffer::isInteger() const {
    if (unitCount == 0) {
        return false;
    }
    for (std::uint32_t i = 0; i < unitCount; ++i) {
        if (!s::str::Ascii::isDigit(items[i]) && !(i == 0 && items[i] == u'-' && unitCount > 1)) {
            return false;
        }
    }
    return true;
}

ArrayU08* StrBuffer::hexToBytes(ArrayU08* dest, bool append) const {
    if (dest == nullptr) {
        dest = ArrayU08::newInstance();
    } else if (!append) {
        dest->clear();
    }
    const std::uint32_t pairs = unitCount / 2;
    const std::uint32_t start = dest->count();
    if (!dest->setCount(start + pairs)) {
        return dest;
    }
    std::uint8_t* out = dest->data();
    for (std::uint32_t i = 0; i < pairs; ++i) {
        out[start + i] =
            static_cast<std::uint8_t>((hexDigitAt(2 * i) << 4) | hexDigitAt(2 * i + 1));
    }
    return dest;
}

} // namespace s::str::strbuffer
