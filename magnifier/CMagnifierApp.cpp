#include "magnifier/CMagnifierApp.h"

#include <windows.h>

#include <vector>

#include "magnifier/Dialog.h"
#include "magnifier/logic/ProductIdentity.h"
#include "magnifier/logic/StartupRules.h"
#include "s/app/WindowRules.h"
#include "s/app/win/AppBase.h"
#include "s/app/win/AppWindow.h"
#include "s/gui/drawer/Skinner.h"
#include "s/gui/win/Window.h"
#include "s/process/commandline/win/CommandLine.h"
#include "s/system/win/CommonControls.h"
#include "s/system/win/OsVersion.h"
#include "s/thread/PoolRef.h"

using s::app::win::AppBase;
using s::app::win::AppWindow;
using s::image::gui::dialogs::magnifier::Dialog;
using s::image::gui::dialogs::magnifier::ProductIdentity;

namespace {

// The main window's settings: its name and defaults.
constexpr const char16_t* kMainWindow = u"MainWindow";
constexpr int32_t kMainWidth = 800;
constexpr int32_t kMainHeight = 600;

// Initialises every common control class.
void initCommonControls() {
    s::system::win::CommonControls::init(0xFF);
}

bool isSupportedSystem() {
    const auto& version = s::system::win::OsVersion::get();
    return s::image::gui::dialogs::magnifier::isSupportedSystem(version.isNT, version.majorVersion,
                                                                version.minorVersion);
}

// True when started from the start-on-boot shortcut ("-startup", any case,
// "/" or "-").
bool isBootStart(const s::process::commandline::win::CommandLine& commandLine) {
    std::vector<const char16_t*> arguments;
    for (int32_t i = 0; i < commandLine.getCount(); ++i) {
        arguments.push_back(commandLine.getArgument(i));
    }
    return s::image::gui::dialogs::magnifier::isBootStart(arguments.data(),
                                                          static_cast<int32_t>(arguments.size()));
}

} // namespace

s::app::AppIdentity CMagnifierApp::identity() {
    s::app::AppIdentity product;
    product.vendorKey = ProductIdentity::kVendorKeyName;
    product.registryIdText = ProductIdentity::kRegistryIdText;
    product.fallbackRegistryId = ProductIdentity::kRegistryId;
    product.settingsKey = ProductIdentity::kSettingsKeyName;
    product.packResourceType = ProductIdentity::kPackResourceType;
    product.packResourceId = ProductIdentity::kPackResourceId;
    product.iconResourceId = ProductIdentity::kIconResourceId;
    product.logoResourceType = ProductIdentity::kLogoResourceType;
    product.wideLogoId = ProductIdentity::kWideLogoId;
    product.tallLogoId = ProductIdentity::kTallLogoId;
    product.instanceName = ProductIdentity::kInstanceName;
    return product;
}

bool CMagnifierApp::initInstance() {
    initCommonControls();
    // The application base owns the skin selector from here on; every
    // window that follows the application's skin shares it.
    s::thread::PoolRef<AppBase> appBase(AppBase::newInstance());
    appBase->init(identity(), s::gui::drawer::Skinner::newThinWindowSkinner());
    s::thread::PoolRef<AppWindow> mainWindow(AppWindow::newInstance());
    mainWindow->init(appBase.get(), kMainWindow, appBase->getSoftwareType(), kMainWidth,
                     kMainHeight, false, true, s::app::WindowRules::kDoNothing,
                     appBase->getSkinner(), nullptr);
    if (!isSupportedSystem() || appBase->findOtherInstance()) {
        return false;
    }
    const auto& commandLine = *appBase->getCommandLine();
    const bool bootStart = isBootStart(commandLine);
    if (commandLine.getCount() == 0) {
        appBase->openFirstRunPage();
    }
    // Given back before the settings and the application base it borrows.
    s::thread::PoolRef<Dialog> dialog(Dialog::createDialog(mainWindow.get()));
    dialog->setApplication(appBase.get());
    dialog->start(bootStart);
    // The lens, its menus and the tray icon already run on their own
    // threads, so the check's wait for the server and for the user's answer
    // holds up nothing but this thread, which only waits from here on.
    mainWindow->checkForUpdate(dialog->getLensWindow());
    dialog->getLensWindow()->waitClosed();
    return false;
}
