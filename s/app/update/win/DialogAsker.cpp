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
    // The dialog keeps no skin of the application's: it has its own
    // section (none stored picks no skin).
    s::thread::PoolRef<AppWindow> settings(AppWindow::newInstance());
    settings->init(appBase, kWindowName, appBase->getSoftwareType(), kDefaultWidth, kDefaultHeight,
                   true, false, s::app::WindowRules::kClose, nullptr, nullptr);
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
