#pragma once

namespace s::app::update {

// Shows a web page to the user (the shell's "open" verb on Windows:
// s::app::update::win::ShellPageOpener). Called on the thread that runs the
// update check.
class IPageOpener {
public:
    virtual ~IPageOpener() = default;
    // False when the page could not be handed on; nothing else is reported.
    virtual bool openPage(const char16_t* address) = 0;
};

} // namespace s::app::update
