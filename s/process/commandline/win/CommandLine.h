#pragma once
#include <cstdint>

#include "s/process/commandline/ICommandLine.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::str::strarray {
class StrArray;
}

namespace s::process::commandline::win {

// The program's own command line, split as the system splits it
// (ArgumentSplitter) with each argument in the kept form (ArgumentRules).
// Pooled: whoever took it owns it; filled once by parse() on one thread and
// read-only afterwards, so other threads may then read it.
class CommandLine : public s::process::commandline::ICommandLine, public s::thread::IPoolable {
    S_POOLED_CLASS(CommandLine, u"s_process_commandline_win_CommandLine")
public:
    void reset() override;

    // Splits the process's own command line.
    void parse();
    // Splits a given command line (which starts with the program name).
    void parse(const char16_t* commandLine);

    int32_t getCount() const override;
    const char16_t* getArgument(int32_t index) const override;

private:
    CommandLine();
    ~CommandLine() override;

    // Owned for the object's whole life; reset() empties it.
    s::str::strarray::StrArray* arguments;
};

} // namespace s::process::commandline::win
