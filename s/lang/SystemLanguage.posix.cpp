#include "s/lang/SystemLanguage.h"

namespace s::lang::system {

namespace {
constexpr std::uint16_t kEnglishUnitedStates = 0x0409;
constexpr std::uint32_t kCurrentMajorVersion = 10;
} // namespace

std::uint16_t userUiLanguageId() {
    return kEnglishUnitedStates;
}

std::uint32_t majorVersion() {
    return kCurrentMajorVersion;
}

bool findModuleResource(const void*, const char16_t*, std::int32_t, const std::uint8_t*& bytes,
                        std::size_t& count) {
    bytes = nullptr;
    count = 0;
    return false;
}

} // namespace s::lang::system
