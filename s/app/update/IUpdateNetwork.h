#pragma once

namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::app::update {

// What the update check needs from the network: whether the computer is
// online at all, and one bounded request. The Windows implementation is
// s::app::update::win::DownloaderNetwork; tests supply their own. Called on
// the thread that runs the check.
class IUpdateNetwork {
public:
    virtual ~IUpdateNetwork() = default;
    // False when the system reports no connection (then nothing is asked).
    virtual bool isConnected() = 0;
    // Fetches `address` into `answer` (emptied first), one character per
    // byte received. False when the transfer failed, was cut off at its time
    // bound, or brought nothing; `answer` is then empty. Returns within the
    // implementation's time bound whatever the server does.
    virtual bool fetch(const char16_t* address, s::str::strbuffer::StrBuffer& answer) = 0;
};

} // namespace s::app::update
