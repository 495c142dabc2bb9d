#include "s/app/update/UpdateCheck.h"

#include "tests/support/UpdateDoubles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using s::app::update::UpdateCheck;
using Outcome = s::app::update::UpdateCheck::Outcome;

namespace {

constexpr std::int64_t kNow = 473352; // 2024-01-01 00:00 UTC
constexpr const char16_t* kVersionPage = u"https://vexasoft.example/software/Magnifier/version/";
constexpr const char16_t* kProductPage = u"https://vexasoft.example/software/Magnifier/";

class UpdateCheckTest : public ::testing::Test {
protected:
    void usePack(const std::u16string& versionText) {
        localizer = vexa::test::englishLocalizer(
            vexa::test::updatePack(kVersionPage, versionText, kProductPage));
    }

    Outcome check(std::int64_t now = kNow) {
        UpdateCheck::Context context;
        context.localizer = localizer.get();
        context.store = store.get();
        context.windowName = vexa::test::kWindowName;
        context.textBase = vexa::test::kTextBase;
        context.network = &network;
        context.asker = &asker;
        context.opener = &opener;
        return UpdateCheck(context).run(now);
    }

    void storeLastCheck(std::int32_t hour) {
        store->setInt32(vexa::test::kVersionSection, u"Update", hour);
    }
    std::int32_t lastCheck() { return store->getInt32(vexa::test::kVersionSection, u"Update", 0); }
    // Stores a check exactly 30 days old and runs one with `answer`.
    Outcome dueCheckAnswering(const std::u16string& answer) {
        network.answer = answer;
        storeLastCheck(static_cast<std::int32_t>(kNow - 720));
        return check();
    }

    s::thread::PoolRef<s::lang::Localizer> localizer =
        vexa::test::englishLocalizer(vexa::test::updatePack(kVersionPage, u"1.19", kProductPage));
    s::thread::PoolRef<s::xml::MappedData> store = vexa::test::memoryStore();
    vexa::test::ScriptedNetwork network;
    vexa::test::RecordingAsker asker;
    vexa::test::RecordingOpener opener;
};

} // namespace

TEST_F(UpdateCheckTest, EmptyText400200SwitchesTheCheckOff) {
    localizer->setLanguage(u"German");
    storeLastCheck(1000);
    EXPECT_EQ(Outcome::Disabled, check());
    EXPECT_EQ(1000, lastCheck());
    EXPECT_EQ(0, network.probes);
    EXPECT_TRUE(network.requests.empty());
}

TEST_F(UpdateCheckTest, FirstStartOnlyRecordsTheHour) {
    EXPECT_EQ(Outcome::FirstStart, check());
    EXPECT_EQ(kNow, lastCheck());
    EXPECT_EQ(0, network.probes);
    EXPECT_TRUE(network.requests.empty());
}

TEST_F(UpdateCheckTest, AsksTheServerOnlyAfter720Hours) {
    storeLastCheck(static_cast<std::int32_t>(kNow - 719));
    EXPECT_EQ(Outcome::NotDue, check());
    EXPECT_EQ(kNow - 719, lastCheck());
    EXPECT_TRUE(network.requests.empty());

    storeLastCheck(static_cast<std::int32_t>(kNow - 720));
    EXPECT_EQ(Outcome::Declined, check());
    ASSERT_EQ(1u, network.requests.size());
    EXPECT_EQ(std::u16string(kVersionPage) + u"check/", network.requests[0]);
    EXPECT_EQ(kNow, lastCheck());
}

TEST_F(UpdateCheckTest, OffersOnlyForAMarkedAnswerWithoutTheRunningVersion) {
    EXPECT_EQ(Outcome::Declined, dueCheckAnswering(u"*1.20"));
    EXPECT_EQ(1, asker.asked);
    EXPECT_EQ(Outcome::NoOffer, dueCheckAnswering(u"*1.19 1.20"));
    EXPECT_EQ(Outcome::NoOffer, dueCheckAnswering(u"1.20"));
    EXPECT_EQ(Outcome::NoOffer, dueCheckAnswering(u"*1.2"));
    EXPECT_EQ(Outcome::NoOffer, dueCheckAnswering(u""));
    EXPECT_EQ(Outcome::NoOffer, dueCheckAnswering(std::u16string(u"*\0\0"
                                                                 u"1.19",
                                                                 7)));
    EXPECT_EQ(1, asker.asked);
    // Every one of them stored the hour.
    EXPECT_EQ(kNow, lastCheck());
}

TEST_F(UpdateCheckTest, OfferUsesThePackTextsAndTwoButtons) {
    EXPECT_EQ(Outcome::Declined, dueCheckAnswering(u"*1.20"));
    EXPECT_EQ(u"There is improved version available.", asker.title);
    EXPECT_EQ(u"There is improved version available. \r\nWould you like to check it out?",
              asker.message);
    // The pack's padding (non-breaking spaces at the ends) reads as spaces.
    EXPECT_EQ(u"       Yes       ", asker.yesText);
    EXPECT_EQ(u"       No       ", asker.noText);
}

TEST_F(UpdateCheckTest, NoStoresTheHourAndOpensNothing) {
    asker.answer = false;
    EXPECT_EQ(Outcome::Declined, dueCheckAnswering(u"*1.20"));
    EXPECT_EQ(kNow, lastCheck());
    EXPECT_TRUE(opener.opened.empty());
    // The next offer comes 30 days later.
    EXPECT_EQ(Outcome::NotDue, check(kNow + 719));
    EXPECT_EQ(1u, network.requests.size());
}

TEST_F(UpdateCheckTest, YesOpensOnlyTheProductPageOfThePack) {
    asker.answer = true;
    EXPECT_EQ(Outcome::Accepted, dueCheckAnswering(u"*https://elsewhere.example/run.exe"));
    ASSERT_EQ(1u, opener.opened.size());
    EXPECT_EQ(kProductPage, opener.opened[0]);
    EXPECT_EQ(kNow, lastCheck());
}

TEST_F(UpdateCheckTest, FailedTransferStoresTheHourWithoutAnOffer) {
    network.succeeds = false;
    EXPECT_EQ(Outcome::NoOffer, dueCheckAnswering(u"*1.20"));
    EXPECT_EQ(0, asker.asked);
    EXPECT_EQ(kNow, lastCheck());
}

TEST_F(UpdateCheckTest, OfflineStoresNothingAndTriesAgainNextStart) {
    network.connected = false;
    EXPECT_EQ(Outcome::Offline, dueCheckAnswering(u"*1.20"));
    EXPECT_TRUE(network.requests.empty());
    EXPECT_EQ(kNow - 720, lastCheck());
    network.connected = true;
    EXPECT_EQ(Outcome::Declined, check(kNow + 1));
}

TEST_F(UpdateCheckTest, UnusableVersionTextStoresNothingAndAsksNobody) {
    usePack(u"1.2");
    EXPECT_EQ(Outcome::UnusableVersion, dueCheckAnswering(u"*1.20"));
    EXPECT_EQ(0, network.probes);
    EXPECT_EQ(kNow - 720, lastCheck());
    usePack(u"119");
    EXPECT_EQ(Outcome::NoOffer, dueCheckAnswering(u"*119"));
}

TEST_F(UpdateCheckTest, MissingPartsDoNothing) {
    UpdateCheck::Context context;
    context.localizer = localizer.get();
    EXPECT_EQ(Outcome::Incomplete, UpdateCheck(context).run(kNow));
}
