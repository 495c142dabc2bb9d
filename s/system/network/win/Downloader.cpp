#include "s/system/network/win/Downloader.h"

#include "s/platform/win/KernelHandle.h"
#include "s/platform/win/WideText.h"
#include "s/system/network/win/BindStatusCallback.h"
#include "s/system/network/win/HttpTransfer.h"
#include "s/system/network/win/InternetApi.h"
#include "s/thread/PoolRef.h"
#include "s/thread/win/Thread.h"

#include <windows.h>

#include <objbase.h>

#include <vector>

namespace s::system::network::win {

namespace {

using s::platform::win::OwnedKernelHandle;
using s::platform::win::wide;
using s::str::strbuffer::StrBuffer;
using s::thread::ObjLocker;
using s::thread::PoolRef;

StrBuffer* newText() {
    return StrBuffer::newInstance();
}

void releaseText(StrBuffer*& text) {
    if (text != nullptr) {
        text->release();
        text = nullptr;
    }
}

} // namespace

Downloader::Downloader()
    : thread(s::thread::win::Thread::newInstance()), url(newText()), userAgent(newText()),
      referrer(newText()), localFile(newText()), response(newText()) {
    reset();
}

Downloader::~Downloader() {
    if (thread != nullptr) {
        // Only the tail of this object's own transfer can still be on the
        // worker here, possibly the very thread that destroys the object:
        // let it go instead of waiting for it.
        if (!thread->isIdle()) {
            thread->waitIdle(0);
        }
        thread->release();
        thread = nullptr;
    }
    releaseText(url);
    releaseText(userAgent);
    releaseText(referrer);
    releaseText(localFile);
    releaseText(response);
}

void Downloader::reset() {
    // The lease guarantees that no transfer of this object is in progress;
    // a worker still busy is leaving its last run and is let go of.
    if (thread != nullptr && !thread->isIdle()) {
        thread->waitIdle(0);
    }
    running.store(false);
    stopRequested.store(false);
    cutOff.store(false);
    done = false;
    for (StrBuffer* text : {url, userAgent, referrer, localFile, response}) {
        if (text != nullptr) {
            text->freeStorage();
        }
    }
    toMemory = false;
    progress = nullptr;
    progressUser1 = nullptr;
    progressUser2 = nullptr;
    connectedProbe = nullptr;
}

bool Downloader::isConnected() {
    return InternetApi::isConnected();
}

bool Downloader::probeConnection() const {
    return connectedProbe != nullptr ? connectedProbe() : isConnected();
}

// ---- settings (owner, while no transfer runs) ----------------------------------------

void Downloader::setUrl(const char16_t* text) {
    if (!running.load() && url != nullptr) {
        url->assignWcs(text != nullptr ? text : u"");
    }
}

void Downloader::setToMemory(bool on) {
    if (!running.load()) {
        toMemory = on;
    }
}

void Downloader::setUserAgent(const char16_t* text) {
    if (!running.load() && userAgent != nullptr) {
        userAgent->assignWcs(text != nullptr ? text : u"");
    }
}

void Downloader::setReferrer(const char16_t* text) {
    if (!running.load() && referrer != nullptr) {
        referrer->assignWcs(text != nullptr ? text : u"");
    }
}

void Downloader::setConnectedProbe(ConnectedProbe probe) {
    if (!running.load()) {
        connectedProbe = probe;
    }
}

bool Downloader::isStopRequested() const {
    return stopRequested.load();
}

const char16_t* Downloader::getLocalFile() const {
    return localFile != nullptr ? localFile->c_str() : u"";
}

const StrBuffer* Downloader::getResponse() const {
    return response;
}

// ---- owner side ----------------------------------------------------------------------

void Downloader::start() {
    if (running.load() || thread == nullptr || url == nullptr || localFile == nullptr ||
        response == nullptr) {
        return;
    }
    {
        ObjLocker::Scope hold(lock);
        if (done) {
            return;
        }
        cutOff.store(false);
    }
    stopRequested.store(false);
    localFile->clear();
    response->clear();
    running.store(true);
    thread->run(static_cast<s::thread::ITask*>(this));
}

void Downloader::stop(bool wait) {
    stopRequested.store(true);
    if (!wait) {
        return;
    }
    {
        // Decided under the lock that the transfer also holds while it
        // publishes: either its result is in, or it will be dropped.
        ObjLocker::Scope hold(lock);
        if (running.load() && !done) {
            cutOff.store(true);
        }
    }
    // A transfer stuck in the network is not waited for: its worker is
    // abandoned after the grace and a new one takes its place.
    if (thread != nullptr) {
        thread->waitIdle(kStopGraceMs);
    }
    stopRequested.store(false);
}

bool Downloader::download(std::uint32_t timeoutMs, ProgressFunction progressFunction, void* user1,
                          void* user2) {
    if (!probeConnection()) {
        return false;
    }
    if (!running.load()) {
        progress = progressFunction;
        progressUser1 = user1;
        progressUser2 = user2;
    }
    start();
    std::uint32_t remainingMs = timeoutMs;
    while (running.load() && !stopRequested.load() && remainingMs > 0) {
        const std::uint32_t stepMs = remainingMs < kPollMs ? remainingMs : kPollMs;
        Sleep(stepMs);
        remainingMs -= stepMs;
    }
    if (running.load()) {
        stop(true);
    } else if (thread != nullptr) {
        // The transfer has published; its worker is leaving the run.
        thread->waitIdle(kStopGraceMs);
    }
    ObjLocker::Scope hold(lock);
    return done;
}

// ---- the transfer (worker) -----------------------------------------------------------

void Downloader::run() {
    // The URL monikers need COM on the thread that uses them.
    const HRESULT com = CoInitialize(nullptr);
    const bool transferred = probeConnection() && makeLocalFile() && transferToFile();
    finish(transferred);
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    // The last touch of the object: from here the owner may read and reuse it.
    running.store(false);
}

bool Downloader::makeLocalFile() {
    wchar_t folder[MAX_PATH + 1];
    const DWORD folderLength = GetTempPathW(MAX_PATH + 1, folder);
    if (folderLength == 0 || folderLength > MAX_PATH) {
        return false;
    }
    wchar_t name[MAX_PATH];
    if (GetTempFileNameW(folder, wide(kTempPrefix), 0, name) == 0) {
        return false;
    }
    localFile->assignWcs(s::platform::win::utf16(name));
    return true;
}

bool Downloader::transferToFile() {
    if (!userAgent->isEmpty() || !referrer->isEmpty()) {
        return transferByHttp();
    }
    return transferByMoniker();
}

bool Downloader::transferByMoniker() {
    const InternetApi& api = InternetApi::get();
    if (api.downloadToFile == nullptr) {
        return false;
    }
    // The status callback is always given: it is how a stop, a cut-off or
    // an oversized answer ends the binding.
    BindStatusCallback* callback = BindStatusCallback::create(this);
    if (callback == nullptr) {
        return false;
    }
    const HRESULT result =
        api.downloadToFile(nullptr, wide(url->c_str()), wide(localFile->c_str()), 0, callback);
    callback->detach();
    callback->Release();
    return result == S_OK;
}

bool Downloader::transferByHttp() {
    OwnedKernelHandle file(CreateFileW(wide(localFile->c_str()), GENERIC_WRITE, 0, nullptr,
                                       CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr));
    if (!file) {
        return false;
    }
    return HttpTransfer::run(url->c_str(), userAgent->c_str(), referrer->c_str(), file.get(),
                             *this);
}

bool Downloader::readAnswer(StrBuffer& bytes) const {
    OwnedKernelHandle file(CreateFileW(wide(localFile->c_str()), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    // One byte more than may be kept tells an oversized answer apart.
    std::vector<char> buffer(kMaxResponseBytes + 1);
    DWORD total = 0;
    while (total < buffer.size()) {
        DWORD count = 0;
        if (!ReadFile(file.get(), buffer.data() + total, static_cast<DWORD>(buffer.size()) - total,
                      &count, nullptr)) {
            return false;
        }
        if (count == 0) {
            break;
        }
        total += count;
    }
    if (total == 0 || total > kMaxResponseBytes) {
        return false;
    }
    bytes.appendAscii(buffer.data(), total);
    return true;
}

void Downloader::finish(bool succeeded) {
    auto bytes = PoolRef<StrBuffer>::take();
    bool published = succeeded && bytes;
    if (published && toMemory) {
        published = readAnswer(*bytes);
    }
    bool keepFile = false;
    {
        ObjLocker::Scope hold(lock);
        if (cutOff.load()) {
            published = false; // the owner has given up on this transfer
        }
        if (published) {
            if (toMemory) {
                response->assignStr(bytes.get());
            }
            done = true;
            keepFile = !toMemory;
        }
    }
    if (!keepFile && !localFile->isEmpty()) {
        DeleteFileW(wide(localFile->c_str()));
    }
    stopRequested.store(false);
}

bool Downloader::onProgress(std::uint64_t received, std::uint64_t total) {
    if (stopRequested.load() || cutOff.load()) {
        return false;
    }
    if (toMemory && received > kMaxResponseBytes) {
        return false;
    }
    if (progress != nullptr) {
        // Without an announced length the progress reads "1 of 1".
        if (total == 0) {
            progress(1, 1, progressUser1, progressUser2);
        } else {
            progress(received, total, progressUser1, progressUser2);
        }
    }
    return true;
}

} // namespace s::system::network::win
