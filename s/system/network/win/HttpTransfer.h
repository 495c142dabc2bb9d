#pragma once
#include <windows.h>

namespace s::system::network::win {

class ITransferObserver;

// The WinINet transfer of the downloader, used when a user agent or a
// referrer must be sent: one GET of an http or https address (an explicit
// port after the host is honoured), read in pieces of 5000 bytes that are
// written to the open file as they arrive, so that an answer of any size
// costs one piece of memory. The observer hears the progress after each
// piece (1 of 1 when the server names no length) and may end the transfer.
//
// Every WinINet wait is bounded (connect, send and receive), so a transfer
// that its caller abandoned at its own bound still ends by itself when the
// server stops sending. Stateless; runs on the transfer's thread.
class HttpTransfer {
public:
    // Bytes read per call.
    static constexpr DWORD kChunkBytes = 5000;
    // Longest wait for the server at any one step.
    static constexpr DWORD kWaitLimitMs = 30000;
    // The user agent sent when none is given.
    static constexpr const wchar_t* kDefaultUserAgent =
        L"Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1)";

    // True when the whole answer was received and written to `file`.
    // `userAgent` and `referrer` may be empty (none).
    static bool run(const char16_t* address, const char16_t* userAgent, const char16_t* referrer,
                    HANDLE file, ITransferObserver& observer);
};

} // namespace s::system::network::win
