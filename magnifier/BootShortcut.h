#pragma once
#include <string>

namespace s::lang {
class Localizer;
}

namespace s::image::gui::dialogs::magnifier {

// The start-on-boot shortcut: a shell link to the program file with the
// argument "-startup" in the current user's Startup folder, named from the
// English product name and the version text. The file itself is the state;
// there is no setting for it.
//
// Every failure is silent: the operations answer false (or nothing) and the
// caller's menu mark is left as it is. When the Startup folder cannot be
// found, the shortcut counts as absent and nothing is created or deleted.
//
// A value object over a borrowed localizer, which must outlive it. The shell
// link calls need COM: a thread without it is initialised for the call and
// uninitialised after it. Used on one thread at a time.
class BootShortcut {
public:
    explicit BootShortcut(s::lang::Localizer* localizer) : localizer(localizer) {}

    // True when the shortcut file exists in the Startup folder.
    bool bootShortcutExists() const;
    // Creates the shortcut when the program file exists and the shortcut does
    // not; an existing file is left unchanged.
    void createBootShortcut() const;
    // Deletes the shortcut when it exists (a read-only one too) and tells the
    // shell.
    void deleteBootShortcut() const;

    // The shortcut's full path: Startup folder, backslash, the English
    // product name, a blank, the version text of the current language and
    // ".lnk". Empty when the Startup folder cannot be found.
    std::u16string getShortcutPath() const;

    // Writes a shell link at linkPath (".lnk" appended when missing) to
    // targetPath, with the target's folder as working directory and the
    // arguments (null: none). An existing link is replaced only with
    // overwrite. A target that is itself a link is copied. True on success.
    static bool createShortcut(const char16_t* linkPath, const char16_t* targetPath, bool overwrite,
                               const char16_t* arguments);
    // Deletes a file: a path of three units or fewer never; a file already
    // gone counts as deleted; a read-only file loses that attribute and is
    // tried again. The shell hears of a deletion. True when the file is gone.
    static bool deleteShortcutFile(const char16_t* path);

private:
    s::lang::Localizer* localizer;
};

} // namespace s::image::gui::dialogs::magnifier
