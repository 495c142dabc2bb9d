#include "s/app/update/win/DownloaderNetwork.h"

#include "s/thread/PoolRef.h"

namespace s::app::update::win {

using s::system::network::win::Downloader;

bool DownloaderNetwork::isConnected() {
    return connectedProbe != nullptr ? connectedProbe() : Downloader::isConnected();
}

bool DownloaderNetwork::fetch(const char16_t* address, s::str::strbuffer::StrBuffer& answer) {
    answer.clear();
    // Given back when this returns; a transfer cut off at the bound keeps
    // the downloader (through its lease) until it ends by itself.
    auto downloader = s::thread::PoolRef<Downloader>::take();
    if (!downloader) {
        return false;
    }
    downloader->setConnectedProbe(connectedProbe);
    downloader->setUrl(address);
    downloader->setToMemory(true);
    if (!downloader->download(kTimeoutMs, nullptr, nullptr, nullptr)) {
        return false;
    }
    answer.assignStr(downloader->getResponse());
    return true;
}

} // namespace s::app::update::win
