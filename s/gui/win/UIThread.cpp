#include "s/gui/win/UIThread.h"

#include "s/system/win/CommonControls.h"

#include <objbase.h>
#include <ole2.h>

namespace s::gui::win {

namespace {

// Every common-control class the toolkit may create (list views to
// animation controls).
constexpr DWORD kAllControlClasses = 0xFF;

} // namespace

UIThread::~UIThread() {
    stop();
}

bool UIThread::start(InitFunction init, void* context) {
    if (getHandle() != nullptr) {
        return false; // started before; its init must not be replaced under it
    }
    initFunction = init;
    initContext = context;
    return WinThread::start();
}

bool UIThread::initInstance() {
    if (!s::system::win::CommonControls::init(kAllControlClasses)) {
        return false;
    }
    // OLE for drag and drop and the shell's objects; it makes this thread a
    // single-threaded COM apartment.
    if (FAILED(OleInitialize(nullptr))) {
        return false;
    }
    oleInitialized = true;
    // Process-wide and accepted only once: every thread after the first gets
    // RPC_E_TOO_LATE, which is fine.
    CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT,
                         RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
    if (initFunction != nullptr && !initFunction(initContext)) {
        OleUninitialize();
        oleInitialized = false;
        return false;
    }
    return true;
}

int UIThread::exitInstance(int loopCode) {
    if (oleInitialized) {
        OleUninitialize();
        oleInitialized = false;
    }
    return loopCode;
}

} // namespace s::gui::win
