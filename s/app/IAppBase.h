#pragma once
#include <windows.h>

#include <cstdint>

#include "s/base/IObject.h"
#include "s/thread/IPoolable.h"

namespace s::lang {
class Localizer;
}
namespace s::map {
class IMappedData;
}
namespace s::gui::drawer {
class Skinner;
}
namespace s::process::commandline::win {
class CommandLine;
}
namespace s::image::win {
class BufferedImage;
class IconArchive;
} // namespace s::image::win

namespace s::app {

// The per-process application object as the windows and dialogs of the
// framework see it: the product's identity texts, the program's path and
// resources, the localizer, the skin selector, the settings store with the
// language and skin, the single-instance test and the first-start hook.
// See s::app::win::AppBase for ownership and threads.
class IAppBase : public s::base::IObject, public s::thread::IPoolable {
public:
    // The product type text, "Freeware".
    virtual const char16_t* getSoftwareType() const = 0;
    // The program file's full path and the folder that holds it (with its
    // trailing backslash); "" when the system could not tell.
    virtual const char16_t* getProgramPath() const = 0;
    virtual const char16_t* getProgramFolder() const = 0;
    virtual s::process::commandline::win::CommandLine* getCommandLine() = 0;
    // The application icon group, decoded once at start-up; borrowed, null
    // when the program has none.
    virtual s::image::win::IconArchive* getIconArchive() = 0;
    // The group's image for size x size pixels (the icon directory's
    // selection rule) as a new image the caller releases, or null.
    virtual s::image::win::BufferedImage* getIconImage(std::int32_t pixelSize) = 0;
    // The same image as an icon handle, borrowed from the application base
    // (valid until it is released), or null.
    virtual HICON getIconHandle(std::int32_t pixelSize) = 0;
    // Another icon group of the program's resources, a new archive the
    // caller releases, or null when there is no such group.
    virtual s::image::win::IconArchive* openIconArchive(std::int32_t resourceId) = 0;

    // The id of the product identity block of the language pack.
    virtual std::int32_t getTextBase() const = 0;
    virtual s::lang::Localizer* getLocalizer() = 0;

    // The wide and the tall logo picture, decoded at start-up: the bitmap
    // and the image, both borrowed (valid until the application base is
    // released), null when the program has no such picture.
    virtual HBITMAP getLogoHandle() = 0;
    virtual const s::image::win::BufferedImage* getLogo() = 0;
    virtual HBITMAP getTallLogoHandle() = 0;
    virtual const s::image::win::BufferedImage* getTallLogo() = 0;
    // The product registry id (the English text of the pack that names the
    // settings key).
    virtual const char16_t* getRegistryId() const = 0;

    virtual s::map::IMappedData* getSettings() = 0;
    // Saves the store now; the release then does not save again.
    virtual void saveSettings() = 0;

    virtual bool hasSkinner() const = 0;
    virtual s::gui::drawer::Skinner* getSkinner() = 0;

    // The stored language (the English name of a pack); the current pack's
    // name when none is stored. Valid until the store's next getString.
    virtual const char16_t* getLanguage() = 0;
    virtual void setLanguage(const char16_t* name) = 0;
    // The stored skin name, or the default when none is stored or the skin
    // selector has no skin of that name. Valid until the store's next
    // getString.
    virtual const char16_t* getSkin() = 0;
    virtual void setSkin(const char16_t* name) = 0;

    // True when another copy of this program file runs (anywhere in the
    // session), resp. one that owns a window on this thread's desktop.
    virtual bool findOtherInstance() = 0;
    virtual bool findOtherInstanceOnDesktop() = 0;

    // New stores the caller owns: the document "savedata\SaveData.xml" next
    // to the program, resp. the product's registry settings key.
    virtual s::map::IMappedData* openXmlSettings() = 0;
    virtual s::map::IMappedData* openRegistrySettings() = 0;

    // The first-start hook: opens the product's page once when the product
    // key's "Silent" value asks for it, and clears that value.
    virtual void openFirstRunPage() = 0;
};

} // namespace s::app
