#pragma once
#include <cstdint>

namespace s::system::network::win {

// Watches one transfer from its own thread: told the progress after each
// piece received, it decides whether the transfer goes on. Both transfers
// of the downloader (URL moniker and WinINet) report to it.
class ITransferObserver {
public:
    virtual ~ITransferObserver() = default;
    // `total` is 0 when the server named no length. False ends the transfer
    // as failed (stop asked, cut off, or more bytes than the transfer may keep).
    virtual bool onProgress(std::uint64_t received, std::uint64_t total) = 0;
};

} // namespace s::system::network::win
