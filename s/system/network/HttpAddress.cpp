#include "s/system/network/HttpAddress.h"

namespace s::system::network {

namespace {

constexpr const char16_t* kHttpScheme = u"http://";
constexpr const char16_t* kHttpsScheme = u"https://";
constexpr std::uint32_t kHttpSchemeLength = 7;
constexpr std::uint32_t kHttpsSchemeLength = 8;
constexpr std::uint32_t kMaxPort = 65535;
constexpr std::uint32_t kMaxPortDigits = 5;

using s::str::strbuffer::StrBuffer;

} // namespace

HttpAddress::HttpAddress()
    : host(s::thread::PoolRef<StrBuffer>::take()), path(s::thread::PoolRef<StrBuffer>::take()) {}

void HttpAddress::clear() {
    secure = false;
    port = 0;
    host->clear();
    path->clear();
}

bool HttpAddress::parse(const char16_t* address) {
    clear();
    if (address == nullptr) {
        return false;
    }
    auto text = s::thread::PoolRef<StrBuffer>::take();
    text->appendWcs(address);
    std::uint32_t hostStart = 0;
    if (text->startsWithIgnoreCase(kHttpScheme)) {
        hostStart = kHttpSchemeLength;
        port = kHttpPort;
    } else if (text->startsWithIgnoreCase(kHttpsScheme)) {
        hostStart = kHttpsSchemeLength;
        secure = true;
        port = kHttpsPort;
    } else {
        clear();
        return false;
    }
    std::uint32_t slash = 0;
    if (!text->indexOf(u'/', slash, hostStart) || slash == hostStart) {
        clear();
        return false;
    }
    host->append(text->data() + hostStart, slash - hostStart);
    path->append(text->data() + slash, text->length() - slash);
    if (!splitPort() || host->isEmpty()) {
        clear();
        return false;
    }
    return true;
}

bool HttpAddress::splitPort() {
    std::uint32_t colon = 0;
    if (!host->lastIndexOf(u':', colon)) {
        return true;
    }
    const std::uint32_t digits = host->length() - colon - 1;
    if (digits == 0 || digits > kMaxPortDigits) {
        return false;
    }
    std::uint32_t value = 0;
    for (std::uint32_t index = colon + 1; index < host->length(); ++index) {
        const char16_t unit = host->charAt(index);
        if (unit < u'0' || unit > u'9') {
            return false;
        }
        value = value * 10 + static_cast<std::uint32_t>(unit - u'0');
    }
    if (value == 0 || value > kMaxPort) {
        return false;
    }
    port = static_cast<std::uint16_t>(value);
    host->setLength(colon);
    return true;
}

} // namespace s::system::network
