#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace s::platform::win {

// The bytes of one resource of a module, found by type and numeric id. A
// resource stays mapped while its module is loaded, so the bytes are borrowed
// from the module and nothing is freed. `type` is a custom type name or a
// predefined type (RT_GROUP_ICON).
struct ModuleResource {
    const uint8_t* bytes = nullptr;
    size_t size = 0;

    // False (and no bytes) when the module has no such resource or it is
    // empty. A null module means the program file.
    bool find(HMODULE module, const wchar_t* type, int32_t id) {
        bytes = nullptr;
        size = 0;
        HMODULE owner = module != nullptr ? module : GetModuleHandleW(nullptr);
        if (owner == nullptr || type == nullptr || id < 0 || id > 0xFFFF) {
            return false;
        }
        HRSRC found = FindResourceW(owner, MAKEINTRESOURCEW(id), type);
        if (found == nullptr) {
            return false;
        }
        const DWORD length = SizeofResource(owner, found);
        HGLOBAL loaded = LoadResource(owner, found);
        const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
        if (data == nullptr || length == 0) {
            return false;
        }
        bytes = static_cast<const uint8_t*>(data);
        size = length;
        return true;
    }
};

} // namespace s::platform::win
