#pragma once

namespace s::process::win {

// Tells whether another copy of this program (the same program file, its full
// path compared ignoring ASCII case) is already running.
//
// A named mutex derived from the program path decides: only its first
// creator runs, so two copies started at the same moment leave exactly one
// (a plain look at the process list lets both see each other and both quit).
// Only when the mutex cannot be made does the process list decide, counting
// processes of the same file that started earlier than this one.
// The mutex is held until the process ends. Call from one thread.
class SingleInstance {
public:
    static bool findOtherInstance();
};

} // namespace s::process::win
