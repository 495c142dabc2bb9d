// The loopback server brings in Winsock, which must come before <windows.h>.
#include "tests/support/win/LoopbackHttpServer.h"

#include "s/app/update/UpdateCheck.h"

#include "s/app/update/win/DownloaderNetwork.h"
#include "s/app/update/win/SystemHour.h"
#include "s/platform/win/TickCount.h"
#include "tests/support/UpdateDoubles.h"
#include "tests/support/win/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

using s::app::update::UpdateCheck;
using Outcome = s::app::update::UpdateCheck::Outcome;

constexpr const char* kCheckPath = "/software/Magnifier/version/check/";
constexpr const char16_t* kProductPage = u"https://vexasoft.example/software/Magnifier/";

bool alwaysConnected() {
    return true;
}
bool neverConnected() {
    return false;
}

// The check as the program runs it, with the real downloader against the
// loopback server; only the question and the browser are doubles.
class UpdateCheckWinTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.isListening());
        usePage(server.address("/software/Magnifier/version/"));
    }
    void usePage(const std::u16string& versionPage) {
        localizer = vexa::test::englishLocalizer(
            vexa::test::updatePack(versionPage, u"1.19", kProductPage));
    }
    Outcome check(s::app::update::IUpdateNetwork& network) {
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
    Outcome check() {
        s::app::update::win::DownloaderNetwork network(&alwaysConnected);
        return check(network);
    }
    void storeLastCheck(std::int64_t hour) {
        store->setInt32(vexa::test::kVersionSection, u"Update", static_cast<std::int32_t>(hour));
    }
    std::int64_t lastCheck() { return store->getInt32(vexa::test::kVersionSection, u"Update", 0); }
    // A check 30 days after the last one, the server answering `body`.
    Outcome dueCheckAnswering(const std::string& body) {
        server.answer(kCheckPath, body);
        storeLastCheck(now - 720);
        return check();
    }

    const std::int64_t now = s::app::update::win::SystemHour::now();
    vexa::test::TempFolder temp{L"vexa-update"};
    vexa::test::LoopbackHttpServer server;
    s::thread::PoolRef<s::lang::Localizer> localizer;
    s::thread::PoolRef<s::xml::MappedData> store = vexa::test::memoryStore();
    vexa::test::RecordingAsker asker;
    vexa::test::RecordingOpener opener;
};

TEST_F(UpdateCheckWinTest, SystemHourIsAfterTheProductWasMade) {
    // 2024-01-01 in hours since 1970; the clock of any test machine is later.
    EXPECT_GT(now, 473352);
}

TEST_F(UpdateCheckWinTest, FirstStartAndRecentCheckSendNoRequest) {
    server.answer(kCheckPath, "*1.20");
    EXPECT_EQ(Outcome::FirstStart, check());
    EXPECT_EQ(now, lastCheck());
    storeLastCheck(now - 719);
    EXPECT_EQ(Outcome::NotDue, check());
    EXPECT_EQ(now - 719, lastCheck());
    EXPECT_EQ(0, server.requestsFor(kCheckPath));
}

TEST_F(UpdateCheckWinTest, AnswersDecideTheOffer) {
    EXPECT_EQ(Outcome::Declined, dueCheckAnswering("*1.20"));
    EXPECT_EQ(1, server.requestsFor(kCheckPath));
    EXPECT_EQ(now, lastCheck());
    EXPECT_EQ(Outcome::NoOffer, dueCheckAnswering("*1.19 1.20"));
    EXPECT_EQ(Outcome::NoOffer, dueCheckAnswering("1.20"));
    EXPECT_EQ(Outcome::NoOffer, dueCheckAnswering("*1.2"));
    EXPECT_EQ(1, asker.asked);
    EXPECT_EQ(now, lastCheck());
    EXPECT_TRUE(opener.opened.empty()); // No was answered
}

TEST_F(UpdateCheckWinTest, YesOpensTheProductPageNotTheAnswer) {
    asker.answer = true;
    EXPECT_EQ(Outcome::Accepted, dueCheckAnswering("*http://127.0.0.1/elsewhere/"));
    ASSERT_EQ(1u, opener.opened.size());
    EXPECT_EQ(kProductPage, opener.opened[0]);
}

TEST_F(UpdateCheckWinTest, SwitchedOffOrOfflineSendsNothingAndStoresNothing) {
    server.answer(kCheckPath, "*1.20");
    storeLastCheck(now - 720);
    localizer->setLanguage(u"German"); // 400200 empty
    EXPECT_EQ(Outcome::Disabled, check());
    localizer->setLanguage(u"English");
    s::app::update::win::DownloaderNetwork offline(&neverConnected);
    EXPECT_EQ(Outcome::Offline, check(offline));
    EXPECT_EQ(now - 720, lastCheck());
    EXPECT_EQ(0, server.requestsFor(kCheckPath));
}

TEST_F(UpdateCheckWinTest, HostileAnswersMakeNoOfferAndStoreTheHour) {
    EXPECT_EQ(Outcome::NoOffer, dueCheckAnswering(""));
    EXPECT_EQ(Outcome::NoOffer, dueCheckAnswering(std::string(10u * 1024u * 1024u, '*')));
    std::string binary = "*";
    for (int value = 0; value < 256; ++value) {
        binary.push_back(static_cast<char>(value));
    }
    // Marked, and the version text nowhere in it: an offer, of the pack's
    // page only.
    asker.answer = true;
    EXPECT_EQ(Outcome::Accepted, dueCheckAnswering(binary));
    EXPECT_EQ(Outcome::NoOffer, dueCheckAnswering(binary + "1.19"));
    ASSERT_EQ(1u, opener.opened.size());
    EXPECT_EQ(kProductPage, opener.opened[0]);
    EXPECT_EQ(now, lastCheck());
    EXPECT_EQ(0, temp.count(L"NEW*.tmp"));
}

TEST_F(UpdateCheckWinTest, HangingServerIsCutOffAtTheBoundAndTheNextCheckWorks) {
    server.hang(kCheckPath);
    storeLastCheck(now - 720);
    const std::uint64_t startMs = s::platform::win::TickCount::nowMs();
    EXPECT_EQ(Outcome::NoOffer, check());
    // Generous: the bound is about 8.1 s; this only catches a check that
    // waited for the server instead of cutting it off.
    EXPECT_LT(s::platform::win::TickCount::nowMs() - startMs, 30000u);
    EXPECT_EQ(now, lastCheck());
    EXPECT_EQ(0, asker.asked);
    // The next checks take fresh downloaders while the cut-off one is held.
    EXPECT_EQ(Outcome::Declined, dueCheckAnswering("*1.20"));
    EXPECT_EQ(Outcome::NoOffer, dueCheckAnswering("*1.19"));
    server.releaseHeld();
}

TEST_F(UpdateCheckWinTest, RefusedConnectionMakesNoOfferAndStoresTheHour) {
    const std::string page =
        "http://127.0.0.1:" + std::to_string(vexa::test::LoopbackHttpServer::refusedPort()) +
        "/software/Magnifier/version/";
    usePage(std::u16string(page.begin(), page.end()));
    storeLastCheck(now - 720);
    EXPECT_EQ(Outcome::NoOffer, check());
    EXPECT_EQ(now, lastCheck());
    EXPECT_EQ(0, asker.asked);
}

} // namespace
