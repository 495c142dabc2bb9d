#pragma once
#include <string>
#include <vector>

namespace s::process::commandline {

// Splits a Windows command line into its arguments the way the system's own
// splitter (CommandLineToArgvW) does, so that a program sees what a C
// program started with the same line would see:
//  - the program name comes first: up to the next quote when it starts with
//    one, else up to the first space or tab; it is left out of the result;
//  - arguments are separated by spaces and tabs outside quotes;
//  - 2n backslashes before a quote give n backslashes and the quote opens or
//    closes a quoted part; 2n + 1 give n backslashes and a literal quote;
//    backslashes before anything else are kept as they are;
//  - in a quoted part, two quotes give a literal quote and end the part (the
//    system's historical rule); "" alone is an empty argument.
// Pure and stateless, so it is checked anywhere.
class ArgumentSplitter {
public:
    // The arguments after the program name; none for a null or empty line.
    static std::vector<std::u16string> split(const char16_t* commandLine);
};

} // namespace s::process::commandline
