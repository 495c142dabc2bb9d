#pragma once

namespace s::process::win {

// Tells whether another copy of this program (the same program file, its full
// path compared ignoring ASCII case) is already running.
//
// A named mutex decides: only its first creator runs, so two copies started
// at the same moment leave exactly one (a plain look at the process list lets
// both see each other and both quit). Its name is "Local\\" + the caller's
// instance name + "." + a hash of the program path, so copies of the program
// in other folders and other programs never meet. Only when the mutex cannot
// be made (a name the system refuses, such as one with a backslash or one of
// MAX_PATH units or more) does the process list decide, counting processes of
// the same file that started earlier than this one.
// The mutex is held until the process ends. Call from one thread.
class SingleInstance {
public:
    // instanceName names the program (null counts as empty); the caller owns
    // it.
    static bool findOtherInstance(const char16_t* instanceName);
};

} // namespace s::process::win
