// The safe-loading scenario's control: loads each library named on the
// command line the careless way, by bare name with the default search order,
// so that a marker library planted next to it must be loaded. If it were
// not, the scenario could not tell a safe program from a marker that never
// fires. Exit code: the number of names that did not load.
#include <windows.h>

#include <cstdlib>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int missing = 0;
    for (int index = 1; index < __argc; ++index) {
        if (LoadLibraryW(__wargv[index]) == nullptr) {
            ++missing;
        }
    }
    return missing;
}
