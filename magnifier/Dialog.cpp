#include "magnifier/Dialog.h"

#include <string>

#include "magnifier/BootShortcut.h"
#include "magnifier/LensPainter.h"
#include "magnifier/TextIds.h"
#include "magnifier/logic/LensGeometry.h"
#include "magnifier/logic/MagnifierSettings.h"
#include "magnifier/logic/TriggerKeys.h"
#include "s/app/IAppBase.h"
#include "s/app/IAppWindow.h"
#include "s/app/WindowRules.h"
#include "s/app/win/AppBase.h"
#include "s/app/win/AppWindow.h"
#include "s/gui/dialogs/About3.h"
#include "s/gui/drawer/Skinner.h"
#include "s/gui/win/Box.h"
#include "s/gui/win/MessageBoxW.h"
#include "s/gui/win/PopupMenu.h"
#include "s/gui/win/Window.h"
#include "s/lang/Localizer.h"
#include "s/map/IMappedData.h"
#include "s/platform/win/WindowDC.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/system/monitor/win/Screen.h"
#include "s/system/win/WebAddress.h"
#include "s/thread/PoolRef.h"
#include "s/thread/win/Thread.h"

namespace s::image::gui::dialogs::magnifier {

using s::gui::BoxEvent;
using s::gui::win::Box;
using s::gui::win::PopupMenu;
using s::gui::win::Window;
using s::gui::win::WindowEvent;
namespace screen = s::system::monitor::win;

namespace {

// Period of the polling loop and of its wait-for-release loops.
constexpr DWORD kPollMilliseconds = 10;

// The version information window's settings: its name and defaults.
constexpr const char16_t* kAboutWindow = u"AboutWindow";
constexpr int32_t kAboutWidth = 340;
constexpr int32_t kAboutHeight = 285;
constexpr const char16_t* kAboutSkin = u"Classic LG";

// Milliseconds since 1970-01-01 UTC from the system time.
int64_t nowMilliseconds(void*) {
    FILETIME time;
    GetSystemTimeAsFileTime(&time);
    const int64_t units = (static_cast<int64_t>(time.dwHighDateTime) << 32) |
                          static_cast<int64_t>(time.dwLowDateTime);
    constexpr int64_t kEpochUnits = 116444736LL * 1000000000LL;
    return (units - kEpochUnits) / 10000;
}

bool isKeyDown(int32_t virtualKey, void*) {
    return (GetAsyncKeyState(virtualKey) & 0x8000) != 0;
}

void sendMouseButton(DWORD flag) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    SendInput(1, &input, sizeof(INPUT));
}

} // namespace

Dialog* Dialog::createDialog(s::app::IAppWindow* appWindow) {
    Dialog* dialog = newInstance();
    if (dialog != nullptr && appWindow != nullptr) {
        s::app::IAppBase* base = appWindow->getAppBase();
        dialog->appWindow = appWindow;
        dialog->settings = base != nullptr ? base->getSettings() : nullptr;
        dialog->localizer = appWindow->getLocalizer();
    }
    return dialog;
}

Dialog::Dialog() : rules(&isKeyDown, nullptr, &nowMilliseconds, nullptr) {
    worker = s::thread::win::Thread::newInstance();
    reset();
}

Dialog::~Dialog() {
    reset();
    if (worker != nullptr) {
        worker->release();
        worker = nullptr;
    }
}

void Dialog::reset() {
    stopRequested = true;
    if (worker != nullptr) {
        worker->waitIdle();
    }
    // The version window goes first: closing it enables its owner, the
    // lens window, which must still exist then.
    if (aboutWindow != nullptr) {
        aboutWindow->release();
        aboutWindow = nullptr;
    }
    if (aboutSettings != nullptr) {
        aboutSettings->release();
        aboutSettings = nullptr;
    }
    lensEnabledOverModal = false;
    // The window owns the canvas and the tray menu and gives them back on
    // its own thread. Giving it back closes it, and its close event sets
    // stopRequested again; the flag is cleared only afterwards, or the next
    // start's polling loop would end at once.
    if (lensWindow != nullptr) {
        lensWindow->release();
        lensWindow = nullptr;
    }
    appBase = nullptr;
    canvas = nullptr;
    trayMenu = nullptr;
    menu = TrayMenu();
    if (snapshot != nullptr) {
        snapshot->release();
        snapshot = nullptr;
    }
    painter.releaseBuffers();
    lensSettings.wrap(nullptr);
    appWindow = nullptr;
    settings = nullptr;
    localizer = nullptr;
    rules.reset();
    rules.setKeyProbe(&isKeyDown, nullptr);
    rules.setClock(&nowMilliseconds, nullptr);
    taskRunning = false;
    stopRequested = false;
}

// --- start ----------------------------------------------------------------------

const char16_t* Dialog::text(TextId id) const {
    return localizer != nullptr ? localizer->getText(static_cast<int32_t>(id)) : u"";
}

MagnifierSettings Dialog::readSettings() {
    const MagnifierSettings stored = MagnifierSettings::read(settings);
    rules.setOn(stored.isOn);
    rules.setAutoLock(stored.autoLock);
    rules.setKeyType(stored.keyType);
    rules.setMagnificationLevel(stored.magnificationLevel);
    return stored;
}

void Dialog::buildTrayMenu(const MagnifierSettings& stored) {
    trayMenu = PopupMenu::newInstance();
    menu.build(*trayMenu, localizer, stored, BootShortcut(localizer).bootShortcutExists());
}

void Dialog::buildLensWindow() {
    // 1. The canvas fills the lens window. It lets hit tests fall through, so
    //    mouse moves and clicks reach the window (panning and unlocking).
    canvas = Box::newInstance();
    canvas->setVertical();
    canvas->setWidthPercent(100, false);
    canvas->setHeightPercent(100, false);
    canvas->alignLeft();
    canvas->alignTop();
    canvas->setMouseTransparent(true);
    lensWindow->add(canvas);
    // 2. Listeners.
    trayMenu->addListener(this);
    lensWindow->addListener(WindowEvent::Call, this);
    lensWindow->addListener(WindowEvent::RightUp, this);
    lensWindow->addListener(WindowEvent::LeftUp, this);
    lensWindow->addListener(WindowEvent::TrayLeftClick, this);
    canvas->addWheelListener(this);
    lensWindow->addListener(WindowEvent::Close, this);
    // 3. Switches: a hidden, topmost window that lives in the tray.
    lensWindow->setMinimizeToTray(true);
    lensWindow->setTrayIconAlways(true);
    lensWindow->moveOnScreen();
    lensWindow->setEasyDrag(false);
    lensWindow->setKeepOnTop(true);
    lensWindow->setPassDoubleClicks(false);
    lensWindow->setSize(0, 0);
    lensWindow->minimize();
    lensWindow->setVisible(true, true);
    lensWindow->setVisible(false);
    lensWindow->addListener(WindowEvent::PositionChanging, this);
    lensWindow->addListener(WindowEvent::MouseMove, this);
    lensWindow->setHideCursor(true);
    lensWindow->setTrayClickToggles(false);
    canvas->addPaintListener(this);
}

void Dialog::start(bool bootStart) {
    lensWindow = Window::newInstance();
    lensWindow->setResizable(true);
    // The lens covers the screen: no caption, border or edge.
    lensWindow->setNativeFrame(false);
    lensWindow->setMaximizeBox(false);
    lensWindow->setClientEdge(false);
    bindLensWindow();
    buildTrayMenu(readSettings());
    lensWindow->setTrayMenu(trayMenu);
    buildLensWindow();
    worker->run(this);
    if (!bootStart) {
        showUsageHint();
    }
}

// The main window's settings give the lens window its title (which the
// tray tip shows, following the language), icons, skin and options, and the
// window stores a language change through the application base. Its bounds
// they do not give: the lens is bound through a view that keeps its place
// out of them (see LensWindowSettings). A dialog made without settings
// binds nothing and works with the defaults.
void Dialog::bindLensWindow() {
    if (appWindow != nullptr) {
        lensSettings.wrap(appWindow);
        lensWindow->bindSettings(&lensSettings, false);
    }
}

void Dialog::showUsageHint() {
    auto hint = s::thread::PoolRef<s::str::strbuffer::StrBuffer>::take();
    hint->appendWcs(text(TextId::HintStart));
    hint->appendWcs(
        text(static_cast<TextId>(static_cast<int32_t>(TextId::KeyNameBase) + rules.getKeyType())));
    hint->appendWcs(text(TextId::HintAfterKey));
    hint->appendWcs(u"\r\n");
    hint->appendWcs(text(TextId::HintMenu));
    s::gui::win::showInformationBox(hint->c_str());
}

// --- events ---------------------------------------------------------------------

void Dialog::onEvent(s::base::IObject* source, int32_t code) {
    if (lensWindow != nullptr && source == static_cast<s::base::IObject*>(lensWindow)) {
        onLensWindowEvent(code);
    } else if (canvas != nullptr && source == static_cast<s::base::IObject*>(canvas)) {
        if (code == static_cast<int32_t>(BoxEvent::Wheel)) {
            onWheel();
        } else if (code == static_cast<int32_t>(BoxEvent::Paint)) {
            drawLens(false, canvas->getPaintContext());
            canvas->markPainted();
        }
    } else if (trayMenu != nullptr && source == static_cast<s::base::IObject*>(trayMenu)) {
        onMenuCommand(trayMenu->getSelectedId());
    }
}

void Dialog::onLensWindowEvent(int32_t code) {
    switch (static_cast<WindowEvent>(code)) {
    case WindowEvent::Close:
        stopRequested = true;
        break;
    case WindowEvent::Call:
        onCall();
        break;
    case WindowEvent::TrayLeftClick:
        if (rules.showsOnTrayClick()) {
            showLens();
        }
        break;
    case WindowEvent::RightUp:
        if (rules.hidesOnRightUp()) {
            hideLens();
        }
        break;
    case WindowEvent::LeftUp:
        if (rules.hidesOnLeftUp()) {
            hideLens();
        }
        break;
    case WindowEvent::PositionChanging:
    case WindowEvent::MouseMove:
        drawLens(false, nullptr);
        break;
    default:
        break;
    }
}

void Dialog::onCall() {
    const intptr_t name = lensWindow->getCallValue1();
    if (name == reinterpret_cast<intptr_t>(kHideCall)) {
        hideLens();
    } else if (name == reinterpret_cast<intptr_t>(kShowCall)) {
        showLens();
        rules.armActivationClick();
    }
}

void Dialog::onWheel() {
    bool changed = false;
    {
        s::thread::ObjLocker::Scope guard(lock);
        changed = rules.wheel(canvas->getWheelValue());
    }
    if (changed) {
        drawLens(true, nullptr);
    }
}

void Dialog::onMenuCommand(int32_t commandId) {
    const MenuAction action = menu.onCommand(commandId);
    switch (action.kind) {
    case MenuAction::Kind::TurnOnOff:
        rules.setOn(action.on);
        break;
    case MenuAction::Kind::AutoLock:
        rules.setAutoLock(action.on);
        break;
    case MenuAction::Kind::Key:
        rules.setKeyType(action.value);
        break;
    case MenuAction::Kind::Zoom:
        // The next showing uses it; a lens shown now keeps its working zoom.
        rules.setMagnificationLevel(action.value);
        break;
    case MenuAction::Kind::StartOnBoot:
        if (action.on) {
            BootShortcut(localizer).createBootShortcut();
        } else {
            BootShortcut(localizer).deleteBootShortcut();
        }
        break;
    case MenuAction::Kind::OpenAddress:
        s::system::win::openWebAddress(text(static_cast<TextId>(action.value)));
        break;
    case MenuAction::Kind::VersionInformation:
        openAbout();
        break;
    case MenuAction::Kind::Exit:
        lensWindow->close();
        break;
    case MenuAction::Kind::Language:
    case MenuAction::Kind::Nothing:
        break;
    }
    storeSetting(action);
}

void Dialog::storeSetting(const MenuAction& action) {
    if (settings == nullptr) {
        return;
    }
    switch (action.kind) {
    case MenuAction::Kind::TurnOnOff:
        MagnifierSettings::writeIsOn(*settings, action.on);
        break;
    case MenuAction::Kind::AutoLock:
        MagnifierSettings::writeAutoLock(*settings, action.on);
        break;
    case MenuAction::Kind::Key:
        MagnifierSettings::writeKeyType(*settings, action.value);
        break;
    case MenuAction::Kind::Zoom:
        MagnifierSettings::writeMagnificationLevel(*settings, action.value);
        break;
    case MenuAction::Kind::Language:
        // The bound lens window stores the language through the
        // application base, which owns that value.
        break;
    default:
        break;
    }
}

void Dialog::openAbout() {
    if (appBase == nullptr) {
        return;
    }
    if (aboutWindow == nullptr) {
        // Made once and reused: the window keeps its settings section and
        // each showing builds a fresh window over them. It has a skin
        // selector of its own (owned by its settings), so its scheme is its
        // own choice, "Classic LG" until one is stored.
        aboutSettings = s::app::win::AppWindow::newInstance();
        aboutSettings->init(appBase, kAboutWindow, appBase->getSoftwareType(), kAboutWidth,
                            kAboutHeight, true, false, s::app::WindowRules::kClose,
                            s::gui::drawer::Skinner::newThinWindowSkinner(), kAboutSkin);
        aboutWindow = s::gui::dialogs::About3::newInstance();
        aboutWindow->setSettings(aboutSettings);
    }
    aboutWindow->show(lensWindow);
}

// --- showing and hiding -----------------------------------------------------------

void Dialog::showLens() {
    s::thread::ObjLocker::Scope guard(lock);
    if (snapshot == nullptr) {
        snapshot = s::image::win::BufferedImage::newInstance();
    }
    // Without a picture of the screen there is nothing to enlarge: the lens
    // stays hidden rather than showing a stale or empty image.
    if (screen::captureScreen(screen::virtualScreenLeft(), screen::virtualScreenTop(),
                              screen::virtualScreenWidth(), screen::virtualScreenHeight(),
                              snapshot) == nullptr) {
        return;
    }
    rules.lensShown();
    // The version window disables its owner, the lens window, and a
    // disabled window gets no mouse input: the lens could not pan, and with
    // auto-lock a click could not end it. The trigger is the user asking
    // for the lens, so the lens takes its input back while it is shown and
    // gives the version window its modal state back when it hides (unless
    // that window closed meanwhile and released its owner itself).
    lensEnabledOverModal = !lensWindow->isEnabled();
    if (lensEnabledOverModal) {
        lensWindow->setModal(false);
    }
    lensWindow->setVisible(true, true);
    lensWindow->setBounds(screen::virtualScreenLeft(), screen::virtualScreenTop(),
                          screen::virtualScreenWidth(), screen::virtualScreenHeight());
}

void Dialog::hideLens() {
    s::thread::ObjLocker::Scope guard(lock);
    rules.lensHidden();
    lensWindow->setVisible(false);
    lensWindow->setSize(0, 0);
    lensWindow->minimize();
    if (lensEnabledOverModal) {
        lensEnabledOverModal = false;
        if (aboutWindow != nullptr && aboutWindow->isOwnerHeld()) {
            lensWindow->setModal(true);
        }
    }
    // An idle magnifier holds no screen-sized memory: the next show captures
    // into a new image, which costs less than one frame.
    if (snapshot != nullptr) {
        snapshot->clear();
    }
    painter.releaseBuffers();
}

// --- drawing -----------------------------------------------------------------------

// One left press and release at the cursor, each its own input event.
void Dialog::makeActivationClick() {
    sendMouseButton(MOUSEEVENTF_LEFTDOWN);
    sendMouseButton(MOUSEEVENTF_LEFTUP);
}

void Dialog::drawLens(bool force, HDC paintDc) {
    if (!rules.isShown()) {
        return;
    }
    POINT cursor;
    if (!GetCursorPos(&cursor)) {
        return;
    }
    if (!rules.needsDrawing(force, paintDc != nullptr, cursor.x, cursor.y)) {
        return;
    }
    if (rules.takeActivationClick(cursor.x - lensWindow->getX(), cursor.y - lensWindow->getY(),
                                  lensWindow->getWidth(), lensWindow->getHeight())) {
        makeActivationClick();
    }
    // The polling thread gives the snapshot back when it ends; hold the lock
    // so the picture cannot vanish in the middle of a drawing.
    s::thread::ObjLocker::Scope guard(lock);
    if (snapshot == nullptr || snapshot->isEmpty()) {
        return;
    }
    const int32_t width = canvas->getWidth();
    const int32_t height = canvas->getHeight();
    const SourceRect source =
        sourceRect(cursor.x, cursor.y, screen::virtualScreenLeft(), screen::virtualScreenTop(),
                   width, height, snapshot->getWidth(), snapshot->getHeight(), rules.getZoom());
    if (paintDc != nullptr) {
        painter.paint(paintDc, width, height, *snapshot, source);
    } else {
        s::platform::win::WindowDC canvasDc(canvas->getHandle());
        painter.paint(canvasDc.get(), width, height, *snapshot, source);
    }
    rules.drawn(cursor.x, cursor.y);
}

// --- polling --------------------------------------------------------------------------

bool Dialog::isTriggerHeld() const {
    return rules.isTriggerHeld();
}

void Dialog::sendToLens(const char16_t* name) {
    lensWindow->sendCall(reinterpret_cast<intptr_t>(name), 0, 0, 0);
}

void Dialog::waitForRelease() const {
    while (isTriggerHeld()) {
        Sleep(kPollMilliseconds);
    }
}

void Dialog::run() {
    taskRunning = true;
    while (!stopRequested) {
        switch (rules.nextPollStep()) {
        case PollStep::ShowAndWaitForRelease:
            sendToLens(kShowCall);
            waitForRelease();
            break;
        case PollStep::HideAndWaitForRelease:
            sendToLens(kHideCall);
            waitForRelease();
            break;
        case PollStep::Hide:
            sendToLens(kHideCall);
            break;
        case PollStep::Nothing:
            break;
        }
        Sleep(kPollMilliseconds);
    }
    {
        s::thread::ObjLocker::Scope guard(lock);
        if (snapshot != nullptr) {
            snapshot->release();
            snapshot = nullptr;
        }
    }
    taskRunning = false;
    stopRequested = false;
}

} // namespace s::image::gui::dialogs::magnifier
