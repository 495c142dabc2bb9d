#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <vector>

#include "s/base/IObject.h"
#include "s/gui/IContainer.h"
#include "s/gui/events/EventSource.h"
#include "s/gui/win/HotKeys.h"
#include "s/gui/win/IWindowSettings.h"
#include "s/gui/win/InvisibleWindow.h"
#include "s/gui/win/OffscreenBuffer.h"
#include "s/gui/win/TrayIcon.h"
#include "s/gui/win/UIThread.h"
#include "s/platform/win/IconHandle.h"
#include "s/platform/win/MenuHandle.h"
#include "s/platform/win/NativeWindow.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::str::strbuffer {
class StrBuffer;
}
namespace s::lang {
class Localizer;
}
namespace s::image::win {
class BufferedImage;
}
namespace s::gui::drawer {
class ISkin;
class IWindow;
class Skinner;
} // namespace s::gui::drawer

namespace s::gui::win {

class IWindowSettings;
class PopupMenu;

// Event codes a window raises to its listeners (the second argument of
// onEvent; the source is the window). Values a listener reads back from the
// window (call values, key, wheel lines, timer id, sizing rectangle,
// captured point) are valid while the event is delivered.
enum class WindowEvent : int32_t {
    Close = 1,             // close requested; a listener may veto
    Call = 2,              // synchronous call; call values readable, result settable
    RightDown = 3,         // right button pressed in the client area
    SizeChanged = 4,       // size notification
    LeftDown = 5,          // left button pressed
    Activated = 6,         // activation
    Deactivated = 7,       // deactivation
    Sizing = 8,            // being resized; getSizingLeft ... readable and settable
    MiddleDown = 9,        // middle button pressed, client or frame
    PositionChanging = 10, // position-changing message
    Moved = 11,            // position changed
    KeyDown = 12,          // key pressed; getLastKey
    MouseMove = 13,        // mouse moved over client or frame
    Wheel = 14,            // wheel turned and no child took it; getWheelLines
    Notify = 15,           // custom notification (private message notify 15)
    DoubleClick = 16,      // left double click, client or frame
    CaptureEnded = 17,     // the armed capture ended; getCapturedX, getCapturedY
    TrayRightClick = 18,   // tray icon right-clicked, before the tray menu opens
    ContextMenu = 19,      // the context menu is about to open
    LanguageChanged = 20,  // the language changed; the texts were applied again
    Restored = 21,         // restored out of the minimized or maximized state
    TrayLeftClick = 22,    // tray icon left-clicked
    HotKey = 23,           // a registered hot key was pressed; isHotKey(name)
    RightUp = 24,          // right button released in the client area
    LeftUp = 25,           // left button released
    Timer = 26,            // a user timer fired; getTimerId
    ClipboardChanged = 27, // the clipboard changed (while in the viewer chain)
};
constexpr int32_t kEventCodeCount = 27;

// The toolkit's top-level window: one native window plus the object that owns
// it, running on a thread of its own. The window and its hidden owner are
// created on that thread and every message, timer, tray callback, menu and
// listener call of the window runs there; public operations may be called
// from any thread (thread-bound work is sent to the window's thread as a
// private message or a thread call, and the caller waits).
//
// Ownership and teardown:
//  - the Window belongs to whoever took it from its pool; its pool keeps
//    none, so release() destroys it;
//  - the window owns its component tree (every component given to add()), its tray
//    menu (setTrayMenu(), and through it the submenus) and its icon
//    (setSmallIcon()). reset() gives them back on the window's own thread,
//    after the window is hidden and closed, so that no paint, menu or tray
//    callback can reach them while they go;
//  - native windows (the window, its owner, the boxes' child windows) are
//    destroyed on the thread that created them; then the thread ends;
//  - listeners are borrowed: they must outlive the window's last event. They
//    may be added from any thread at any time, also while the window
//    delivers; one added during a delivery is called in the same pass;
//  - the tray icon and the hot keys are the window's own: the icon goes when
//    the window closes or is reset, the hot keys when it is reset, both on
//    the window's thread. Their state lives on that thread; what clients may
//    read from any thread (isTrayIconShown, isIconized, isHotKey) is atomic;
//  - the menu bar, the status bar and a context menu handed over as owned
//    are the window's; the localizer, the skinner, the skin's drawer, the
//    bound settings and the closers are borrowed and must outlive the window
//    (reset() leaves the localizer's and the skinner's lists);
//  - painting runs on the window's thread through one off-screen buffer the
//    window owns; the drawer is swapped on that thread too.
class Window : public s::gui::IContainer,
               public s::base::IObject,
               public s::thread::IPoolable,
               public s::platform::win::NativeWindow {
    S_POOLED_CLASS_LIMIT(Window, u"s_gui_win_Window", 0)
public:
    void reset() override;
    void onEvent(s::base::IObject* source, int32_t code) override;

    // Geometry (outer bounds on the screen).
    int32_t getX() const override;
    void setX(int32_t x) override { setLocation(x, getY()); }
    int32_t getY() const override;
    void setY(int32_t y) override { setLocation(getX(), y); }
    int32_t getScreenX() const override { return getX(); }
    int32_t getScreenY() const override { return getY(); }
    bool contains(int32_t screenX, int32_t screenY) const override;
    int32_t getWidth() const override;
    void setWidth(int32_t width) override { setSize(width, getHeight()); }
    int32_t getHeight() const override;
    void setHeight(int32_t height) override { setSize(getWidth(), height); }
    int32_t getClientWidth() const override;
    int32_t getClientHeight() const override;
    void setLocation(int32_t x, int32_t y) override;
    void setSize(int32_t width, int32_t height) override;
    void setBounds(int32_t x, int32_t y, int32_t width, int32_t height) override;

    // Sizes: the frame around the children's needs (see WindowChildren.cpp).
    int32_t getMinimumWidth() const override;
    int32_t getMinimumHeight() const override;
    int32_t getPreferredWidth() const override;
    int32_t getPreferredHeight() const override;
    int32_t getMaximumWidth() const override;
    int32_t getMaximumHeight() const override;
    s::gui::layout::SizeRange getSizeRange() const override;
    void resizeWithin(int32_t width, int32_t height) override;

    // A window is nobody's child: it has no parent, no offset and places
    // itself at once (batch updates are for children).
    void beginUpdate() override {}
    void endUpdate() override {}
    bool isUpdating() const override { return false; }
    s::gui::IContainer* getParent() const override { return nullptr; }
    void setParent(s::gui::IContainer*) override {}
    s::gui::layout::Point getOffset() const override { return {0, 0}; }
    void setOffset(int32_t, int32_t) override {}

    // Visibility and state.
    bool isVisible() const override { return visible.load(); }
    void setVisible(bool show) override { setVisible(show, false); }
    bool isEnabled() const override;
    void setEnabled(bool enable) override;
    void setVisible(bool show, bool activate);
    // The last bounds while neither maximized nor minimized.
    int32_t getNormalX() const { return normalX.load(); }
    int32_t getNormalY() const { return normalY.load(); }
    int32_t getNormalWidth() const { return normalWidth.load(); }
    int32_t getNormalHeight() const { return normalHeight.load(); }
    void minimize();
    void moveOnScreen();
    // Brings the window to the foreground (and to the keyboard when called
    // on its own thread).
    void setActive();
    // On: to the foreground, briefly topmost so that it also comes in front
    // of other topmost windows; it counts as active. Off: the window is told
    // it lost the activation, which records when that happened.
    void setActive(bool on);
    // Minimized, hidden and represented by its tray icon.
    void iconize();
    // Out of the tray (shown, to the foreground, the icon removed unless the
    // show-tray-icon switch keeps it), then, when shown, out of the minimized
    // or maximized state.
    void restore();
    bool isIconized() const { return iconized.load(); }

    // Close protocol: close() raises code 1 on the window's thread; unless a
    // listener vetoes, the window hides and counts as closed. The native
    // window lives on until the object is destroyed.
    bool isClosed() const { return closed.load(); }
    void close();
    void vetoClose() { closeVetoed = true; }
    void waitClosed() const;

    // Frame and behaviour switches.
    // Resizable by the user: through the system's sizing frame when the
    // native frame is on, by dragging the painted borders when it is off.
    void setResizable(bool on);
    void setClientEdge(bool on);
    void setPassDoubleClicks(bool on) { passDoubleClicks = on; }
    void setHideCursor(bool on) { hideCursor = on; }
    void setMinimizeToTray(bool on) { minimizeToTray = on; }
    bool isResizable() const { return resizable.load(); }
    void setTrayClickToggles(bool on) { trayClickToggles = on; }

    // Tray icon: its picture is the small icon, its tip the title. It is
    // shown while iconized; with show-tray-icon also while the window is
    // shown; with tray-icon-always until the window closes. When the shell's
    // taskbar is re-created, a shown icon is added again.
    void setTrayIconAlways(bool on);
    void setShowTrayIcon(bool on);
    // On adds the icon; off removes it unless tray-icon-always is set.
    void setTrayIcon(bool on);
    // Sends picture and tip again when the icon is shown.
    void updateTrayIcon();
    bool isTrayIconShown() const { return trayIcon.isShown(); }

    // The clock that times the tray click's grace after a deactivation, in
    // milliseconds; tests put their own in. Null restores the system clock.
    using Clock = int64_t (*)();
    void setClock(Clock clock);

    // System-wide hot keys by name, registered on the window's thread. A
    // name registered again replaces its earlier key. A combination that
    // another program holds answers false and, with reportFailure, tells the
    // user in a box. Code 23 reports a press; isHotKey(name) tells which.
    bool registerHotKey(bool alt, bool ctrl, bool shift, bool win, int32_t keyCode,
                        const char16_t* name, bool reportFailure);
    void unregisterHotKey(const char16_t* name);
    void unregisterAllHotKeys();
    bool isHotKey(const char16_t* name) const { return hotKeys.isPressed(name); }

    // The title: window text, and the tray icon's tip (shortened to what
    // the tip holds). getTitle reads the native text back.
    void setTitle(const char16_t* text);
    const char16_t* getTitle();
    // The title from the localizer: text(textId), followed by " v" and
    // text(versionTextId) unless that is -1; applied now when a localizer is
    // set and again on every language change. -1 as textId: no title text.
    void setTitleIds(int32_t textId, int32_t versionTextId);
    // The window follows the localizer's language (texts re-applied, code
    // 20); null leaves it. Borrowed.
    void setLocalizer(s::lang::Localizer* localizer);
    bool hasLocalizer() const { return localizer.load() != nullptr; }
    s::lang::Localizer* getLocalizer() const { return localizer.load(); }
    // The window takes over the icon (window, owner and tray icon show it)
    // and destroys the previous one once nothing shows it any more.
    void setSmallIcon(s::platform::win::OwnedIcon icon);
    void setBigIcon(s::platform::win::OwnedIcon icon);
    HICON getSmallIcon() const;
    HICON getBigIcon() const;

    // Background colour of the client area when no drawer paints it.
    COLORREF getBackground() const { return background.load(); }
    void setBackgroundWhite() { setBackground(255, 255, 255, true); }
    void setBackgroundBlack() { setBackground(0, 0, 0, true); }
    void setBackgroundLight() { setBackground(240, 240, 240, true); }
    // The system's button face (a fixed light grey before Windows 6.0).
    void setBackgroundSystem();
    void setBackground(uint8_t red, uint8_t green, uint8_t blue, bool repaint);

    // Look: a skinner lends the current skin, and tells the window when the
    // skin changes. The window then takes the skin's window drawer, hands
    // the skin down its component tree (buttons, check boxes and labels
    // paint with the skin's drawers) and repaints everything, on its own
    // thread. Without a current skin (no skinner, a skinner without schemes,
    // or the skinner taken away with null) the window and its components
    // keep or regain the native look: the skin's drawer goes, and the native
    // frame comes back as it was before the skin took it.
    // setDrawer: a drawer paints frame and background (the native frame
    // goes); owned drawers are given back when replaced. Null returns to the
    // background colour.
    void setSkinner(s::gui::drawer::Skinner* skinner);
    bool hasSkinner() const { return skinner.load() != nullptr; }
    s::gui::drawer::Skinner* getSkinner() const { return skinner.load(); }
    // The skin the components were last given (lent), or null.
    s::gui::drawer::ISkin* getSkin() const { return skin.load(); }
    // On the window's thread: draws the window's background (the drawer's
    // frame and background, or the background colour) as it lies behind
    // the client rectangle (x, y, width, height) into `dc` at (0, 0): what a
    // transparent child shows.
    void drawBackgroundBehind(HDC dc, int32_t x, int32_t y, int32_t width, int32_t height);
    void setDrawer(s::gui::drawer::IWindow* drawer, bool owned);
    s::gui::drawer::IWindow* getDrawer() const { return drawer.load(); }
    // The off-screen buffer of the last paint (lent), or null.
    s::image::win::BufferedImage* getBufferImage() const { return buffer.get(); }

    // A component whose event (a Close button's click) closes the window.
    // The window is told through its onEvent; the caller makes the window a
    // listener of the component's action. Borrowed.
    void addCloser(s::base::IObject* closer);
    // The window takes over the menu (null removes it); the previous one is
    // given back on the window's thread.
    void setTrayMenu(PopupMenu* menu);
    // The window takes over the menu bar (null removes it); the previous one
    // is given back on the window's thread.
    void setMenuBar(PopupMenu* menu);
    // A menu opened at the cursor by the right button (code 19 first);
    // given back with the window when owned.
    void setContextMenu(PopupMenu* menu, bool owned);
    // The window takes over the component and keeps it along its bottom
    // edge at the client width (null removes it).
    void setStatusBar(s::gui::IComponent* bar);

    // Children (the window as a container). add() takes the component over
    // (see IContainer for what it refuses), appends it, has it create its
    // native part on the window's thread and lays out again. The children
    // are read and changed on the window's thread; calls from other threads
    // are carried there and wait.
    bool add(s::gui::IComponent* component) override;
    bool remove(s::gui::IComponent* component, bool giveBack) override;
    void removeAll() override;
    int32_t getComponentCount() const override;
    s::gui::IComponent* getComponent(int32_t index) const override;
    bool isContainer() const override { return true; }
    void repaint() override;
    // Lays the children out in the client area with the layout manager (the
    // shared vertical layout when none is set).
    void doLayout() override;
    const s::gui::ILayoutManager* getLayout() const override { return manager.load(); }
    void setLayout(const s::gui::ILayoutManager* layoutManager) override {
        manager = layoutManager;
    }
    s::gui::layout::LayoutKind getLayoutKind() const override {
        return s::gui::layout::LayoutKind::Vertical;
    }
    // The client area's top-left corner on the screen.
    s::gui::layout::Point getChildOrigin() const override;

    // Synchronous call: runs code 2 on the window's thread with the four
    // values and answers the call result (0 without a native window). The
    // values are pointer-sized so that a constant name can travel by address.
    intptr_t sendCall(intptr_t a, intptr_t b, intptr_t c, intptr_t d);
    intptr_t getCallValue1() const { return callValues[0]; }
    intptr_t getCallValue2() const { return callValues[1]; }
    intptr_t getCallValue3() const { return callValues[2]; }
    intptr_t getCallValue4() const { return callValues[3]; }
    void setCallResult(intptr_t value) { callResult = value; }
    // The same call posted: the window copies the four values and raises 2
    // later on its own thread; false without a native window or when the
    // message could not be posted.
    bool postCall(intptr_t a, intptr_t b, intptr_t c, intptr_t d);

    // User timers (ids 0 and above), run on the window's thread: code 26
    // with getTimerId() at every period. Starting a running id restarts it
    // with the new period. A listener that calls markTimerHandled() keeps
    // the timer message from default processing.
    bool startTimer(int32_t id, int32_t periodMs);
    void stopTimer(int32_t id);
    int32_t getTimerId() const { return timerId; }
    void markTimerHandled() { timerHandled = true; }

    // Joins (on) or leaves the clipboard-viewer chain; while in it, every
    // clipboard change raises 27.
    void setClipboardViewer(bool on);
    bool isSuspended() const { return suspended.load(); }
    bool isShutdownPending() const { return shutdownPending.load(); }

    // Binds the window to its stored settings: icons, texts, skin, options
    // and the stored bounds; hiding and moving store the bounds back.
    // Borrowed; null unbinds.
    void bindSettings(IWindowSettings* settings, bool withVersion);
    // Stores the bounds into the bound settings (only while visible); full
    // also undoes a hover evasion first.
    void saveBounds(bool full);

    int32_t getLastKey() const { return lastKey; }
    int32_t getWheelLines() const { return wheelLines; }

    // Listeners, one list per event code; never removed one by one. Safe
    // from any thread, also while the window delivers.
    void addListener(WindowEvent code, s::gui::events::IEventListener* listener);

    // Message boxes shown by the window's own thread (the caller waits for
    // the user's answer). Without a native window nothing is shown and
    // askYesNo answers false.
    void showInformation(const char16_t* text);
    void showError(const char16_t* text);
    bool askYesNo(const char16_t* text);

    // The window's own handling of a message; false leaves it to default
    // processing, after which afterMessage runs. Called on the window's
    // thread by its message entry (a test may call it to see what is kept
    // from the system, such as Enter).
    bool handleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam);
    void afterMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam);

    HWND getHandle() const { return getNativeHandle(); }

    // --- Frame, placement and visibility behaviours ---------------------------
    // Frame style switches: each adds or removes one native style and redraws
    // the frame. The native frame on is the system's overlapped frame with
    // its edges; off, a frameless pop-up (a drawer paints any frame).
    void setMaximizeBox(bool on);
    void setMinimizeBox(bool on);
    void setSystemMenu(bool on);
    void setCaption(bool on);
    void setToolWindow(bool on);
    void setNativeFrame(bool on);
    // The window paints its own frame (a drawer is set): the window itself
    // answers the hit tests of its borders and drags them.
    void setFramePainted(bool on);
    // The taskbar button (app-window style); a shown window is hidden and
    // shown again so that the taskbar notices.
    void setTaskbarButton(bool on);
    // These three are also stored into bound settings.
    void setEasyDrag(bool on);
    void setKeepOnTop(bool on);
    bool isEasyDrag() const { return easyDrag.load(); }
    bool isKeepOnTop() const { return keepOnTop.load(); }
    void maximize();
    void showNormal();
    bool isMinimized() const;
    bool isMaximized() const;
    // Disables (on) or enables the window's input.
    void setModal(bool on);

    // The middle-click action is one of these constants; any other text
    // counts as "DoNothing". Code 9 is raised first either way.
    // (Arrays defined once, so that each has one address in the program.)
    static const char16_t kMiddleClickClose[];
    static const char16_t kMiddleClickIconize[];
    static const char16_t kMiddleClickDoNothing[];
    void setMiddleClickAction(const char16_t* action);
    const char16_t* getMiddleClickAction() const { return middleClickAction.load(); }

    // The current sizing operation, for code-8 listeners: its edge and the
    // proposed rectangle, which a listener may change. Valid while code 8
    // is delivered.
    bool isSizingLeft() const;
    bool isSizingRight() const;
    bool isSizingTop() const;
    bool isSizingBottom() const;
    bool isSizingTopLeft() const;
    bool isSizingTopRight() const;
    bool isSizingBottomLeft() const;
    bool isSizingBottomRight() const;
    int32_t getSizingLeft() const { return sizingRect.left; }
    int32_t getSizingRight() const { return sizingRect.right; }
    int32_t getSizingTop() const { return sizingRect.top; }
    int32_t getSizingBottom() const { return sizingRect.bottom; }
    void setSizingLeft(int32_t value) { sizingRect.left = value; }
    void setSizingRight(int32_t value) { sizingRect.right = value; }
    void setSizingTop(int32_t value) { sizingRect.top = value; }
    void setSizingBottom(int32_t value) { sizingRect.bottom = value; }

    // Size rules (the minimum, preferred and maximum sizes above). Fixed
    // sizes (-1: none) apply at once; explicit minimums (-1: derived from
    // the fixed size or the children) hold while the user sizes the window,
    // where enforced.
    void setFixedWidth(int32_t width);
    void setFixedHeight(int32_t height);
    int32_t getFixedWidth() const { return fixedWidth.load(); }
    int32_t getFixedHeight() const { return fixedHeight.load(); }
    void setMinimumWidth(int32_t width) { explicitMinimumWidth = width; }
    void setMinimumHeight(int32_t height) { explicitMinimumHeight = height; }
    int32_t getExplicitMinimumWidth() const { return explicitMinimumWidth.load(); }
    int32_t getExplicitMinimumHeight() const { return explicitMinimumHeight.load(); }
    void setEnforceMinimumSize(bool on);
    void setEnforceMinimumWidth(bool on) { enforceMinimumWidth = on; }
    void setEnforceMinimumHeight(bool on) { enforceMinimumHeight = on; }
    void enforceMinimumSize();
    int32_t getMaximumClientWidth() const { return getMaximumWidth() - getFrameWidth(); }
    int32_t getMaximumClientHeight() const { return getMaximumHeight() - getFrameHeight(); }
    // Outer minus client size.
    int32_t getFrameWidth() const { return getWidth() - getClientWidth(); }
    int32_t getFrameHeight() const { return getHeight() - getClientHeight(); }
    void fitHeight();
    void fitSize();
    void fitMaximum();

    // Placement. Keep on screen (on by default) makes isOnScreen ask for at
    // least 10 pixels of overlap with the virtual screen on each axis; snap
    // to screen keeps the window inside the screen while it moves or sizes.
    void centerOnWorkArea();
    bool isOnScreen() const;
    void setKeepOnScreen(bool on) { keepOnScreen = on; }
    void setSnapToScreen(bool on);
    // The window keeps itself centred on the cursor (every 100 ms while
    // shown, and when shown or activated).
    void setFollowCursor(bool on);

    // Captures the mouse; when the capture ends, the cursor's screen
    // position is recorded and code 17 raised.
    void captureMouse();
    int32_t getCapturedX() const { return capturedX.load(); }
    int32_t getCapturedY() const { return capturedY.load(); }

    // Opacity in percent through the layered-window style; with
    // onlyWhenOnTop, translucent only while kept on top.
    void setOpacity(int32_t percent, bool onlyWhenOnTop);
    int32_t getOpacity() const { return opacityNow.load(); }
    // Hover evasion: the window fades out (or shrinks) when the mouse comes
    // over it and returns once the mouse has been away for the delay.
    void setEvasion(bool on, bool shrink, bool onlyWhenOnTop, int32_t delaySeconds,
                    int32_t shrinkWidth, int32_t shrinkHeight, bool shiftOverride);
    bool isEvasionOn() const { return fadeOnHover.load() || shrinkOnHover.load(); }
    // Whether the window is faded or shrunk (or on its way) right now.
    bool isEvading() const { return evading.load(); }

private:
    Window();
    ~Window() override;

    // Runs on the window's own thread before its message loop starts.
    bool createNativeWindows();
    // Runs work on the window's thread and waits for it; directly when
    // called there, or when the thread does not run (no native window).
    template <class Work> void onWindowThread(Work&& work) {
        if (uiThread.isRunning() && !uiThread.isCurrent() && uiThread.invoke(work)) {
            return;
        }
        if (!uiThread.isRunning() || uiThread.isCurrent()) {
            work();
        }
    }
    // On the window's thread: gives back the components, the menu and the
    // icon.
    void releaseContent();
    void layOutChildren();
    // The attach message: the component creates its native part here.
    bool attachChild(s::gui::IComponent* child);
    // Hands the localizer down the component tree (texts by id) and lays
    // the children out again for their new texts.
    void localizeChildren();
    bool isSelfOrAncestor(const s::gui::IComponent* component) const;
    // The frame's share of the outer size (outer minus client).
    s::gui::layout::Size frameSize() const;
    bool handleNativeMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) override;
    bool handleSessionMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam);
    bool handlePaintMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam);
    bool handleMouseMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam);
    bool handlePrivateMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam);
    void raise(int32_t code);

    // Message handlers.
    void onClose();
    void onCall(const intptr_t* values);
    bool onStartTimer(const int32_t* request);
    void onStopTimer(int32_t id);
    bool onTimer(WPARAM nativeId);
    void joinClipboardChain();
    void leaveClipboardChain();
    void onDrawClipboard();
    void onChangeClipboardChain(HWND leaving, HWND next);
    void onEndSession();
    void onSize(WPARAM kind);
    void rememberNormalBounds(const WINDOWPOS& position);
    void onRightButtonDown();
    void openContextMenu();
    // On the window's thread: the title from the ids, then code 20 when
    // told by the localizer.
    void applyTitleIds();
    void onLanguageChanged();
    void onSkinChanged();
    // On the window's thread: the skin's window drawer (or none) and the
    // skin handed to every component.
    void takeSkin(s::gui::drawer::ISkin* newSkin);
    void applySkinToChildren(s::gui::drawer::ISkin* newSkin);
    // The native frame's styles, kept while a skin paints the frame and put
    // back when it goes.
    void keepNativeFrameStyles();
    void restoreNativeFrameStyles();
    void releaseDrawer();
    void placeStatusBar();
    // Painting (on the window's thread).
    void paintClient(HDC target);
    void paintFrame();
    void applyRegion();
    // Frame and client area drawn again (a new drawer or background).
    void redrawWhole();
    bool onKeyDown(WPARAM key);
    void onPositionChanged(const WINDOWPOS& position);
    bool onSystemCommand(WPARAM command);
    void onTrayCallback(LPARAM mouseMessage);
    // The left click's show, hide or restore.
    void toggleFromTray();
    void onActivate(WPARAM state);
    void restoreCursor();
    bool onSetCursor();
    void onWheel(WPARAM wParam, LPARAM lParam);
    bool onCommand(WPARAM wParam);
    void openTrayMenu();
    void onTaskbarCreated();
    // On the window's thread: the tray icon's record from the present title
    // and icon.
    void addTrayIcon();
    void removeTrayIcon();
    // On the window's thread: registers, or tells the user why not.
    bool onRegisterHotKey(const HotKeys::Request& request);
    int64_t now() const;

    // Frame, placement and visibility behaviours, on the window's thread.
    // Answers whether the message was handled (then `result` holds the
    // answer); runs before every other handler.
    bool handleFrameMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam);
    // The native timer of the cursor-following window (ids 1 to 6 are the
    // evasion's).
    static constexpr UINT_PTR kFollowTimer = 100;
    bool onHitTest(LRESULT* result, WPARAM wParam, LPARAM lParam);
    bool onBorderHover();
    void endBorderHover();
    bool onBorderPress();
    void onBorderRelease(UINT message, LPARAM lParam);
    void dragBorderTo(POINT point);
    void onSizing(WPARAM edge, RECT* rect);
    void onPositionChanging(WINDOWPOS* position);
    bool onFrameTimer(WPARAM id);
    void onCaptureChanged();
    void onMiddleClick();
    void recenterOnCursor();
    void placeOnShow();
    bool hasDrawer() const { return framePainted.load(); }
    void switchStyle(int index, LONG_PTR bits, bool on);
    void applyOpacity(int32_t percent);
    void onHover();
    void undoEvasion();
    void restoreFromEvasion();
    void stopEvasionTimers();
    bool cursorOutside(const RECT& rect) const;
    void resetFrame();
    RECT monitorWorkArea() const;

    InvisibleWindow owner;
    UIThread uiThread;
    DWORD uiThreadId = 0;

    s::gui::events::EventSource listeners[kEventCodeCount + 1];
    // Owned; touched only on the window's thread once it runs.
    std::vector<s::gui::IComponent*> children;
    std::atomic<const s::gui::ILayoutManager*> manager{nullptr};
    // Layout passes running inside one another (a listener laying out
    // again); a third is skipped.
    int32_t layoutDepth = 0;
    PopupMenu* trayMenu = nullptr;
    PopupMenu* menuBar = nullptr;
    PopupMenu* contextMenu = nullptr;
    bool contextMenuOwned = false;
    s::gui::IComponent* statusBar = nullptr;
    s::platform::win::OwnedMenu menuBarNative;
    s::platform::win::OwnedIcon smallIcon;
    s::platform::win::OwnedIcon bigIcon;
    std::vector<s::base::IObject*> closers;
    // Painting: the drawer is read and swapped on the window's thread; the
    // atomic lets other threads ask which one is set.
    std::atomic<s::gui::drawer::IWindow*> drawer{nullptr};
    bool drawerOwned = false;
    OffscreenBuffer buffer;
    std::atomic<COLORREF> background{0};
    std::atomic<s::lang::Localizer*> localizer{nullptr};
    std::atomic<s::gui::drawer::Skinner*> skinner{nullptr};
    // Written on the window's thread; read anywhere.
    std::atomic<s::gui::drawer::ISkin*> skin{nullptr};
    // The drawer is the skin's (lent), not one given with setDrawer.
    bool drawerFromSkin = false;
    // Window's thread: the styles of the native frame a skin replaced.
    bool nativeStylesKept = false;
    LONG_PTR keptStyle = 0;
    LONG_PTR keptExStyle = 0;
    std::atomic<int32_t> titleTextId{-1};
    std::atomic<int32_t> versionTextId{-1};

    std::atomic<bool> visible{false};
    std::atomic<bool> closed{false};
    std::atomic<bool> closeVetoed{false};
    std::atomic<bool> active{false};
    std::atomic<bool> iconized{false};
    std::atomic<bool> maximized{false};
    std::atomic<bool> suspended{false};
    std::atomic<bool> shutdownPending{false};
    std::atomic<int32_t> normalX{0};
    std::atomic<int32_t> normalY{0};
    std::atomic<int32_t> normalWidth{500};
    std::atomic<int32_t> normalHeight{500};
    // When the window last lost the activation (0: active, or never).
    std::atomic<int64_t> deactivationTime{0};
    std::atomic<Clock> clock{nullptr};

    // Switches: set by clients on any thread, read on the window's thread.
    std::atomic<bool> resizable{true};
    std::atomic<bool> easyDrag{false};
    std::atomic<bool> keepOnTop{false};
    std::atomic<bool> passDoubleClicks{false};
    std::atomic<bool> hideCursor{false};
    std::atomic<bool> minimizeToTray{false};
    std::atomic<bool> trayClickToggles{true};
    std::atomic<bool> trayIconAlways{false};
    std::atomic<bool> showTrayIcon{false};
    // Clipboard-viewer chain, on the window's thread.
    std::atomic<bool> clipboardViewer{false};
    HWND nextViewer = nullptr;

    // Frame, placement and visibility state. The switches are set on any
    // thread and read on the window's; the hover, drag, sizing, capture,
    // opacity and evasion state below them belongs to the window's thread.
    std::atomic<bool> framePainted{false};
    std::atomic<bool> nativeFrame{false};
    std::atomic<bool> taskbarButton{true};
    std::atomic<bool> followCursor{false};
    std::atomic<bool> keepOnScreen{true};
    std::atomic<bool> snapToScreen{false};
    std::atomic<const char16_t*> middleClickAction{kMiddleClickDoNothing};
    std::atomic<int32_t> fixedWidth{-1};
    std::atomic<int32_t> fixedHeight{-1};
    std::atomic<int32_t> explicitMinimumWidth{-1};
    std::atomic<int32_t> explicitMinimumHeight{-1};
    std::atomic<bool> enforceMinimumWidth{true};
    std::atomic<bool> enforceMinimumHeight{true};
    std::atomic<int32_t> capturedX{0};
    std::atomic<int32_t> capturedY{0};
    std::atomic<int32_t> opacityNow{100};
    std::atomic<bool> fadeOnHover{false};
    std::atomic<bool> shrinkOnHover{false};
    std::atomic<bool> evading{false};
    bool borderHover = false;
    bool borderDrag = false;
    int32_t borderHitCode = 0;
    POINT pressPoint = {0, 0};
    int32_t sizingEdge = 0;
    RECT sizingRect = {0, 0, 0, 0};
    bool pointCaptureArmed = false;
    int32_t opacityTarget = 100;
    bool opacityOnlyWhenOnTop = false;
    bool evasionOnlyWhenOnTop = true;
    bool evasionShiftOverride = false;
    int32_t evasionDelay = 5;
    int32_t evasionCountdown = 5000;
    int32_t shrinkTargetWidth = 23;
    int32_t shrinkTargetHeight = 23;
    // The size before shrinking (-1: not shrunk); the window shrinks
    // towards its top-left corner, which stays.
    int32_t widthBeforeShrinking = -1;
    int32_t heightBeforeShrinking = -1;
    // "SetLayeredWindowAttributes" of user32, looked up once; owned library.
    HMODULE user32 = nullptr;
    BOOL(WINAPI* setLayeredAttributes)(HWND, COLORREF, BYTE, DWORD) = nullptr;
    // Borrowed; bound by bindSettings, dropped by reset.
    IWindowSettings* settings = nullptr;

    // Commands and callbacks on the window's thread.
    TrayIcon trayIcon;
    HotKeys hotKeys;

    intptr_t callValues[4] = {0, 0, 0, 0};
    intptr_t callResult = 0;
    int32_t lastKey = 0;
    int32_t wheelLines = 0;
    int32_t timerId = 0;
    bool timerHandled = false;
    // Owned; taken with the window.
    s::str::strbuffer::StrBuffer* title = nullptr;
};

} // namespace s::gui::win
