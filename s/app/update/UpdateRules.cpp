#include "s/app/update/UpdateRules.h"

#include "s/str/strbuffer/StrBuffer.h"

#include <limits>

namespace s::app::update {

namespace {

constexpr std::int64_t kFileTimeUnitsPerMs = 10000;
constexpr std::int64_t kMsPerSecond = 1000;
constexpr std::int64_t kSecondsPerHour = 3600;
// Characters a version text carries after its last full stop.
constexpr std::uint32_t kMinorDigits = 2;
// Length of a version text without a full stop.
constexpr std::uint32_t kPlainVersionLength = 3;

std::uint32_t textLength(const char16_t* text) {
    std::uint32_t length = 0;
    while (text[length] != 0) {
        ++length;
    }
    return length;
}

} // namespace

std::int64_t UpdateRules::hourFromFileTime(std::uint64_t fileTime) {
    // Signed arithmetic so that a clock before 1970 gives a negative hour
    // instead of a huge one; the file time itself fits 63 bits until 30828.
    const std::int64_t units = static_cast<std::int64_t>(
        fileTime & static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()));
    const std::int64_t ms = (units - kUnixEpochFileTime) / kFileTimeUnitsPerMs;
    return ms / kMsPerSecond / kSecondsPerHour;
}

std::int32_t UpdateRules::storedHour(std::int64_t hour) {
    if (hour > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (hour < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(hour);
}

bool UpdateRules::isDue(std::int32_t lastHour, std::int64_t nowHour) {
    // 64-bit sum: a stored value near the top of its range must not wrap.
    return nowHour >= static_cast<std::int64_t>(lastHour) + kIntervalHours;
}

bool UpdateRules::isVersionTextUsable(const char16_t* versionText) {
    if (versionText == nullptr) {
        return false;
    }
    const std::uint32_t length = textLength(versionText);
    for (std::uint32_t index = length; index > 0; --index) {
        if (versionText[index - 1] == u'.') {
            return length - index == kMinorDigits;
        }
    }
    return length == kPlainVersionLength;
}

bool UpdateRules::answerCounts(const s::str::strbuffer::StrBuffer& answer) {
    return answer.length() >= kMinAnswerLength && answer.charAt(0) == kAnswerMark;
}

bool UpdateRules::offersNewerVersion(const s::str::strbuffer::StrBuffer& answer,
                                     const char16_t* versionText) {
    if (!answerCounts(answer) || !isVersionTextUsable(versionText)) {
        return false;
    }
    // The search runs over the answer's length, so NUL characters inside
    // the answer are searched past like any other.
    std::uint32_t position = 0;
    return !answer.indexOfString(versionText, position);
}

} // namespace s::app::update
