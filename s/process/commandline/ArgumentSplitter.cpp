#include "s/process/commandline/ArgumentSplitter.h"

namespace s::process::commandline {

namespace {

bool isBlank(char16_t unit) {
    return unit == u' ' || unit == u'\t';
}

// Past the program name and the blanks after it.
const char16_t* skipProgramName(const char16_t* at) {
    if (*at == u'"') {
        ++at;
        while (*at != 0 && *at != u'"') {
            ++at;
        }
        if (*at == u'"') {
            ++at;
        }
    } else {
        while (*at != 0 && !isBlank(*at)) {
            ++at;
        }
    }
    while (isBlank(*at)) {
        ++at;
    }
    return at;
}

// One quote at `at` after `backslashes` backslashes already copied into
// `argument`; returns the position after the quote and any quotes that
// directly follow it. `quotes` counts the quote marks of the current
// quoted part: 1 inside one, 0 or 2 outside.
const char16_t* takeQuotes(const char16_t* at, size_t backslashes, int& quotes,
                           std::u16string& argument) {
    if (backslashes % 2 == 0) {
        // Half the backslashes stay; the quote opens or closes a part.
        argument.resize(argument.size() - backslashes / 2);
        ++quotes;
    } else {
        // Half the backslashes stay, the last one makes the quote literal.
        argument.resize(argument.size() - backslashes / 2 - 1);
        argument.push_back(u'"');
    }
    ++at;
    // A quote right after a closing quote is a literal one.
    while (*at == u'"') {
        if (++quotes == 3) {
            argument.push_back(u'"');
            quotes = 0;
        }
        ++at;
    }
    if (quotes == 2) {
        quotes = 0;
    }
    return at;
}

} // namespace

std::vector<std::u16string> ArgumentSplitter::split(const char16_t* commandLine) {
    std::vector<std::u16string> arguments;
    if (commandLine == nullptr) {
        return arguments;
    }
    const char16_t* at = skipProgramName(commandLine);
    if (*at == 0) {
        return arguments;
    }
    std::u16string argument;
    size_t backslashes = 0;
    int quotes = 0;
    while (*at != 0) {
        if (isBlank(*at) && quotes == 0) {
            arguments.push_back(argument);
            argument.clear();
            backslashes = 0;
            while (isBlank(*at)) {
                ++at;
            }
            if (*at == 0) {
                return arguments;
            }
        } else if (*at == u'\\') {
            argument.push_back(*at++);
            ++backslashes;
        } else if (*at == u'"') {
            at = takeQuotes(at, backslashes, quotes, argument);
            backslashes = 0;
        } else {
            argument.push_back(*at++);
            backslashes = 0;
        }
    }
    arguments.push_back(argument);
    return arguments;
}

} // namespace s::process::commandline
