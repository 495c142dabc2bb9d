#include "s/process/commandline/win/CommandLine.h"

#include <windows.h>

#include <shellapi.h>

#include "s/platform/win/WideText.h"
#include "s/process/commandline/ArgumentRules.h"

namespace s::process::commandline::win {

void CommandLine::parse() {
    parse(s::platform::win::utf16(GetCommandLineW()));
}

void CommandLine::parse(const char16_t* commandLine) {
    arguments.clear();
    if (commandLine == nullptr) {
        return;
    }
    int count = 0;
    LPWSTR* split = CommandLineToArgvW(s::platform::win::wide(commandLine), &count);
    if (split == nullptr) {
        return;
    }
    for (int i = 1; i < count; ++i) {
        arguments.push_back(normaliseArgument(s::platform::win::utf16(split[i])));
    }
    LocalFree(split);
}

const char16_t* CommandLine::getArgument(int32_t index) const {
    if (index < 0 || index >= getCount()) {
        return u"";
    }
    return arguments[index].c_str();
}

} // namespace s::process::commandline::win
