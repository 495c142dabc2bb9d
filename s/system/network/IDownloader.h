#pragma once
#include "s/base/IObject.h"

#include <cstdint>

namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::system::network {

// One transfer of a web address to a file or to memory, on a worker thread
// of the downloader's own, with a caller that waits a bounded time. The
// Windows implementation is s::system::network::win::Downloader.
//
// The owner sets the address and options while no transfer runs, then
// start()s it or download()s it; only the owner's thread calls these
// operations. What the server sends is untrusted: the response holds its
// bytes as text (one character per byte) and nothing more is made of it.
class IDownloader : public s::base::IObject {
public:
    static constexpr const char16_t* kInterfaceName = u"s_system_network_IDownloader";

    // Told the bytes received so far and the total expected (1 of 1 when
    // the server names none); called on the transfer's thread.
    using ProgressFunction = void (*)(std::uint64_t received, std::uint64_t total, void* user1,
                                      void* user2);

    // Starts the transfer unless one is running or one has succeeded.
    virtual void start() = 0;
    // Asks the transfer to stop; with `wait`, ends it: a transfer that does
    // not stop within a short grace is cut off (its result is dropped) and
    // its worker abandoned, never killed.
    virtual void stop(bool wait) = 0;
    // Settings; ignored while a transfer runs.
    virtual void setUrl(const char16_t* text) = 0;
    virtual void setToMemory(bool on) = 0;
    virtual void setUserAgent(const char16_t* text) = 0;
    virtual void setReferrer(const char16_t* text) = 0;
    // Transfers and waits at most about `timeoutMs` (plus a short grace);
    // true when the transfer succeeded.
    virtual bool download(std::uint32_t timeoutMs, ProgressFunction progress, void* user1,
                          void* user2) = 0;
    virtual bool isStopRequested() const = 0;
    // The file of the last transfer (empty before any); read it once no
    // transfer runs.
    virtual const char16_t* getLocalFile() const = 0;
    // The bytes of the last successful transfer to memory; read it once no
    // transfer runs.
    virtual const s::str::strbuffer::StrBuffer* getResponse() const = 0;
};

} // namespace s::system::network
