#include "s/app/win/AppBase.h"

#include <objbase.h>
#include <ole2.h>

#include <vector>

#include "s/app/win/DesktopInstances.h"
#include "s/gui/drawer/ISkin.h"
#include "s/gui/drawer/Skinner.h"
#include "s/image/win/JpegDecoder.h"
#include "s/lang/LangPack.h"
#include "s/lang/Localizer.h"
#include "s/platform/win/WideText.h"
#include "s/process/win/SingleInstance.h"
#include "s/reg/MappedData.h"
#include "s/reg/RegKey.h"
#include "s/str/Ascii.h"
#include "s/system/win/WebAddress.h"
#include "s/xml/MappedData.h"

namespace s::app::win {

namespace {

// The empty key: a section's own value.
constexpr const char16_t* kOwnValue = u"";
constexpr const char16_t* kLanguageSection = u"Language";
constexpr const char16_t* kSkinSection = u"Skin";
constexpr const char16_t* kSilentValue = u"Silent";
constexpr const char16_t* kXmlSettingsFile = u"savedata\\SaveData.xml";
// Longest path GetModuleFileNameW can give (the \\?\ form).
constexpr DWORD kLongestPath = 32768;

bool openWithShell(const char16_t* address) {
    return s::system::win::openWebAddress(address);
}

} // namespace

AppBase::~AppBase() {
    dropOwned();
}

void AppBase::reset() {
    dropOwned();
    softwareType = kSoftwareType;
    textBase = kTextBase;
    identity = s::app::AppIdentity();
    commandLine->parse(nullptr);
    programPath.clear();
    programFolder.clear();
    resources = nullptr;
    defaultSkin = kDefaultSkin;
    registryId.clear();
    pageOpener = &openWithShell;
    instanceChecked = false;
    otherInstance = false;
}

void AppBase::dropOwned() {
    if (settings != nullptr && !saved) {
        settings->save();
    }
    if (settings != nullptr) {
        settings->release();
        settings = nullptr;
    }
    saved = false;
    if (localizer != nullptr) {
        localizer->release();
        localizer = nullptr;
    }
    if (skinner != nullptr) {
        skinner->release();
        skinner = nullptr;
    }
    icons.assign(nullptr);
    logoWide.assign(nullptr);
    logoTall.assign(nullptr);
    // Only the thread that set OLE up may take it down; a release on another
    // thread leaves it to the process's end.
    if (oleInitialized && oleThread == GetCurrentThreadId()) {
        OleUninitialize();
    }
    oleInitialized = false;
    oleThread = 0;
}

void AppBase::init(const s::app::AppIdentity& application, s::gui::drawer::Skinner* skinnerGiven) {
    dropOwned();
    identity = application;
    // 1. COM and OLE for the main thread, with the process's security.
    initCom();
    // 2. Identity numbers.
    softwareType = kSoftwareType;
    textBase = kTextBase;
    // 3. The command line.
    if (identity.commandLine != nullptr) {
        commandLine->parse(identity.commandLine);
    } else {
        commandLine->parse();
    }
    // 4. Where the program is; its module holds the resources.
    readProgramPath();
    resources = GetModuleHandleW(nullptr);
    icons.assign(openIconArchive(identity.iconResourceId));
    // 5. The language pack; it also names the settings key.
    localizer = s::lang::Localizer::loadFromModule(resources, identity.packResourceType,
                                                   identity.packResourceId);
    const char16_t* packId =
        localizer != nullptr ? localizer->getEnglishText(identity.registryIdText) : u"";
    registryId = *packId != 0 ? packId : identity.fallbackRegistryId;
    // 6. The skin selector, owned from now on.
    skinner = skinnerGiven;
    // 7. The logo pictures (wide and tall).
    loadPictures();
    // 8. - 9. The store, without saving while it is set up.
    defaultSkin = kDefaultSkin;
    settings = openRegistrySettings();
    if (settings == nullptr) {
        return;
    }
    settings->setAutoSave(false);
    // 10. - 12.
    writeIdentity();
    restoreLanguage();
    restoreSkin();
    // 13.
    settings->setAutoSave(true);
}

void AppBase::initCom() {
    const HRESULT ole = OleInitialize(nullptr);
    oleInitialized = SUCCEEDED(ole);
    oleThread = GetCurrentThreadId();
    // Fails harmlessly (RPC_E_TOO_LATE) when the process has set it before.
    CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT,
                         RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
}

void AppBase::readProgramPath() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return; // the path stays empty; nothing relies on it to start
        }
        if (length < path.size() || path.size() >= kLongestPath) {
            programPath.assign(s::platform::win::utf16(path.data()), length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = programPath.find_last_of(u"\\/");
    programFolder = slash == std::u16string::npos ? u"" : programPath.substr(0, slash + 1);
}

void AppBase::writeIdentity() {
    settings->setString(u"SoftwareType", kOwnValue, softwareType);
    settings->setString(u"SoftwareID", kOwnValue, registryId.c_str());
    settings->setString(u"Version", kOwnValue,
                        localizer != nullptr ? localizer->getText(textBase + kVersionOffset) : u"");
}

// The stored language becomes current; a stored name no pack carries is
// replaced by the pack that took its place. Nothing is written when nothing
// was stored: the user-interface language stays free to follow the system.
void AppBase::restoreLanguage() {
    if (localizer == nullptr) {
        return;
    }
    // getLanguage's text lives in the store's buffer: copy it before the
    // next lookup.
    const std::u16string stored = getLanguage();
    localizer->setLanguage(stored.c_str());
    const char16_t* chosen = currentLanguageName();
    if (!s::str::Ascii::equalsIgnoreCase(getLanguage(), chosen)) {
        setLanguage(chosen);
    }
}

void AppBase::restoreSkin() {
    if (skinner != nullptr) {
        const std::u16string skin = getSkin();
        skinner->select(skin.c_str());
    }
}

const char16_t* AppBase::currentLanguageName() {
    s::lang::LangPack* current = localizer != nullptr ? localizer->getCurrent() : nullptr;
    return current != nullptr ? current->getEngName() : u"";
}

void AppBase::loadPictures() {
    if (resources == nullptr || *identity.logoResourceType == 0) {
        return;
    }
    using s::image::win::JpegDecoder;
    if (identity.wideLogoId != 0) {
        logoWide.assign(
            JpegDecoder::decodeResource(resources, identity.logoResourceType, identity.wideLogoId));
    }
    if (identity.tallLogoId != 0) {
        logoTall.assign(
            JpegDecoder::decodeResource(resources, identity.logoResourceType, identity.tallLogoId));
    }
}

s::image::win::BufferedImage* AppBase::getIconImage(std::int32_t pixelSize) {
    return icons ? icons->getIconImage(pixelSize) : nullptr;
}

// The archive's own pick (not the system's, which may prefer another bit
// depth), so that every window shows the same image the tests check.
HICON AppBase::getIconHandle(std::int32_t pixelSize) {
    return icons ? icons->getIconHandle(pixelSize) : nullptr;
}

s::image::win::IconArchive* AppBase::openIconArchive(std::int32_t resourceId) {
    if (resources == nullptr || resourceId <= 0) {
        return nullptr;
    }
    auto archive = s::thread::PoolRef<s::image::win::IconArchive>::take();
    if (!archive->open(resources, resourceId)) {
        return nullptr; // the PoolRef gives the empty archive back
    }
    return archive.detach();
}

void AppBase::saveSettings() {
    if (settings != nullptr) {
        settings->save();
    }
    saved = true;
}

const char16_t* AppBase::getLanguage() {
    const char16_t* current = currentLanguageName();
    return settings != nullptr
               ? settings->getString(kLanguageSection, kOwnValue, current, nullptr, true)
               : current;
}

void AppBase::setLanguage(const char16_t* name) {
    if (settings != nullptr && name != nullptr) {
        settings->setString(kLanguageSection, kOwnValue, name);
    }
}

const char16_t* AppBase::getSkin() {
    const char16_t* stored = settings != nullptr ? settings->getString(kSkinSection, kOwnValue,
                                                                       defaultSkin, nullptr, true)
                                                 : defaultSkin;
    std::int32_t index = -1;
    if (skinner != nullptr && !skinner->findScheme(stored, index)) {
        return defaultSkin;
    }
    return stored;
}

void AppBase::setSkin(const char16_t* name) {
    if (settings != nullptr && name != nullptr) {
        settings->setString(kSkinSection, kOwnValue, name);
    }
}

bool AppBase::findOtherInstance() {
    // The gate creates this copy's mark on its first call, and would see
    // that mark as another copy on a second one.
    if (!instanceChecked) {
        otherInstance = s::process::win::SingleInstance::findOtherInstance(identity.instanceName);
        instanceChecked = true;
    }
    return otherInstance;
}

bool AppBase::findOtherInstanceOnDesktop() {
    return findOtherInstance() && DesktopInstances::otherCopyOnDesktop(programPath.c_str());
}

s::map::IMappedData* AppBase::openXmlSettings() {
    const std::u16string file = programFolder + kXmlSettingsFile;
    return s::xml::MappedData::open(file.c_str());
}

s::map::IMappedData* AppBase::openRegistrySettings() {
    std::u16string path = productKeyPath();
    path += u'\\';
    path += identity.settingsKey;
    return s::reg::MappedData::open(path.c_str());
}

std::u16string AppBase::productKeyPath() const {
    std::u16string path(identity.vendorKey);
    path += u'\\';
    path += registryId;
    return path;
}

void AppBase::setPageOpener(PageOpener opener) {
    pageOpener = opener != nullptr ? opener : &openWithShell;
}

void AppBase::openFirstRunPage() {
    const std::u16string path = productKeyPath();
    s::reg::RegKey productKey(HKEY_CURRENT_USER, path.c_str());
    DWORD type = 0;
    std::vector<std::uint8_t> bytes;
    // Only a 4-byte value counts, whatever type it was written with.
    if (!productKey.open() || !productKey.read(kSilentValue, type, bytes) || bytes.size() != 4) {
        return;
    }
    DWORD silent = 0;
    memcpy(&silent, bytes.data(), sizeof(silent));
    if (silent == 0) {
        return;
    }
    // Cleared before the page opens, so that a failing browser never brings
    // the page back on every start.
    const DWORD cleared = 0;
    productKey.write(kSilentValue, REG_DWORD, &cleared, sizeof(cleared));
    if (localizer != nullptr) {
        pageOpener(localizer->getText(textBase + kProductPageOffset));
    }
}

} // namespace s::app::win
