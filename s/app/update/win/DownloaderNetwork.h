#pragma once
#include "s/app/update/IUpdateNetwork.h"
#include "s/system/network/win/Downloader.h"

#include <cstdint>

namespace s::app::update::win {

// The update check's network on Windows: the system's connection state and
// one downloader from the pool per request, into memory, bounded at 8
// seconds (plus the downloader's short grace when it has to cut off).
//
// The connection probe can be replaced where the system's answer is known
// to be wrong (Wine without a gateway); it reaches the downloader too. Made
// by the caller of the check, used on its thread.
class DownloaderNetwork final : public s::app::update::IUpdateNetwork {
public:
    static constexpr std::uint32_t kTimeoutMs = 8000;

    explicit DownloaderNetwork(s::system::network::win::Downloader::ConnectedProbe probe = nullptr)
        : connectedProbe(probe) {}

    bool isConnected() override;
    bool fetch(const char16_t* address, s::str::strbuffer::StrBuffer& answer) override;

private:
    s::system::network::win::Downloader::ConnectedProbe connectedProbe;
};

} // namespace s::app::update::win
