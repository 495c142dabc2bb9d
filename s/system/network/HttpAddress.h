#pragma once
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/PoolRef.h"

#include <cstdint>

namespace s::system::network {

// A web address split the way an HTTP request needs it: secure or not, the
// host, the port and the object path ("/software/x/" with any query).
//
// Only "http://" and "https://" at the start (either case) are understood;
// the host runs to the next '/', which must exist; a ":port" after the host
// (1 to 65535) replaces the scheme's port. Anything else fails and leaves
// the parts empty. Owned by its user; one thread.
class HttpAddress {
public:
    static constexpr std::uint16_t kHttpPort = 80;
    static constexpr std::uint16_t kHttpsPort = 443;

    HttpAddress();

    // Splits `address`; false (and empty parts) when it is not a usable
    // http or https address.
    bool parse(const char16_t* address);

    bool isSecure() const { return secure; }
    const char16_t* getHost() const { return host->c_str(); }
    std::uint16_t getPort() const { return port; }
    const char16_t* getPath() const { return path->c_str(); }

private:
    void clear();
    // Takes ":digits" off the end of the host into port; false when the
    // port is malformed or out of range.
    bool splitPort();

    bool secure = false;
    std::uint16_t port = 0;
    s::thread::PoolRef<s::str::strbuffer::StrBuffer> host;
    s::thread::PoolRef<s::str::strbuffer::StrBuffer> path;
};

} // namespace s::system::network
