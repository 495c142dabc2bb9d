#pragma once
#include <string>

namespace s::image::gui::dialogs::magnifier {

// The plain-text rules of the start-on-boot shortcut: its file name and the
// checks on the paths it is written to, free of any file system.

// The shortcut's file name: the English product name, one blank, the version
// text and ".lnk", e.g. "Vexa Magnifier 1.19.lnk". Null texts count as empty.
std::u16string bootShortcutName(const char16_t* englishProductName, const char16_t* versionText);

// True when the path ends in ".lnk", ignoring ASCII case.
bool hasLinkExtension(const char16_t* path);
// The path with ".lnk" appended unless it already ends in it.
std::u16string withLinkExtension(const char16_t* path);

// A full Windows path the program may create or delete a file at: a drive
// path ("C:\...") or a network path ("\\server\..."), shorter than the
// classic 260-unit limit, without control characters or any of < > " | ? *,
// and without a colon after the drive's.
bool isWellFormedPath(const char16_t* path);

// The folder part of a path: everything before its last backslash, keeping
// the backslash of a drive root ("C:\"); empty when the path has no folder.
std::u16string folderOf(const char16_t* path);

// Paths of three units or fewer ("C:\") name a drive, never a file to delete.
bool isDeletablePath(const char16_t* path);

} // namespace s::image::gui::dialogs::magnifier
