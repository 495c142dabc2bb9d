#include "magnifier/CMagnifierApp.h"

#include <windows.h>

#include <string>
#include <vector>

#include "magnifier/Dialog.h"
#include "magnifier/logic/MagnifierSettings.h"
#include "magnifier/logic/ProductIdentity.h"
#include "magnifier/logic/StartupRules.h"
#include "s/gui/win/Window.h"
#include "s/lang/Localizer.h"
#include "s/process/commandline/win/CommandLine.h"
#include "s/process/win/SingleInstance.h"
#include "s/reg/MappedData.h"
#include "s/system/win/CommonControls.h"
#include "s/system/win/OsVersion.h"
#include "s/thread/PoolRef.h"

using s::image::gui::dialogs::magnifier::Dialog;
using s::image::gui::dialogs::magnifier::MagnifierSettings;
using s::image::gui::dialogs::magnifier::ProductIdentity;

namespace {

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
bool readBootStart() {
    s::process::commandline::win::CommandLine commandLine;
    commandLine.parse();
    std::vector<const char16_t*> arguments;
    for (int32_t i = 0; i < commandLine.getCount(); ++i) {
        arguments.push_back(commandLine.getArgument(i));
    }
    return s::image::gui::dialogs::magnifier::isBootStart(arguments.data(),
                                                          static_cast<int32_t>(arguments.size()));
}

} // namespace

bool CMagnifierApp::initInstance() {
    initCommonControls();
    if (!isSupportedSystem() ||
        s::process::win::SingleInstance::findOtherInstance(ProductIdentity::kInstanceName)) {
        return false;
    }
    const bool bootStart = readBootStart();
    // The texts and the settings store of the whole run; the dialog borrows
    // them and is given back first. The pack names the settings key.
    s::thread::PoolRef<s::lang::Localizer> localizer(s::lang::Localizer::loadFromModule(
        nullptr, ProductIdentity::kPackResourceType, ProductIdentity::kPackResourceId));
    const std::u16string settingsKey = ProductIdentity::settingsKeyPath(
        localizer ? localizer->getEnglishText(ProductIdentity::kRegistryIdText) : nullptr);
    s::thread::PoolRef<s::reg::MappedData> settings(s::reg::MappedData::open(settingsKey.c_str()));
    // The language chosen in an earlier run.
    if (settings && localizer) {
        MagnifierSettings::restoreLanguage(*settings, *localizer);
    }
    s::thread::PoolRef<Dialog> dialog(Dialog::createDialog(settings.get(), localizer.get()));
    dialog->start(bootStart);
    dialog->getLensWindow()->waitClosed();
    return false;
}
