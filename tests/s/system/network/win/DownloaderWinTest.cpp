// The loopback server brings in Winsock, which must come before <windows.h>.
#include "tests/support/win/LoopbackHttpServer.h"

#include "s/system/network/win/Downloader.h"

#include "s/platform/win/TickCount.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/PoolRef.h"
#include "tests/support/win/TempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using s::system::network::win::Downloader;
using s::thread::PoolRef;

constexpr const wchar_t* kTempPattern = L"NEW*.tmp";
constexpr const char16_t* kUserAgent = u"VexaTest/1.0";
constexpr const char16_t* kReferrer = u"http://127.0.0.1/referrer/";

bool alwaysConnected() {
    return true;
}
bool neverConnected() {
    return false;
}

// Polls `condition` for at most `limitMs` (a stall guard far beyond what a
// healthy run needs; no timing is asserted).
template <class Condition> bool eventually(Condition condition, std::uint64_t limitMs) {
    const std::uint64_t deadline = s::platform::win::TickCount::nowMs() + limitMs;
    while (!condition()) {
        if (s::platform::win::TickCount::nowMs() > deadline) {
            return false;
        }
        Sleep(20);
    }
    return true;
}

std::u16string responseOf(const Downloader& downloader) {
    const auto* response = downloader.getResponse();
    return std::u16string(response->data(), response->length());
}

struct Progress {
    int calls = 0;
    std::uint64_t received = 0;
    std::uint64_t total = 0;
};

void recordProgress(std::uint64_t received, std::uint64_t total, void* user1, void*) {
    auto* progress = static_cast<Progress*>(user1);
    ++progress->calls;
    progress->received = received;
    progress->total = total;
}

// Without a user agent the URL moniker transfers; with one, WinINet.
enum class Transfer { Moniker, WinInet };

class DownloaderWinTest : public ::testing::TestWithParam<Transfer> {
protected:
    PoolRef<Downloader> prepared(const std::u16string& address, bool toMemory = true) {
        auto downloader = PoolRef<Downloader>::take();
        downloader->setConnectedProbe(&alwaysConnected);
        downloader->setUrl(address.c_str());
        downloader->setToMemory(toMemory);
        if (GetParam() == Transfer::WinInet) {
            downloader->setUserAgent(kUserAgent);
            downloader->setReferrer(kReferrer);
        }
        return downloader;
    }
    bool fetch(const std::string& path, std::u16string* response = nullptr) {
        auto downloader = prepared(server.address(path));
        const bool succeeded = downloader->download(8000, nullptr, nullptr, nullptr);
        if (response != nullptr) {
            *response = responseOf(*downloader);
        }
        return succeeded;
    }
    // Each test its own paths: the URL moniker must never answer from a cache.
    std::string path(const char* name) const {
        return std::string("/") + (GetParam() == Transfer::Moniker ? "moniker/" : "wininet/") +
               name;
    }

    vexa::test::TempFolder temp{L"vexa-downloader"};
    vexa::test::LoopbackHttpServer server;
};

TEST_P(DownloaderWinTest, NormalAnswerArrivesWholeAndLeavesNoFile) {
    ASSERT_TRUE(server.isListening());
    server.answer(path("normal"), "*1.20");
    std::u16string response;
    EXPECT_TRUE(fetch(path("normal"), &response));
    EXPECT_EQ(u"*1.20", response);
    EXPECT_EQ(1, server.requestsFor(path("normal")));
    EXPECT_EQ(0, temp.count(kTempPattern));
    if (GetParam() == Transfer::WinInet) {
        EXPECT_NE(std::string::npos, server.lastRequest().find("User-Agent: VexaTest/1.0"));
        EXPECT_NE(std::string::npos,
                  server.lastRequest().find("Referer: http://127.0.0.1/referrer/"));
    }
}

TEST_P(DownloaderWinTest, TransferToFileLeavesTheFileToTheCaller) {
    server.answer(path("file"), "file bytes");
    auto downloader = prepared(server.address(path("file")), false);
    Progress progress;
    ASSERT_TRUE(downloader->download(8000, &recordProgress, &progress, nullptr));
    const std::wstring file(reinterpret_cast<const wchar_t*>(downloader->getLocalFile()));
    EXPECT_EQ(0u, file.rfind(temp.path() + L"NEW", 0)) << "in the temporary folder, prefix NEW";
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, handle);
    char bytes[64] = {};
    DWORD count = 0;
    ReadFile(handle, bytes, sizeof(bytes), &count, nullptr);
    CloseHandle(handle);
    EXPECT_EQ("file bytes", std::string(bytes, count));
    EXPECT_TRUE(downloader->getResponse()->isEmpty());
    EXPECT_LT(0, progress.calls);
    if (GetParam() == Transfer::WinInet) {
        EXPECT_EQ(10u, progress.received);
        EXPECT_EQ(10u, progress.total);
    }
    DeleteFileW(file.c_str());
}

TEST_P(DownloaderWinTest, HostileAnswersFailOrArriveAsPlainText) {
    // No bytes at all.
    server.answer(path("empty"), "");
    std::u16string response = u"x";
    EXPECT_FALSE(fetch(path("empty"), &response));
    EXPECT_TRUE(response.empty());
    EXPECT_EQ(0, temp.count(kTempPattern));

    // 10 MB: far over what is kept in memory; refused, not kept.
    server.answer(path("huge"), std::string(10u * 1024u * 1024u, '*'));
    EXPECT_FALSE(fetch(path("huge"), &response));
    EXPECT_TRUE(response.empty());
    EXPECT_EQ(0, temp.count(kTempPattern));

    // Just within the limit still arrives.
    server.answer(path("limit"), std::string(Downloader::kMaxResponseBytes, '*'));
    EXPECT_TRUE(fetch(path("limit"), &response));
    EXPECT_EQ(Downloader::kMaxResponseBytes, response.size());

    // Every byte value, NUL included, one character each.
    std::string binary = "*";
    for (int value = 0; value < 256; ++value) {
        binary.push_back(static_cast<char>(value));
    }
    server.answer(path("binary"), binary);
    EXPECT_TRUE(fetch(path("binary"), &response));
    ASSERT_EQ(binary.size(), response.size());
    for (std::size_t index = 0; index < binary.size(); ++index) {
        ASSERT_EQ(static_cast<unsigned char>(binary[index]), response[index]) << index;
    }
    EXPECT_EQ(0, temp.count(kTempPattern));
}

TEST_P(DownloaderWinTest, HangingServerIsCutOffAndLaterDownloadersWork) {
    server.hang(path("hang"));
    server.answer(path("after"), "*1.20");
    {
        auto downloader = prepared(server.address(path("hang")));
        const std::uint64_t startMs = s::platform::win::TickCount::nowMs();
        EXPECT_FALSE(downloader->download(1000, nullptr, nullptr, nullptr));
        // Generous: the bound is 1 s plus a 100 ms grace; this only catches
        // a caller that waited for the server instead of cutting off.
        EXPECT_LT(s::platform::win::TickCount::nowMs() - startMs, 20000u);
        EXPECT_TRUE(downloader->getResponse()->isEmpty());
        // Given back while its transfer may still be inside the network.
    }
    for (int round = 0; round < 2; ++round) {
        std::u16string response;
        EXPECT_TRUE(fetch(path("after"), &response)) << "round " << round;
        EXPECT_EQ(u"*1.20", response);
    }
    // Once the server lets go, the cut-off transfer ends and removes its file.
    server.releaseHeld();
    EXPECT_TRUE(eventually([this] { return temp.count(kTempPattern) == 0; }, 60000));
}

TEST_P(DownloaderWinTest, RefusedConnectionFails) {
    const std::string address =
        "http://127.0.0.1:" + std::to_string(vexa::test::LoopbackHttpServer::refusedPort()) +
        path("refused");
    auto downloader = prepared(std::u16string(address.begin(), address.end()));
    EXPECT_FALSE(downloader->download(8000, nullptr, nullptr, nullptr));
    EXPECT_EQ(0, temp.count(kTempPattern));
}

TEST_P(DownloaderWinTest, OfflineAsksNothing) {
    server.answer(path("offline"), "*1.20");
    auto downloader = prepared(server.address(path("offline")));
    downloader->setConnectedProbe(&neverConnected);
    EXPECT_FALSE(downloader->download(8000, nullptr, nullptr, nullptr));
    EXPECT_EQ(0, server.requestsFor(path("offline")));
}

INSTANTIATE_TEST_SUITE_P(BothTransfers, DownloaderWinTest,
                         ::testing::Values(Transfer::Moniker, Transfer::WinInet),
                         [](const ::testing::TestParamInfo<Transfer>& info) {
                             return info.param == Transfer::Moniker ? "Moniker" : "WinInet";
                         });

} // namespace
