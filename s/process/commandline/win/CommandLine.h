#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace s::process::commandline::win {

// The program's arguments after the program name, as the system splits the
// command line. An argument written with a leading "/" is kept with a leading
// "-", so "/startup" and "-startup" read the same. Read-only after parse().
class CommandLine {
public:
    // Splits the process's own command line.
    void parse();
    // Splits a given command line (which starts with the program name).
    void parse(const char16_t* commandLine);

    int32_t getCount() const { return static_cast<int32_t>(arguments.size()); }
    // The argument at `index`, or "" outside the list.
    const char16_t* getArgument(int32_t index) const;

private:
    std::vector<std::u16string> arguments;
};

} // namespace s::process::commandline::win
