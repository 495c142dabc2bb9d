#pragma once

namespace s::app::win {

// Tells whether a process other than this one, running the given program
// file (full path, ASCII case ignored), owns a top-level window on the
// calling thread's desktop. A process whose path cannot be read does not
// count. Any thread; it holds nothing between calls.
class DesktopInstances {
public:
    static bool otherCopyOnDesktop(const char16_t* programPath);
};

} // namespace s::app::win
