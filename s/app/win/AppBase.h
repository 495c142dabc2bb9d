#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "s/app/AppIdentity.h"
#include "s/app/IAppBase.h"
#include "s/image/win/BufferedImage.h"
#include "s/image/win/IconArchive.h"
#include "s/process/commandline/win/CommandLine.h"
#include "s/thread/ClassPool.h"
#include "s/thread/PoolRef.h"

namespace s::app::win {

// The application object of one process: it owns what the whole program
// shares (the identity texts, the program's path and resources, the
// localizer, the skin selector, the settings store, the parsed command line)
// and offers the single-instance test and the first-start hook.
//
// The application takes one from the pool at start-up, calls init once with
// its identity, hands it to every window's settings object and releases it
// when it ends; the release saves the store unless saveSettings() ran, and
// gives back everything it owns.
//
// Threads: init, the store and the first-start hook run on the application's
// main thread; windows on their own threads only read the localizer and the
// skin selector, which are set before any window exists. No lock of its own.
//
//     s::thread::PoolRef<AppBase> appBase(AppBase::newInstance());
//     appBase->init(identity, nullptr);
//     if (appBase->findOtherInstance()) { return false; }
class AppBase final : public s::app::IAppBase {
    S_POOLED_CLASS(AppBase, u"s_app_win_AppBase")

public:
    // The product type and the first text id of the product identity block.
    static constexpr const char16_t* kSoftwareType = u"Freeware";
    static constexpr std::int32_t kTextBase = 500000;
    // Offsets in the identity block: the product page and the version.
    static constexpr std::int32_t kProductPageOffset = 3;
    static constexpr std::int32_t kVersionOffset = 10;
    // The skin used when none is stored (or the stored one no longer exists).
    static constexpr const char16_t* kDefaultSkin = u"Black Black";

    // Opens a web address; answers whether it was handed on.
    using PageOpener = bool (*)(const char16_t* address);

    // Sets the object up from the application's identity and takes over the
    // skin selector (null: none). Steps: COM and OLE, command line, program
    // path and resources, localizer, skin selector, settings store with the
    // identity values written, the stored language, the stored skin.
    void init(const s::app::AppIdentity& application, s::gui::drawer::Skinner* skinner);

    void reset() override;

    const char16_t* getSoftwareType() const override { return softwareType; }
    const char16_t* getProgramPath() const override { return programPath.c_str(); }
    const char16_t* getProgramFolder() const override { return programFolder.c_str(); }
    s::process::commandline::win::CommandLine* getCommandLine() override {
        return commandLine.get();
    }
    s::image::win::IconArchive* getIconArchive() override { return icons.get(); }
    s::image::win::BufferedImage* getIconImage(std::int32_t pixelSize) override;
    HICON getIconHandle(std::int32_t pixelSize) override;
    s::image::win::IconArchive* openIconArchive(std::int32_t resourceId) override;

    std::int32_t getTextBase() const override { return textBase; }
    s::lang::Localizer* getLocalizer() override { return localizer; }

    HBITMAP getLogoHandle() override { return bitmapOf(logoWide.get()); }
    const s::image::win::BufferedImage* getLogo() override { return logoWide.get(); }
    HBITMAP getTallLogoHandle() override { return bitmapOf(logoTall.get()); }
    const s::image::win::BufferedImage* getTallLogo() override { return logoTall.get(); }
    const char16_t* getRegistryId() const override { return registryId.c_str(); }

    s::map::IMappedData* getSettings() override { return settings; }
    void saveSettings() override;
    // True once saveSettings() ran.
    bool isSaved() const { return saved; }

    bool hasSkinner() const override { return skinner != nullptr; }
    s::gui::drawer::Skinner* getSkinner() override { return skinner; }

    const char16_t* getLanguage() override;
    void setLanguage(const char16_t* name) override;
    const char16_t* getSkin() override;
    void setSkin(const char16_t* name) override;

    bool findOtherInstance() override;
    bool findOtherInstanceOnDesktop() override;

    s::map::IMappedData* openXmlSettings() override;
    s::map::IMappedData* openRegistrySettings() override;
    void openFirstRunPage() override;

    // The product key below HKEY_CURRENT_USER (the settings key's parent).
    std::u16string productKeyPath() const;
    // Replaces the page opener of the first-start hook (tests record the
    // address instead of starting a browser); null restores the shell's.
    void setPageOpener(PageOpener opener);

private:
    AppBase() { reset(); }
    ~AppBase() override;

    void initCom();
    void readProgramPath();
    void writeIdentity();
    void restoreLanguage();
    void restoreSkin();
    void loadPictures();
    static HBITMAP bitmapOf(const s::image::win::BufferedImage* image) {
        return image != nullptr ? image->getBitmap() : nullptr;
    }
    // The current pack's English name, "" without packs.
    const char16_t* currentLanguageName();
    // Gives back what the object owns (saving first unless saved).
    void dropOwned();

    const char16_t* softwareType = kSoftwareType;
    std::int32_t textBase = kTextBase;
    s::app::AppIdentity identity;
    // Taken with the object, kept for its whole life; reset() empties it.
    s::thread::PoolRef<s::process::commandline::win::CommandLine> commandLine =
        s::thread::PoolRef<s::process::commandline::win::CommandLine>::take();
    std::u16string programPath;
    std::u16string programFolder;
    // The program file's module: its resources. Borrowed from the process.
    HMODULE resources = nullptr;
    s::lang::Localizer* localizer = nullptr;    // owned
    s::gui::drawer::Skinner* skinner = nullptr; // owned
    // The application icon group and the two logo pictures, all decoded by
    // init before any window exists and unchanged afterwards, so that
    // windows on their own threads may read them together. Null when the
    // program lacks them.
    s::thread::PoolRef<s::image::win::IconArchive> icons;
    s::thread::PoolRef<s::image::win::BufferedImage> logoWide;
    s::thread::PoolRef<s::image::win::BufferedImage> logoTall;
    bool saved = false;
    s::map::IMappedData* settings = nullptr; // owned
    const char16_t* defaultSkin = kDefaultSkin;
    std::u16string registryId;
    PageOpener pageOpener = nullptr;
    // OLE was set up by init on the thread that must undo it.
    bool oleInitialized = false;
    DWORD oleThread = 0;
    // The single-instance gate marks this copy on its first call; later
    // calls answer what the first one found.
    bool instanceChecked = false;
    bool otherInstance = false;
};

} // namespace s::app::win
