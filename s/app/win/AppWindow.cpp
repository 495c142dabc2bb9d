#include "s/app/win/AppWindow.h"

#include <objbase.h>

#include "s/app/WindowRules.h"
#include "s/app/update/UpdateCheck.h"
#include "s/app/update/win/DialogAsker.h"
#include "s/app/update/win/DownloaderNetwork.h"
#include "s/app/update/win/ShellPageOpener.h"
#include "s/app/update/win/SystemHour.h"
#include "s/app/win/AppBase.h"
#include "s/gui/drawer/ISkin.h"
#include "s/gui/drawer/Skinner.h"
#include "s/gui/win/Window.h"
#include "s/lang/Localizer.h"
#include "s/map/IMappedData.h"
#include "s/str/Ascii.h"
#include "s/system/monitor/win/Screen.h"
#include "s/system/win/OsVersion.h"

namespace s::app::win {

namespace {

// The empty key: a section's own value.
constexpr const char16_t* kOwnValue = u"";
// Options stay here whatever the screen factor.
constexpr const char16_t* kOptionsSection = u"View";
constexpr const char16_t* kSkinSection = u"Skin";
constexpr const char16_t* kMiddleClickKey = u"OnMClick";

} // namespace

AppWindow::~AppWindow() {
    dropOwned();
}

void AppWindow::reset() {
    dropOwned();
    path.clear();
    appBase = nullptr;
    name.clear();
    viewSection = WindowRules::viewSectionFor(1);
    softwareType = AppBase::kSoftwareType;
    textBase = AppBase::kTextBase;
    skinner = nullptr;
    ownSkin = false;
    defaultSkin.clear();
    defaultWidth = kDefaultSize;
    defaultHeight = kDefaultSize;
    defaultEasyDrag = true;
    defaultMaximized = false;
    defaultKeepOnTop = false;
    middleClick = WindowRules::kClose;
}

void AppWindow::dropOwned() {
    if (localizer != nullptr) {
        localizer->release();
        localizer = nullptr;
    }
    if (ownSkin) {
        if (skinner != nullptr) {
            skinner->release();
        }
        skinner = nullptr;
        ownSkin = false;
    }
    if (taskbar != nullptr) {
        taskbar->Release();
        taskbar = nullptr;
    }
    if (comInitialized && comThread == GetCurrentThreadId()) {
        CoUninitialize();
    }
    comInitialized = false;
    comThread = 0;
}

void AppWindow::init(AppBase* base, const char16_t* windowName, const char16_t* type,
                     std::int32_t width, std::int32_t height, bool easyDrag, bool maximized,
                     const char16_t* middleClickAction, s::gui::drawer::Skinner* skinnerGiven,
                     const char16_t* defaultSkinName, std::int32_t screenFactor) {
    // 1. - 3. Who the window is and where its bounds go.
    appBase = base;
    name = windowName != nullptr ? windowName : u"";
    viewSection = WindowRules::viewSectionFor(
        screenFactor > 0 ? screenFactor : s::system::monitor::win::screenScale());
    softwareType = type != nullptr ? type : AppBase::kSoftwareType;
    textBase = AppBase::kTextBase;
    // 4. - 5. Skin and defaults.
    chooseSkin(skinnerGiven, defaultSkinName);
    defaultWidth = width;
    defaultHeight = height;
    defaultEasyDrag = easyDrag;
    defaultMaximized = maximized;
    defaultKeepOnTop = true;
    middleClick = WindowRules::canonicalMiddleClick(middleClickAction);
    s::map::IMappedData* settings = store();
    if (settings != nullptr) {
        // 6. - 11. Without saving while the window's values are set up.
        settings->setAutoSave(false);
        writeIdentity();
        if (localizer != nullptr) {
            localizer->setLanguage(appBase->getLanguage());
        }
        if (skinner != nullptr && ownSkin) {
            const std::u16string skin = getSkin();
            skinner->select(skin.c_str());
        }
        middleClick = getMiddleClick();
        settings->setAutoSave(true);
    }
    // 12.
    createTaskbar();
}

void AppWindow::chooseSkin(s::gui::drawer::Skinner* skinnerGiven, const char16_t* defaultSkinName) {
    if (ownSkin && skinner != nullptr && skinner != skinnerGiven) {
        skinner->release();
    }
    skinner = skinnerGiven;
    ownSkin = appBase == nullptr || skinnerGiven != appBase->getSkinner();
    if (!ownSkin) {
        const s::gui::drawer::ISkin* current =
            skinnerGiven != nullptr ? skinnerGiven->getCurrent() : nullptr;
        defaultSkin = current != nullptr ? current->getName() : u"";
    } else if (defaultSkinName != nullptr) {
        defaultSkin = defaultSkinName;
    }
}

void AppWindow::setOwnLocalizer(s::lang::Localizer* own) {
    if (localizer != nullptr && localizer != own) {
        localizer->release();
    }
    localizer = own;
    if (localizer != nullptr && appBase != nullptr) {
        localizer->setLanguage(appBase->getLanguage());
    }
}

void AppWindow::writeIdentity() {
    s::map::IMappedData* settings = store();
    s::lang::Localizer* base = appBase->getLocalizer();
    settings->setString(sectionPath(u"SoftwareType"), kOwnValue, softwareType);
    settings->setString(sectionPath(u"SoftwareID"), kOwnValue, appBase->getRegistryId());
    settings->setString(sectionPath(u"Version"), kOwnValue,
                        base != nullptr ? base->getText(textBase + AppBase::kVersionOffset) : u"");
}

// The taskbar object exists from Windows 7 on; creating it elsewhere only
// fails, but the system check keeps older systems from loading what they
// never use.
void AppWindow::createTaskbar() {
    if (taskbar != nullptr || !s::system::win::OsVersion::get().atLeast61) {
        return;
    }
    if (!comInitialized) {
        comInitialized = SUCCEEDED(CoInitialize(nullptr));
        comThread = GetCurrentThreadId();
    }
    ITaskbarList3* created = nullptr;
    if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_ALL, IID_ITaskbarList3,
                                reinterpret_cast<void**>(&created))) ||
        created == nullptr) {
        return;
    }
    if (FAILED(created->HrInit())) {
        created->Release();
        return;
    }
    taskbar = created;
}

s::map::IMappedData* AppWindow::store() {
    return appBase != nullptr ? appBase->getSettings() : nullptr;
}

s::app::IAppBase* AppWindow::getAppBase() {
    return appBase;
}

const char16_t* AppWindow::sectionPath(const char16_t* sub) {
    path = name;
    path += u'\\';
    path += sub != nullptr ? sub : u"";
    return path.c_str();
}

const char16_t* AppWindow::getSkin() {
    if (!ownSkin) {
        return appBase != nullptr ? appBase->getSkin() : defaultSkin.c_str();
    }
    s::map::IMappedData* settings = store();
    const char16_t* stored = settings != nullptr
                                 ? settings->getString(sectionPath(kSkinSection), kOwnValue,
                                                       defaultSkin.c_str(), nullptr, true)
                                 : defaultSkin.c_str();
    std::int32_t index = -1;
    if (skinner != nullptr && !skinner->findScheme(stored, index)) {
        return defaultSkin.c_str();
    }
    return stored;
}

void AppWindow::setSkin(const char16_t* skinName) {
    if (skinName == nullptr) {
        return;
    }
    if (!ownSkin) {
        if (appBase != nullptr) {
            appBase->setSkin(skinName);
        }
        return;
    }
    if (s::map::IMappedData* settings = store()) {
        settings->setString(sectionPath(kSkinSection), kOwnValue, skinName);
    }
}

void AppWindow::setBounds(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    setX(x);
    setY(y);
    setWidth(width);
    setHeight(height);
}

void AppWindow::setSize(std::int32_t width, std::int32_t height) {
    setWidth(width);
    setHeight(height);
}

void AppWindow::removeBounds() {
    s::map::IMappedData* settings = store();
    if (settings == nullptr) {
        return;
    }
    for (const char16_t* key : {u"X", u"Y", u"Width", u"Height"}) {
        settings->removeValue(sectionPath(viewSection), key);
    }
}

bool AppWindow::hasX() {
    s::map::IMappedData* settings = store();
    return settings != nullptr && settings->hasValue(sectionPath(viewSection), u"X");
}

bool AppWindow::hasY() {
    s::map::IMappedData* settings = store();
    return settings != nullptr && settings->hasValue(sectionPath(viewSection), u"Y");
}

bool AppWindow::hasWidth() {
    s::map::IMappedData* settings = store();
    return settings != nullptr && settings->hasValue(sectionPath(viewSection), u"Width");
}

bool AppWindow::hasHeight() {
    s::map::IMappedData* settings = store();
    return settings != nullptr && settings->hasValue(sectionPath(viewSection), u"Height");
}

std::int32_t AppWindow::getX() {
    s::map::IMappedData* settings = store();
    return settings != nullptr ? settings->getInt32(sectionPath(viewSection), u"X", 0) : 0;
}

std::int32_t AppWindow::getY() {
    s::map::IMappedData* settings = store();
    return settings != nullptr ? settings->getInt32(sectionPath(viewSection), u"Y", 0) : 0;
}

std::int32_t AppWindow::getWidth() {
    s::map::IMappedData* settings = store();
    return settings != nullptr
               ? settings->getInt32(sectionPath(viewSection), u"Width", defaultWidth)
               : defaultWidth;
}

std::int32_t AppWindow::getHeight() {
    s::map::IMappedData* settings = store();
    return settings != nullptr
               ? settings->getInt32(sectionPath(viewSection), u"Height", defaultHeight)
               : defaultHeight;
}

void AppWindow::setX(std::int32_t x) {
    if (s::map::IMappedData* settings = store()) {
        settings->setInt32(sectionPath(viewSection), u"X", x);
    }
}

void AppWindow::setY(std::int32_t y) {
    if (s::map::IMappedData* settings = store()) {
        settings->setInt32(sectionPath(viewSection), u"Y", y);
    }
}

void AppWindow::setWidth(std::int32_t width) {
    if (s::map::IMappedData* settings = store()) {
        settings->setInt32(sectionPath(viewSection), u"Width", width);
    }
}

void AppWindow::setHeight(std::int32_t height) {
    if (s::map::IMappedData* settings = store()) {
        settings->setInt32(sectionPath(viewSection), u"Height", height);
    }
}

bool AppWindow::isWidthValid() {
    return WindowRules::isSizeValid(getWidth(), s::system::monitor::win::virtualScreenWidth());
}

bool AppWindow::isHeightValid() {
    return WindowRules::isSizeValid(getHeight(), s::system::monitor::win::virtualScreenHeight());
}

bool AppWindow::getMaximized() {
    s::map::IMappedData* settings = store();
    return settings != nullptr
               ? settings->getBool(sectionPath(kOptionsSection), u"Maximized", defaultMaximized)
               : defaultMaximized;
}

void AppWindow::setMaximized(bool on) {
    if (s::map::IMappedData* settings = store()) {
        settings->setBool(sectionPath(kOptionsSection), u"Maximized", on);
    }
}

bool AppWindow::getEasyDrag() {
    s::map::IMappedData* settings = store();
    return settings != nullptr
               ? settings->getBool(sectionPath(kOptionsSection), u"EasyDrag", defaultEasyDrag)
               : defaultEasyDrag;
}

void AppWindow::setEasyDrag(bool on) {
    if (s::map::IMappedData* settings = store()) {
        settings->setBool(sectionPath(kOptionsSection), u"EasyDrag", on);
    }
}

bool AppWindow::getKeepOnTop() {
    s::map::IMappedData* settings = store();
    return settings != nullptr
               ? settings->getBool(sectionPath(kOptionsSection), u"KeepOnTop", defaultKeepOnTop)
               : defaultKeepOnTop;
}

void AppWindow::setKeepOnTop(bool on) {
    if (s::map::IMappedData* settings = store()) {
        settings->setBool(sectionPath(kOptionsSection), u"KeepOnTop", on);
    }
}

const char16_t* AppWindow::storedMiddleClick() {
    s::map::IMappedData* settings = store();
    return settings != nullptr ? settings->getString(sectionPath(kOptionsSection), kMiddleClickKey,
                                                     middleClick, nullptr, true)
                               : middleClick;
}

bool AppWindow::isMiddleClickClose() {
    return s::str::Ascii::equalsIgnoreCase(storedMiddleClick(), WindowRules::kClose);
}

bool AppWindow::isMiddleClickIconize() {
    return s::str::Ascii::equalsIgnoreCase(storedMiddleClick(), WindowRules::kIconize);
}

const char16_t* AppWindow::getMiddleClick() {
    return WindowRules::canonicalMiddleClick(storedMiddleClick());
}

void AppWindow::setMiddleClick(const char16_t* action) {
    const char16_t* canonical = WindowRules::canonicalMiddleClick(action);
    if (canonical == middleClick) {
        return;
    }
    middleClick = canonical;
    if (s::map::IMappedData* settings = store()) {
        settings->setString(sectionPath(kOptionsSection), kMiddleClickKey, canonical);
    }
}

s::lang::Localizer* AppWindow::getLocalizer() {
    if (localizer != nullptr) {
        return localizer;
    }
    return appBase != nullptr ? appBase->getLocalizer() : nullptr;
}

HICON AppWindow::createIcon(std::int32_t pixelSize) {
    // The base keeps its handles; the window destroys the one it is given.
    const HICON shared = appBase != nullptr ? appBase->getIconHandle(pixelSize) : nullptr;
    return shared != nullptr ? CopyIcon(shared) : nullptr;
}

void AppWindow::languageChanged(const char16_t* languageName) {
    if (appBase != nullptr) {
        appBase->setLanguage(languageName);
    }
}

void AppWindow::skinChanged(const char16_t* skinName) {
    setSkin(skinName);
}

void AppWindow::saveSettings() {
    if (appBase != nullptr) {
        appBase->saveSettings();
    }
}

void AppWindow::showTaskbarBusy(HWND window) {
    if (taskbar != nullptr && window != nullptr) {
        taskbar->SetProgressState(window, TBPF_INDETERMINATE);
    }
}

void AppWindow::setTaskbarProgress(HWND window, std::uint64_t total, std::uint64_t done) {
    if (taskbar != nullptr && window != nullptr) {
        taskbar->SetProgressValue(window, done, total);
    }
}

void AppWindow::clearTaskbarProgress(HWND window) {
    if (taskbar != nullptr && window != nullptr) {
        taskbar->SetProgressState(window, TBPF_NOPROGRESS);
    }
}

void AppWindow::checkForUpdate(s::gui::win::Window* parentWindow) {
    if (appBase == nullptr) {
        return;
    }
    // The parent is bound to these settings, so its texts are this object's.
    s::app::update::win::DownloaderNetwork network;
    s::app::update::win::ShellPageOpener opener;
    s::app::update::win::DialogAsker asker(
        appBase, parentWindow != nullptr ? parentWindow->getHandle() : nullptr);
    s::app::update::UpdateCheck::Context context;
    context.localizer = getLocalizer();
    context.store = store();
    context.windowName = name.c_str();
    context.textBase = textBase;
    context.network = &network;
    context.asker = &asker;
    context.opener = &opener;
    s::app::update::UpdateCheck(context).run(s::app::update::win::SystemHour::now());
}

} // namespace s::app::win
