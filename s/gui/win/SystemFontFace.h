#pragma once

namespace s::gui::win {

// The typeface of the system's message boxes (the message font the user's
// display settings choose: "Segoe UI", "Tahoma", a CJK face ...), read once
// per process and kept. Texts of the toolkit use it so that they look like
// the rest of the system and show the user's script. When the system does
// not answer, "MS Shell Dlg 2", the face every version maps to its dialog
// font. Any thread.
const char16_t* systemFontFace();

} // namespace s::gui::win
