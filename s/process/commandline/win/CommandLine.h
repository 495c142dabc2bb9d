#pragma once
#include <cstdint>

namespace s::str::strarray {
class StrArray;
}

namespace s::process::commandline::win {

// The program's arguments after the program name, as the system splits the
// command line. An argument written with a leading "/" is kept with a leading
// "-", so "/startup" and "-startup" read the same. Read-only after parse().
class CommandLine {
public:
    CommandLine();
    ~CommandLine();
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;

    // Splits the process's own command line.
    void parse();
    // Splits a given command line (which starts with the program name).
    void parse(const char16_t* commandLine);

    int32_t getCount() const;
    // The argument at `index`, or "" outside the list.
    const char16_t* getArgument(int32_t index) const;

private:
    // Owned, taken with the object.
    s::str::strarray::StrArray* arguments;
};

} // namespace s::process::commandline::win
