#pragma once

// The application object. Its initialisation step runs the whole life of the
// program on the main thread: gates, command line, the magnifier dialog, and
// the wait until the lens window is closed. It answers false in every case,
// so the process ends without a message loop of its own.
class CMagnifierApp {
public:
    bool initInstance();
};
