#include <windows.h>

#include "magnifier/CMagnifierApp.h"

// The one application object, made before the entry runs.
static CMagnifierApp theApp;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // The initialisation step answers false: the process ends here.
    return theApp.initInstance() ? 0 : 0;
}
