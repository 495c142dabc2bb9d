#include "s/app/update/UpdateCheck.h"

#include "s/app/update/IPageOpener.h"
#include "s/app/update/IUpdateAsker.h"
#include "s/app/update/IUpdateNetwork.h"
#include "s/app/update/UpdateRules.h"
#include "s/lang/Localizer.h"
#include "s/map/IMappedData.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/PoolRef.h"

namespace s::app::update {

namespace {

using s::str::strbuffer::StrBuffer;
using s::thread::PoolRef;

// The section of the stored hour: <window>\Version.
PoolRef<StrBuffer> sectionPath(const char16_t* windowName) {
    auto path = PoolRef<StrBuffer>::take();
    if (path) {
        path->appendWcs(windowName);
        path->appendWcs(UpdateCheck::kSectionSuffix);
    }
    return path;
}

} // namespace

UpdateCheck::Outcome UpdateCheck::run(std::int64_t nowHour) {
    if (parts.localizer == nullptr || parts.store == nullptr || parts.windowName == nullptr ||
        parts.network == nullptr || parts.asker == nullptr || parts.opener == nullptr) {
        return Outcome::Incomplete;
    }
    // 1. A language pack switches the check off by leaving 400200 empty.
    if (!parts.localizer->isUpdateCheckEnabled()) {
        return Outcome::Disabled;
    }
    // 2.-4. The first start only records the hour; later ones wait 30 days.
    auto section = sectionPath(parts.windowName);
    if (!section) {
        return Outcome::Incomplete;
    }
    const std::int32_t lastHour = parts.store->getInt32(section->c_str(), kUpdateKey, 0);
    if (lastHour == 0) {
        storeHour(nowHour);
        return Outcome::FirstStart;
    }
    if (!UpdateRules::isDue(lastHour, nowHour)) {
        return Outcome::NotDue;
    }
    // 5.-6. Nothing is stored without a comparable version or a connection,
    // so that the next start tries again.
    const char16_t* versionText = parts.localizer->getText(parts.textBase + kVersionTextOffset);
    if (!UpdateRules::isVersionTextUsable(versionText)) {
        return Outcome::UnusableVersion;
    }
    if (!parts.network->isConnected()) {
        return Outcome::Offline;
    }
    // 7.-9. From here on the hour is stored whatever happens, so that a
    // failing server or a No is asked again only 30 days later.
    Outcome outcome = Outcome::NoOffer;
    if (newerVersionAvailable(versionText)) {
        outcome = offer() ? Outcome::Accepted : Outcome::Declined;
    }
    storeHour(nowHour);
    return outcome;
}

bool UpdateCheck::newerVersionAvailable(const char16_t* versionText) {
    auto address = PoolRef<StrBuffer>::take();
    auto answer = PoolRef<StrBuffer>::take();
    if (!address || !answer) {
        return false;
    }
    address->appendWcs(parts.localizer->getText(parts.textBase + kVersionPageOffset));
    address->appendWcs(kVersionRequestSuffix);
    if (!parts.network->fetch(address->c_str(), *answer)) {
        return false;
    }
    return UpdateRules::offersNewerVersion(*answer, versionText);
}

bool UpdateCheck::offer() {
    auto message = PoolRef<StrBuffer>::take();
    if (!message) {
        return false;
    }
    const char16_t* title = parts.localizer->getText(kOfferTextId);
    message->appendWcs(title);
    message->appendWcs(kMessageSeparator);
    message->appendWcs(parts.localizer->getText(kQuestionTextId));
    if (!parts.asker->askYesNo(title, message->c_str(), parts.localizer->getText(kYesTextId),
                               parts.localizer->getText(kNoTextId))) {
        return false;
    }
    // Only the pack's own product page is ever opened; an empty one opens
    // nothing.
    const char16_t* page = parts.localizer->getText(parts.textBase + kProductPageOffset);
    if (*page != 0) {
        parts.opener->openPage(page);
    }
    return true;
}

void UpdateCheck::storeHour(std::int64_t nowHour) {
    auto section = sectionPath(parts.windowName);
    if (section) {
        parts.store->setInt32(section->c_str(), kUpdateKey, UpdateRules::storedHour(nowHour));
    }
}

} // namespace s::app::update
