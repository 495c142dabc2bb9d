#pragma once
#include <cstdint>

namespace s::lang {
class Localizer;
}
namespace s::map {
class IMappedData;
}

namespace s::app::update {

class IPageOpener;
class IUpdateAsker;
class IUpdateNetwork;

// The check, at most once every 30 days, whether the maker's server knows a
// newer version, and the offer to open the product page when it does.
//
// Everything the check touches comes in through its context, so that the
// window settings object wires it to the real store, localizer, downloader,
// confirmation dialog and shell, and tests wire it to doubles:
//   - texts from the window's localizer: 400200 (empty switches the check
//     off), the offer texts, and the product block at textBase (+3 the
//     product page, +6 the version page, +10 the version text);
//   - the settings store and the window name: the hour of the last check is
//     the 32-bit value "Update" in section <window>\Version;
//   - the network, the asker and the page opener.
//
// The server's answer is only ever searched for the version text: it is
// never shown, stored or opened. The only page the check opens is the
// product page of the language pack.
//
// Not pooled and not shared: made on the stack by the caller, used once on
// the caller's thread, which run() blocks for the network's bound and then
// for as long as the question is open.
class UpdateCheck {
public:
    // Text ids of the check.
    static constexpr std::int32_t kEnabledTextId = 400200;  // empty: no check
    static constexpr std::int32_t kOfferTextId = 400210;    // title and first line
    static constexpr std::int32_t kQuestionTextId = 400230; // second line
    static constexpr std::int32_t kYesTextId = 400330;      // first button
    static constexpr std::int32_t kNoTextId = 400340;       // second button
    static constexpr std::int32_t kProductPageOffset = 3;   // from textBase
    static constexpr std::int32_t kVersionPageOffset = 6;   // from textBase
    static constexpr std::int32_t kVersionTextOffset = 10;  // from textBase

    struct Context {
        s::lang::Localizer* localizer = nullptr;
        s::map::IMappedData* store = nullptr;
        const char16_t* windowName = nullptr; // "MainWindow"
        std::int32_t textBase = 0;            // the product identity block
        IUpdateNetwork* network = nullptr;
        IUpdateAsker* asker = nullptr;
        IPageOpener* opener = nullptr;
    };

    // How a run ended; the program ignores it, tests read it.
    enum class Outcome {
        Incomplete,      // a part of the context is missing: nothing done
        Disabled,        // text 400200 is empty
        FirstStart,      // no earlier check: only the hour was stored
        NotDue,          // the last check is less than 30 days old
        UnusableVersion, // the version text cannot be compared
        Offline,         // not connected: nothing stored, tried next start
        NoOffer,         // failed transfer, answer not counting, or current
        Declined,        // newer version offered, user said No
        Accepted,        // newer version offered, product page opened
    };

    // The request's suffix to the version page, the offer's line break, and
    // where the hour of the last check is stored.
    static constexpr const char16_t* kVersionRequestSuffix = u"check/";
    static constexpr const char16_t* kMessageSeparator = u" \r\n";
    static constexpr const char16_t* kSectionSuffix = u"\\Version";
    static constexpr const char16_t* kUpdateKey = u"Update";

    explicit UpdateCheck(const Context& context) : parts(context) {}

    // Runs the check at `nowHour` (whole hours since 1970, UTC).
    Outcome run(std::int64_t nowHour);

private:
    // Asks the server; true when it answered with a newer version.
    bool newerVersionAvailable(const char16_t* versionText);
    // Shows the offer; true when the user chose Yes.
    bool offer();
    void storeHour(std::int64_t nowHour);

    Context parts;
};

} // namespace s::app::update
