#pragma once
#include <cstdint>

namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::app::update {

// The rules of the update check that need no system: the clock arithmetic,
// when a check is due, which version texts the check can compare, and how
// the server's answer is read. The answer is untrusted text of any length
// and any characters (bytes one character each, NUL included); every rule
// answers a defined result for it and none treats it as anything but text
// to search. Stateless; any thread.
class UpdateRules {
public:
    // Hours between two checks (30 days).
    static constexpr std::int32_t kIntervalHours = 720;
    // An answer counts only with at least this many characters, the first a '*'.
    static constexpr std::uint32_t kMinAnswerLength = 5;
    static constexpr char16_t kAnswerMark = u'*';
    // 100-ns units from 1601-01-01 (the system's file time) to 1970-01-01.
    static constexpr std::int64_t kUnixEpochFileTime = 116444736000000000LL;

    // Whole hours since 1970-01-01 00:00 UTC of a system file time, with the
    // 64-bit integer divisions of the stored format (milliseconds first).
    static std::int64_t hourFromFileTime(std::uint64_t fileTime);
    // The hour as the 32-bit stored value; a clock outside that range (far
    // before 1970 or after the year 200000) is pinned to its ends.
    static std::int32_t storedHour(std::int64_t hour);
    // True when a check recorded at `lastHour` is 30 days old at `nowHour`.
    static bool isDue(std::int32_t lastHour, std::int64_t nowHour);
    // True when the running version's text can be compared: exactly two
    // characters after its last full stop ("1.19"), or, without a full stop,
    // exactly three characters.
    static bool isVersionTextUsable(const char16_t* versionText);
    // True when the answer counts at all: long enough and marked.
    static bool answerCounts(const s::str::strbuffer::StrBuffer& answer);
    // True when a counting answer does not name the running version anywhere,
    // i.e. a newer version is offered.
    static bool offersNewerVersion(const s::str::strbuffer::StrBuffer& answer,
                                   const char16_t* versionText);
};

} // namespace s::app::update
