#pragma once
#include <windows.h>

namespace s::system::win {

// Loading system libraries so that a file planted next to the program (a
// download folder holds whatever a web page pushed into it) or in the current
// folder is never loaded in their place.
//
// restrictSearchPath() runs first thing at start, before anything may load a
// library: it takes the current folder out of the search path and, where the
// system offers it (Windows 8, or 7 and Vista with their loader update),
// limits the default search to the system folder. Both functions are looked
// up at run time, since Windows XP before SP1 and Vista/7 without the update
// lack them. load() names a library by its full path in the system folder.
// Stateless; any thread may call load().
class SystemLibrary {
public:
    // Answers whether the default search now leaves the program's own folder
    // out (SetDefaultDllDirectories was available); on older systems only the
    // current folder is taken out.
    static bool restrictSearchPath();

    // The library `fileName` (a bare name such as u"uxtheme.dll") from the
    // system folder, or null when it is not there or the name holds a path.
    // The caller frees it with FreeLibrary.
    static HMODULE load(const char16_t* fileName);

    // A library the program's manifest redirects to a side-by-side assembly
    // (the version 6 common controls): loaded by name so that the redirection
    // applies, from the system folder only where the system can be told so.
    static HMODULE loadSideBySide(const char16_t* fileName);

    // A function of a loaded library by name, cast to its type; null when
    // the library or the function is missing.
    template <class Function> static Function function(HMODULE library, const char* name) {
        return library != nullptr ? reinterpret_cast<Function>(
                                        reinterpret_cast<void*>(GetProcAddress(library, name)))
                                  : nullptr;
    }

    // A function of kernel32, which every process has loaded.
    template <class Function> static Function kernelFunction(const char* name) {
        return function<Function>(GetModuleHandleW(L"kernel32.dll"), name);
    }
};

} // namespace s::system::win
