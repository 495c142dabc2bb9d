#include "s/system/network/win/HttpTransfer.h"

#include "s/platform/win/WideText.h"
#include "s/system/network/HttpAddress.h"
#include "s/system/network/win/ITransferObserver.h"
#include "s/system/network/win/InternetApi.h"

#include <vector>

namespace s::system::network::win {

namespace {

using s::platform::win::wide;

// Owns one WinINet handle; closed before the handle it was made from.
class InternetHandle {
public:
    explicit InternetHandle(HINTERNET owned) : handle(owned) {}
    ~InternetHandle() {
        if (handle != nullptr) {
            InternetApi::get().closeHandle(handle);
        }
    }
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;
    HINTERNET get() const { return handle; }
    explicit operator bool() const { return handle != nullptr; }

private:
    HINTERNET handle;
};

void boundWaits(const InternetApi& api, HINTERNET session) {
    if (api.setOption == nullptr) {
        return;
    }
    DWORD limitMs = HttpTransfer::kWaitLimitMs;
    for (const DWORD option : {static_cast<DWORD>(INTERNET_OPTION_CONNECT_TIMEOUT),
                               static_cast<DWORD>(INTERNET_OPTION_SEND_TIMEOUT),
                               static_cast<DWORD>(INTERNET_OPTION_RECEIVE_TIMEOUT)}) {
        api.setOption(session, option, &limitMs, sizeof(limitMs));
    }
}

// The length the server announces, 0 when none.
DWORD announcedLength(const InternetApi& api, HINTERNET request) {
    DWORD length = 0;
    DWORD size = sizeof(length);
    if (!api.queryInfo(request, HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, &length, &size,
                       nullptr)) {
        return 0;
    }
    return length;
}

bool writeAll(HANDLE file, const unsigned char* bytes, DWORD count) {
    while (count > 0) {
        DWORD written = 0;
        if (!WriteFile(file, bytes, count, &written, nullptr) || written == 0) {
            return false;
        }
        bytes += written;
        count -= written;
    }
    return true;
}

// Reads the answer to its end, piece by piece, into the file.
bool receive(const InternetApi& api, HINTERNET request, HANDLE file, ITransferObserver& observer) {
    const DWORD total = announcedLength(api, request);
    std::vector<unsigned char> chunk(HttpTransfer::kChunkBytes);
    std::uint64_t received = 0;
    for (;;) {
        DWORD count = 0;
        if (!api.readFile(request, chunk.data(), HttpTransfer::kChunkBytes, &count)) {
            return false;
        }
        if (count == 0) {
            return true; // the end of the answer
        }
        if (!writeAll(file, chunk.data(), count)) {
            return false;
        }
        received += count;
        if (!observer.onProgress(received, total)) {
            return false;
        }
    }
}

} // namespace

bool HttpTransfer::run(const char16_t* address, const char16_t* userAgent, const char16_t* referrer,
                       HANDLE file, ITransferObserver& observer) {
    const InternetApi& api = InternetApi::get();
    HttpAddress parts;
    if (!api.hasHttp() || !parts.parse(address)) {
        return false;
    }
    const wchar_t* agent =
        userAgent != nullptr && *userAgent != 0 ? wide(userAgent) : kDefaultUserAgent;
    InternetHandle session(api.open(agent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session) {
        return false;
    }
    boundWaits(api, session.get());
    InternetHandle connection(api.connect(session.get(), wide(parts.getHost()), parts.getPort(),
                                          nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) {
        return false;
    }
    DWORD flags =
        INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE;
    if (parts.isSecure()) {
        flags |= INTERNET_FLAG_SECURE;
    }
    const wchar_t* referrerText = referrer != nullptr && *referrer != 0 ? wide(referrer) : nullptr;
    InternetHandle request(api.openRequest(connection.get(), L"GET", wide(parts.getPath()), nullptr,
                                           referrerText, nullptr, flags, 0));
    if (!request || !api.sendRequest(request.get(), nullptr, 0, nullptr, 0)) {
        return false;
    }
    return receive(api, request.get(), file, observer);
}

} // namespace s::system::network::win
