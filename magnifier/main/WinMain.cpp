#include <windows.h>

#include "magnifier/CMagnifierApp.h"
#include "s/system/win/SystemLibrary.h"

// The one application object, made before the entry runs.
static CMagnifierApp theApp;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Before anything loads a library: nothing may come from the current
    // folder or, where the system allows, from the program's own.
    s::system::win::SystemLibrary::restrictSearchPath();
    // The initialisation step answers false: the process ends here.
    return theApp.initInstance() ? 0 : 0;
}
