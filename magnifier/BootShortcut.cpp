#include "magnifier/BootShortcut.h"

#include <windows.h>

#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

#include "magnifier/TextIds.h"
#include "magnifier/logic/ShortcutRules.h"
#include "s/lang/Localizer.h"
#include "s/platform/win/ComObject.h"
#include "s/platform/win/WideText.h"

namespace s::image::gui::dialogs::magnifier {

using s::platform::win::OwnedCom;
using s::platform::win::utf16;
using s::platform::win::wide;

namespace {

// The argument the shortcut starts the program with.
constexpr const char16_t* kStartupArgument = u"-startup";
// The shell's special folder of the current user's Startup programs.
constexpr int kStartupFolder = CSIDL_STARTUP;
// The shell notification of a deleted file, given by its wide path and sent
// before the call returns.
constexpr LONG kDeleteEvent = SHCNE_DELETE;
constexpr UINT kDeleteNotifyFlags = SHCNF_PATHW | SHCNF_FLUSH;

bool fileExists(const char16_t* path) {
    return GetFileAttributesW(wide(path)) != INVALID_FILE_ATTRIBUTES;
}

// The Startup folder's path, empty when the shell has none.
std::u16string startupFolder() {
    LPITEMIDLIST items = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, kStartupFolder, &items)) || items == nullptr) {
        return std::u16string();
    }
    wchar_t path[MAX_PATH] = {};
    const BOOL found = SHGetPathFromIDListW(items, path);
    // The item list belongs to the shell's allocator.
    IMalloc* rawAllocator = nullptr;
    if (SUCCEEDED(SHGetMalloc(&rawAllocator))) {
        OwnedCom<IMalloc> allocator(rawAllocator);
        allocator.get()->Free(items);
    }
    return found ? std::u16string(utf16(path)) : std::u16string();
}

// The full path of the running program file, empty when the system cannot
// tell it.
std::u16string programPath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return std::u16string();
        }
        if (length < buffer.size()) {
            return std::u16string(utf16(buffer.data()), length);
        }
        if (buffer.size() >= 32768) {
            return std::u16string();
        }
        buffer.resize(buffer.size() * 2);
    }
}

// COM for the calling thread for as long as it lives, when the thread has
// none yet; a thread that has it already keeps it untouched.
class ComForThisCall {
public:
    ComForThisCall() : initialised(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComForThisCall() {
        if (initialised) {
            CoUninitialize();
        }
    }
    ComForThisCall(const ComForThisCall&) = delete;
    ComForThisCall& operator=(const ComForThisCall&) = delete;

private:
    bool initialised;
};

OwnedCom<IShellLinkW> newShellLink() {
    IShellLinkW* raw = nullptr;
    CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                     reinterpret_cast<void**>(&raw));
    return OwnedCom<IShellLinkW>(raw);
}

// Steps 6 to 9 of writing a link: target, working directory, arguments, save.
bool writeLink(IShellLinkW& link, const std::u16string& linkPath, const char16_t* targetPath,
               const char16_t* arguments) {
    link.SetPath(wide(targetPath));
    const std::u16string folder = folderOf(targetPath);
    if (isWellFormedPath(folder.c_str()) && fileExists(folder.c_str())) {
        link.SetWorkingDirectory(wide(folder.c_str()));
    }
    if (arguments != nullptr) {
        link.SetArguments(wide(arguments));
    }
    IPersistFile* rawFile = nullptr;
    if (FAILED(link.QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&rawFile))) ||
        rawFile == nullptr) {
        return false;
    }
    OwnedCom<IPersistFile> file(rawFile);
    return SUCCEEDED(file.get()->Save(wide(linkPath.c_str()), TRUE));
}

} // namespace

std::u16string BootShortcut::getShortcutPath() const {
    const std::u16string folder = startupFolder();
    if (folder.empty() || localizer == nullptr) {
        return std::u16string();
    }
    const int32_t productName = static_cast<int32_t>(TextId::ProductName);
    const int32_t version = static_cast<int32_t>(TextId::Version);
    return folder + u"\\" +
           bootShortcutName(localizer->getEnglishText(productName), localizer->getText(version));
}

bool BootShortcut::bootShortcutExists() const {
    const std::u16string path = getShortcutPath();
    return !path.empty() && fileExists(path.c_str());
}

void BootShortcut::createBootShortcut() const {
    const std::u16string path = getShortcutPath();
    const std::u16string program = programPath();
    if (path.empty() || program.empty() || !fileExists(program.c_str()) ||
        fileExists(path.c_str())) {
        return;
    }
    createShortcut(path.c_str(), program.c_str(), true, kStartupArgument);
}

void BootShortcut::deleteBootShortcut() const {
    const std::u16string path = getShortcutPath();
    if (!path.empty() && fileExists(path.c_str())) {
        deleteShortcutFile(path.c_str());
    }
}

bool BootShortcut::createShortcut(const char16_t* linkPath, const char16_t* targetPath,
                                  bool overwrite, const char16_t* arguments) {
    // 1. to 3.: the target must exist; the link gets its extension, must be
    //    a path a file can be written to, and replaces an existing file only
    //    when asked to.
    if (targetPath == nullptr || !fileExists(targetPath)) {
        return false;
    }
    const std::u16string link = withLinkExtension(linkPath);
    if (!isWellFormedPath(link.c_str())) {
        return false;
    }
    if (fileExists(link.c_str()) && (!overwrite || !deleteShortcutFile(link.c_str()))) {
        return false;
    }
    // 4. A link to a link would lead nowhere useful: the link is copied.
    if (hasLinkExtension(targetPath)) {
        return CopyFileW(wide(targetPath), wide(link.c_str()), FALSE) != 0;
    }
    // 5. The shell link object; a thread without COM gets it for this call.
    if (OwnedCom<IShellLinkW> shellLink = newShellLink()) {
        return writeLink(*shellLink.get(), link, targetPath, arguments);
    }
    ComForThisCall com;
    // Released before COM is given up again.
    OwnedCom<IShellLinkW> shellLink = newShellLink();
    return shellLink && writeLink(*shellLink.get(), link, targetPath, arguments);
}

bool BootShortcut::deleteShortcutFile(const char16_t* path) {
    if (path == nullptr || !isDeletablePath(path)) {
        return false;
    }
    bool deleted = DeleteFileW(wide(path)) != 0;
    if (!deleted) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            return true;
        }
        if (error == ERROR_ACCESS_DENIED) {
            const DWORD attributes = GetFileAttributesW(wide(path));
            if (attributes != INVALID_FILE_ATTRIBUTES &&
                SetFileAttributesW(wide(path), attributes & ~FILE_ATTRIBUTE_READONLY)) {
                deleted = DeleteFileW(wide(path)) != 0;
            }
        }
    }
    if (deleted) {
        SHChangeNotify(kDeleteEvent, kDeleteNotifyFlags, wide(path), nullptr);
    }
    return deleted;
}

} // namespace s::image::gui::dialogs::magnifier
