#include "s/app/update/win/DialogAsker.h"

#include "s/app/WindowRules.h"
#include "s/app/update/UpdateCheck.h"
#include "s/app/win/AppBase.h"
#include "s/app/win/AppWindow.h"
#include "s/gui/dialogs/FlexAsker.h"
#include "s/thread/PoolRef.h"

namespace s::app::update::win {

using s::app::win::AppWindow;
using s::gui::dialogs::FlexAsker;

bool DialogAsker::askYesNo(const char16_t* title, const char16_t* message, const char16_t*,
                           const char16_t*) {
    if (appBase == nullptr) {
        return false;
    }
    // The dialog has its own section for its place and options, and draws
    // in the application's skin: given the application base's own skin
    // selector it follows the stored "Skin" (a name no scheme has falls
    // back to the application's default), like every other window that
    // keeps no skin of its own, rather than showing the system's look.
    s::thread::PoolRef<AppWindow> settings(AppWindow::newInstance());
    settings->init(appBase, kWindowName, appBase->getSoftwareType(), kDefaultWidth, kDefaultHeight,
                   true, false, s::app::WindowRules::kClose, appBase->getSkinner(), nullptr);
    // Given back before the settings its window is bound to.
    s::thread::PoolRef<FlexAsker> asker(FlexAsker::newInstance());
    asker->setSettings(settings.get());
    // The labels the check passes are these texts of the pack.
    asker->setYesTextId(UpdateCheck::kYesTextId);
    asker->setNoTextId(UpdateCheck::kNoTextId);
    asker->setDontAskTextId(FlexAsker::kDontAskTextId);
    asker->setShowCheckBox(false);
    asker->ask(parent, title, message);
    return asker->getAnswer();
}

} // namespace s::app::update::win
