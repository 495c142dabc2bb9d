#pragma once
#include <cstddef>
#include <cstdint>

// What the localizer needs from the operating system. Windows answers from
// the system (SystemLanguage.win.cpp); elsewhere (SystemLanguage.posix.cpp)
// there is no user-interface language, system version or program resource
// to ask, and the answers are those of a current English system without a
// language pack.
namespace s::lang::system {

// The user-interface language identifier (GetUserDefaultUILanguage).
std::uint16_t userUiLanguageId();

// The major version of the running system (5 for XP, 6 for Vista to 8.1,
// 10 for 10), determined once per process.
std::uint32_t majorVersion();

// The bytes of resource `id` of the given type in a module (null: the program
// file). The bytes stay valid while the module is loaded. False, with bytes
// null and count 0, when there is no such resource.
bool findModuleResource(const void* module, const char16_t* type, std::int32_t id,
                        const std::uint8_t*& bytes, std::size_t& count);

} // namespace s::lang::system
