#include "s/process/commandline/win/CommandLine.h"

#include <windows.h>

#include <shellapi.h>

#include "s/platform/win/WideText.h"
#include "s/process/commandline/ArgumentRules.h"
#include "s/str/strarray/StrArray.h"

namespace s::process::commandline::win {

CommandLine::CommandLine() : arguments(s::str::strarray::StrArray::newInstance()) {}

CommandLine::~CommandLine() {
    arguments->release();
}

int32_t CommandLine::getCount() const {
    return static_cast<int32_t>(arguments->count());
}

void CommandLine::parse() {
    parse(s::platform::win::utf16(GetCommandLineW()));
}

void CommandLine::parse(const char16_t* commandLine) {
    arguments->clear();
    if (commandLine == nullptr) {
        return;
    }
    int count = 0;
    LPWSTR* split = CommandLineToArgvW(s::platform::win::wide(commandLine), &count);
    if (split == nullptr) {
        return;
    }
    for (int i = 1; i < count; ++i) {
        arguments->appendCopy(normaliseArgument(s::platform::win::utf16(split[i])).c_str());
    }
    LocalFree(split);
}

const char16_t* CommandLine::getArgument(int32_t index) const {
    if (index < 0 || index >= getCount()) {
        return u"";
    }
    return arguments->textAt(static_cast<uint32_t>(index));
}

} // namespace s::process::commandline::win
