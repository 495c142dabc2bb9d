#pragma once
#include "s/str/strbuffer/StrBuffer.h"
#include "s/system/network/IDownloader.h"
#include "s/system/network/win/ITransferObserver.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"
#include "s/thread/LeasedTask.h"
#include "s/thread/ObjLocker.h"

#include <atomic>
#include <cstdint>

namespace s::thread::win {
class Thread;
}

namespace s::system::network::win {

// Transfers one web address to a temporary file ("NEW....tmp" in the
// user's temporary folder) and, when asked, into memory, on a worker of its
// own. Without a user agent or referrer the URL moniker does the transfer
// (URLDownloadToFileW); with one, WinINet does (HttpTransfer).
//
//     s::thread::PoolRef<Downloader> downloader = s::thread::PoolRef<Downloader>::take();
//     downloader->setUrl(address);
//     downloader->setToMemory(true);
//     if (downloader->download(8000, nullptr, nullptr, nullptr)) {
//         use(*downloader->getResponse());
//     }
//
// The caller is never held longer than its bound: download() polls every
// 200 ms and, when the time is up, cuts the transfer off: under the lock it
// decides that the result no longer counts, then gives the worker 100 ms to
// stop and otherwise abandons it (s::thread::win::Thread: never killed). A
// cut-off transfer runs on in the background until the server or WinINet's
// own limits end it, publishes nothing, and deletes its file. Since the
// downloader is a LeasedTask, giving it back while such a transfer runs
// defers the give-back until the transfer returns: the object is neither
// reset nor reused under it, and the next downloader from the pool gets a
// worker of its own.
//
// The answer is untrusted: into memory go at most kMaxResponseBytes bytes;
// a longer answer (or one with no bytes) fails. The temporary file is always
// removed by the transfer itself, except after a successful transfer to a
// file, where it is the caller's result.
//
// Threads and ownership: taken from the pool and given back by one owner,
// whose thread calls every public operation. The settings (url, agent,
// referrer, toMemory, progress, probe) change only while no transfer runs
// and are only read by the transfer. The transfer alone writes localFile and
// response while it runs; `running` (cleared as the transfer's last touch of
// the object) tells the owner when it may read them. `done` and `cutOff`
// are decided under the lock, so a result is published or dropped, never
// both. The progress function is called on the transfer's thread.
class Downloader final : public s::system::network::IDownloader,
                         public s::thread::IPoolable,
                         public s::thread::LeasedTask,
                         private ITransferObserver {
    S_POOLED_CLASS(Downloader, u"s_system_network_win_Downloader")

public:
    // Most bytes kept for a transfer into memory: far above any real answer
    // of the update server, far below what would strain the program.
    static constexpr std::uint32_t kMaxResponseBytes = 64u * 1024u;
    // download() looks at the transfer this often.
    static constexpr std::uint32_t kPollMs = 200;
    // A stopped transfer gets this long to end before its worker is abandoned.
    static constexpr std::uint32_t kStopGraceMs = 100;
    // Prefix of the temporary file's name.
    static constexpr const char16_t* kTempPrefix = u"NEW";

    // Whether the computer is online; the system's answer by default.
    using ConnectedProbe = bool (*)();
    // The system's answer: InternetGetConnectedState succeeds and reports
    // more than "offline".
    static bool isConnected();

    void reset() override;

    void start() override;
    void stop(bool wait) override;
    void setUrl(const char16_t* text) override;
    void setToMemory(bool on) override;
    void setUserAgent(const char16_t* text) override;
    void setReferrer(const char16_t* text) override;
    bool download(std::uint32_t timeoutMs, ProgressFunction progress, void* user1,
                  void* user2) override;
    bool isStopRequested() const override;
    const char16_t* getLocalFile() const override;
    const s::str::strbuffer::StrBuffer* getResponse() const override;

    // Replaces the connection test (null: the system's); for places where
    // the system's answer is known to be wrong. Ignored while running.
    void setConnectedProbe(ConnectedProbe probe);
    // True while a transfer runs (also one cut off that has not ended yet).
    bool isRunning() const { return running.load(); }

    // ITask: the transfer, on the worker.
    void run() override;

private:
    Downloader();
    ~Downloader() override;

    bool probeConnection() const;
    // Transfer steps, on the worker.
    bool makeLocalFile();
    bool transferToFile();
    bool transferByMoniker();
    bool transferByHttp();
    // Reads the file into `bytes`; false when empty or over the limit.
    bool readAnswer(s::str::strbuffer::StrBuffer& bytes) const;
    void finish(bool succeeded);
    // ITransferObserver.
    bool onProgress(std::uint64_t received, std::uint64_t total) override;
    // Decides under the lock that an unfinished transfer no longer counts,
    // then ends or abandons the worker.
    void cutOffAndStop();

    s::thread::win::Thread* thread = nullptr;
    s::thread::ObjLocker lock;
    std::atomic<bool> running{false};
    std::atomic<bool> stopRequested{false};
    bool done = false;               // under lock
    std::atomic<bool> cutOff{false}; // set under lock
    s::str::strbuffer::StrBuffer* url = nullptr;
    s::str::strbuffer::StrBuffer* userAgent = nullptr;
    s::str::strbuffer::StrBuffer* referrer = nullptr;
    bool toMemory = false;
    s::str::strbuffer::StrBuffer* localFile = nullptr;
    s::str::strbuffer::StrBuffer* response = nullptr;
    ProgressFunction progress = nullptr;
    void* progressUser1 = nullptr;
    void* progressUser2 = nullptr;
    ConnectedProbe connectedProbe = nullptr;
};

} // namespace s::system::network::win
