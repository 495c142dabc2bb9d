#include "s/process/commandline/win/CommandLine.h"

#include <windows.h>

#include <string>

#include "s/platform/win/WideText.h"
#include "s/process/commandline/ArgumentRules.h"
#include "s/process/commandline/ArgumentSplitter.h"
#include "s/str/strarray/StrArray.h"

namespace s::process::commandline::win {

CommandLine::CommandLine() : arguments(s::str::strarray::StrArray::newInstance()) {
    reset();
}

CommandLine::~CommandLine() {
    arguments->release();
}

void CommandLine::reset() {
    arguments->clear();
}

void CommandLine::parse() {
    parse(s::platform::win::utf16(GetCommandLineW()));
}

void CommandLine::parse(const char16_t* commandLine) {
    arguments->clear();
    for (const std::u16string& argument : ArgumentSplitter::split(commandLine)) {
        arguments->appendCopy(normaliseArgument(argument.c_str()).c_str());
    }
}

int32_t CommandLine::getCount() const {
    return static_cast<int32_t>(arguments->count());
}

const char16_t* CommandLine::getArgument(int32_t index) const {
    if (index < 0 || index >= getCount()) {
        return u"";
    }
    return arguments->textAt(static_cast<uint32_t>(index));
}

} // namespace s::process::commandline::win
