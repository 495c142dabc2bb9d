#pragma once

namespace s::gui::win {

// The typeface of the toolkit's texts: on Windows Vista and later with
// visual styles, the face of the theme's caption font (the face the system
// draws its own window captions and dialogs with: "Segoe UI", or the user's
// script's face); otherwise "MS Shell Dlg 2", the face every version maps to
// its dialog font. The visual-styles library is loaded at run time, since a
// system may lack it or have it switched off. Read once per process and
// kept, so every text of a run shares one face. Any thread.
const char16_t* systemFontFace();

} // namespace s::gui::win
