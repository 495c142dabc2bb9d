#include "magnifier/BootShortcut.h"

#include <windows.h>

#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "magnifier/logic/ProductIdentity.h"
#include "s/lang/Localizer.h"
#include "s/platform/win/ComObject.h"
#include "s/platform/win/WideText.h"
#include "s/thread/PoolRef.h"

namespace magnifier = s::image::gui::dialogs::magnifier;
using magnifier::BootShortcut;
using s::lang::Localizer;
using s::platform::win::OwnedCom;
using s::platform::win::utf16;
using s::platform::win::wide;
using s::thread::PoolRef;

namespace {

// What a link file holds, read back through the shell link interface.
struct LinkContents {
    bool loaded = false;
    std::u16string target;
    std::u16string arguments;
    std::u16string workingDirectory;
};

LinkContents readLink(const std::u16string& path) {
    LinkContents contents;
    const bool comStarted = SUCCEEDED(CoInitialize(nullptr));
    {
        IShellLinkW* rawLink = nullptr;
        CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                         reinterpret_cast<void**>(&rawLink));
        OwnedCom<IShellLinkW> link(rawLink);
        IPersistFile* rawFile = nullptr;
        if (link) {
            link.get()->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&rawFile));
        }
        OwnedCom<IPersistFile> file(rawFile);
        if (file && SUCCEEDED(file.get()->Load(wide(path.c_str()), STGM_READ))) {
            wchar_t text[MAX_PATH] = {};
            contents.loaded = true;
            link.get()->GetPath(text, MAX_PATH, nullptr, 0);
            contents.target = utf16(text);
            text[0] = 0;
            link.get()->GetArguments(text, MAX_PATH);
            contents.arguments = utf16(text);
            text[0] = 0;
            link.get()->GetWorkingDirectory(text, MAX_PATH);
            contents.workingDirectory = utf16(text);
        }
    }
    if (comStarted) {
        CoUninitialize();
    }
    return contents;
}

bool exists(const std::u16string& path) {
    return GetFileAttributesW(wide(path.c_str())) != INVALID_FILE_ATTRIBUTES;
}

std::u16string programPath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return utf16(path);
}

std::u16string folderOf(const std::u16string& path) {
    return path.substr(0, path.rfind(u'\\'));
}

std::u16string startupFolder() {
    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_STARTUP, nullptr, SHGFP_TYPE_CURRENT, path);
    return utf16(path);
}

// A folder of its own under the temporary folder, emptied of the files the
// tests leave.
class ScratchFolder {
public:
    ScratchFolder() {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        path = std::u16string(utf16(temp)) + u"vexa-shortcut-test";
        CreateDirectoryW(wide(path.c_str()), nullptr);
    }
    ~ScratchFolder() {
        for (const char16_t* name : {u"target.exe", u"other.exe", u"link.lnk", u"link.LNK",
                                     u"copy.lnk", u"plain.lnk", u"plain"}) {
            const std::u16string file = at(name);
            SetFileAttributesW(wide(file.c_str()), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(wide(file.c_str()));
        }
        RemoveDirectoryW(wide(path.c_str()));
    }
    std::u16string at(const char16_t* name) const { return path + u"\\" + name; }
    // A file with these bytes.
    std::u16string write(const char16_t* name, const char* bytes) const {
        const std::u16string file = at(name);
        HANDLE handle = CreateFileW(wide(file.c_str()), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(handle, bytes, static_cast<DWORD>(strlen(bytes)), &written, nullptr);
        CloseHandle(handle);
        return file;
    }
    std::string read(const std::u16string& file) const {
        std::string bytes;
        HANDLE handle = CreateFileW(wide(file.c_str()), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
        char buffer[4096];
        DWORD count = 0;
        while (handle != INVALID_HANDLE_VALUE &&
               ReadFile(handle, buffer, sizeof(buffer), &count, nullptr) && count > 0) {
            bytes.append(buffer, count);
        }
        if (handle != INVALID_HANDLE_VALUE) {
            CloseHandle(handle);
        }
        return bytes;
    }

    std::u16string path;
};

PoolRef<Localizer> shippedPack(const char16_t* language) {
    PoolRef<Localizer> localizer(
        Localizer::loadFromModule(nullptr, magnifier::ProductIdentity::kPackResourceType,
                                  magnifier::ProductIdentity::kPackResourceId));
    localizer->setLanguage(language);
    return localizer;
}

// English and German with a German version text of its own.
PoolRef<Localizer> packWithGermanVersion() {
    static const char kPack[] =
        "<lang><languages>"
        "<entry tagName=\"eng\" engName=\"English\" trueName=\"English\"/>"
        "<entry tagName=\"deu\" engName=\"German\" trueName=\"Deutsch\"/>"
        "</languages><entries>"
        "<entry id=\"500000\"><eng>Vexa Magnifier</eng><deu>Vexa Bildschirmlupe</deu></entry>"
        "<entry id=\"500010\"><eng>1.19</eng><deu>1,19</deu></entry>"
        "</entries></lang>";
    PoolRef<Localizer> localizer(
        Localizer::load(reinterpret_cast<const uint8_t*>(kPack), sizeof(kPack) - 1));
    localizer->setLanguage(u"German");
    return localizer;
}

} // namespace

TEST(BootShortcutWinTest, TheShortcutIsNamedFromTheEnglishProductNameAndTheCurrentVersionText) {
    const std::u16string folder = startupFolder();
    ASSERT_FALSE(folder.empty());
    PoolRef<Localizer> english = shippedPack(u"English");
    EXPECT_EQ(folder + u"\\Vexa Magnifier 1.19.lnk", BootShortcut(english.get()).getShortcutPath());
    // A German user gets the English product name all the same.
    PoolRef<Localizer> german = shippedPack(u"German");
    ASSERT_NE(std::u16string(u"Vexa Magnifier"), std::u16string(german->getText(500000)));
    EXPECT_EQ(folder + u"\\Vexa Magnifier 1.19.lnk", BootShortcut(german.get()).getShortcutPath());
    // The version text follows the current language.
    PoolRef<Localizer> ownVersion = packWithGermanVersion();
    EXPECT_EQ(folder + u"\\Vexa Magnifier 1,19.lnk",
              BootShortcut(ownVersion.get()).getShortcutPath());
    EXPECT_EQ(std::u16string(), BootShortcut(nullptr).getShortcutPath());
}

TEST(BootShortcutWinTest, CreatedInTheStartupFolderToThisProgramAndDeletedAgain) {
    PoolRef<Localizer> localizer = shippedPack(u"English");
    const BootShortcut shortcut(localizer.get());
    const std::u16string path = shortcut.getShortcutPath();
    BootShortcut::deleteShortcutFile(path.c_str());
    ASSERT_FALSE(shortcut.bootShortcutExists());

    shortcut.createBootShortcut();
    ASSERT_TRUE(shortcut.bootShortcutExists());
    ASSERT_TRUE(exists(path));
    const LinkContents contents = readLink(path);
    ASSERT_TRUE(contents.loaded);
    EXPECT_EQ(programPath(), contents.target);
    EXPECT_EQ(std::u16string(u"-startup"), contents.arguments);
    EXPECT_EQ(folderOf(programPath()), contents.workingDirectory);

    shortcut.deleteBootShortcut();
    EXPECT_FALSE(shortcut.bootShortcutExists());
    EXPECT_FALSE(exists(path));
    // Deleting what is not there, or creating with nothing stored, is quiet.
    shortcut.deleteBootShortcut();
    EXPECT_FALSE(exists(path));
}

TEST(BootShortcutWinTest, AShortcutAlreadyThereIsLeftAsItIsAndAReadOnlyOneIsDeleted) {
    PoolRef<Localizer> localizer = shippedPack(u"English");
    const BootShortcut shortcut(localizer.get());
    const std::u16string path = shortcut.getShortcutPath();
    ScratchFolder scratch;
    const std::u16string other = scratch.write(u"other.exe", "MZ other");
    ASSERT_TRUE(BootShortcut::createShortcut(path.c_str(), other.c_str(), true, nullptr));

    shortcut.createBootShortcut();
    EXPECT_EQ(other, readLink(path).target);

    ASSERT_TRUE(SetFileAttributesW(wide(path.c_str()), FILE_ATTRIBUTE_READONLY));
    // A read-only file really resists a plain deletion here.
    EXPECT_FALSE(DeleteFileW(wide(path.c_str())));
    shortcut.deleteBootShortcut();
    EXPECT_FALSE(exists(path));
    EXPECT_FALSE(BootShortcut::deleteShortcutFile(u"C:\\"));
}

TEST(BootShortcutWinTest, CreateShortcutCases) {
    ScratchFolder scratch;
    const std::u16string target = scratch.write(u"target.exe", "MZ target");
    const std::u16string other = scratch.write(u"other.exe", "MZ other");

    // A missing target writes nothing.
    EXPECT_FALSE(BootShortcut::createShortcut(scratch.at(u"link.lnk").c_str(),
                                              scratch.at(u"missing.exe").c_str(), true, nullptr));
    EXPECT_FALSE(exists(scratch.at(u"link.lnk")));

    // ".lnk" is appended to a name without it, and only then.
    ASSERT_TRUE(
        BootShortcut::createShortcut(scratch.at(u"plain").c_str(), target.c_str(), false, u"-x"));
    EXPECT_TRUE(exists(scratch.at(u"plain.lnk")));
    EXPECT_FALSE(exists(scratch.at(u"plain")));
    const LinkContents plain = readLink(scratch.at(u"plain.lnk"));
    EXPECT_EQ(target, plain.target);
    EXPECT_EQ(std::u16string(u"-x"), plain.arguments);
    EXPECT_EQ(scratch.path, plain.workingDirectory);

    // An existing link stays without overwrite and is replaced with it.
    ASSERT_TRUE(BootShortcut::createShortcut(scratch.at(u"link.LNK").c_str(), target.c_str(), false,
                                             nullptr));
    EXPECT_FALSE(BootShortcut::createShortcut(scratch.at(u"link.LNK").c_str(), other.c_str(), false,
                                              nullptr));
    EXPECT_EQ(target, readLink(scratch.at(u"link.LNK")).target);
    EXPECT_TRUE(BootShortcut::createShortcut(scratch.at(u"link.LNK").c_str(), other.c_str(), true,
                                             nullptr));
    const LinkContents replaced = readLink(scratch.at(u"link.LNK"));
    EXPECT_EQ(other, replaced.target);
    EXPECT_EQ(std::u16string(), replaced.arguments);

    // A target that is itself a link is copied as it is.
    ASSERT_TRUE(BootShortcut::createShortcut(scratch.at(u"copy").c_str(),
                                             scratch.at(u"plain.lnk").c_str(), false, u"-ignored"));
    EXPECT_EQ(scratch.read(scratch.at(u"plain.lnk")), scratch.read(scratch.at(u"copy.lnk")));

    // No link where no file can be.
    EXPECT_FALSE(BootShortcut::createShortcut(u"relative.lnk", target.c_str(), true, nullptr));
    EXPECT_FALSE(BootShortcut::createShortcut(nullptr, target.c_str(), true, nullptr));
    EXPECT_FALSE(
        BootShortcut::createShortcut(scratch.at(u"link.lnk").c_str(), nullptr, true, nullptr));
}
