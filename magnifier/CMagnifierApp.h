#pragma once
#include "s/app/AppIdentity.h"

// The application object. Its initialisation step runs the whole life of the
// program on the main thread: the application base and the main window's
// settings, the gates, the command line, the magnifier dialog, and the wait
// until the lens window is closed. It answers false in every case, so the
// process ends without a message loop of its own.
class CMagnifierApp {
public:
    bool initInstance();

    // Who this program is, as the application base needs it: registry key,
    // resources and instance name, all from ProductIdentity.
    static s::app::AppIdentity identity();
};
