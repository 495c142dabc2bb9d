#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "s/base/IObject.h"
#include "s/gui/events/IEventListener.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::app {
class IAppWindow;
}
namespace s::gui::win {
class Box;
class Button;
class CheckBox;
class Label;
class Window;
} // namespace s::gui::win

namespace s::gui::dialogs {

// The confirmation dialog: a Yes/No question in a small window of its own,
// with a check-box row below the buttons ("Don't ask me again", or an empty
// label when that option is off), centred on the window the question belongs
// to (on the screen when that window is minimized or hidden), which is
// disabled while the question is open and afterwards enabled again unless it
// was disabled before.
//
//     s::thread::PoolRef<FlexAsker> asker(FlexAsker::newInstance());
//     asker->setSettings(flexAskerWindowSettings);  // "FlexAskerWindow"
//     asker->setShowCheckBox(false);
//     asker->ask(parentHandle, title, question);      // blocks until answered
//     if (asker->getAnswer()) { ... }
//
// Keys: Enter answers the default button (Yes when the dialog opens); Tab
// moves the default to the other button. Closing the dialog any other way
// (close box, middle click, end of session) answers No.
//
// Threads: ask() runs on the caller's thread, any thread, and blocks it until
// the dialog's window has closed; meanwhile the caller's own messages are
// still dispatched, so a caller that owns windows keeps them responsive. The
// window runs on its own thread, where every event of the dialog arrives; the
// answer flags are written there and read by the caller once ask() returned
// (they are atomic, so a reader at any time sees a whole value).
//
// Ownership: taken from the pool by the caller and released after the answer
// was read. Each ask() builds a fresh window and gives the previous one back
// (destroying it); reset() gives back the last one. The settings object is
// borrowed and must outlive the dialog; its localizer and skinner are the
// dialog's. The text ids and the check-box switch are set once when the object
// is built and survive reset(): a caller that changes them sets them before
// every ask.
class FlexAsker final : public s::gui::events::IEventListener,
                        public s::base::IObject,
                        public s::thread::IPoolable {
    S_POOLED_CLASS_LIMIT(FlexAsker, u"s_gui_dialogs_FlexAsker", 1000)
public:
    // Texts of the language pack.
    static constexpr int32_t kTitleTextId = 400310;    // "Confirmation"
    static constexpr int32_t kQuestionTextId = 400320; // the default question
    static constexpr int32_t kYesTextId = 400330;      // padded "Yes"
    static constexpr int32_t kNoTextId = 400340;       // padded "No"
    static constexpr int32_t kDontAskTextId = 400380;  // "Don't ask me again"
    // The check box's text id with the option off: a text the pack never
    // defines, so the row shows an empty label.
    static constexpr int32_t kNoCheckBoxTextId = 0;

    // Layout, in design pixels (see s::gui::scale::DisplayScale).
    static constexpr int32_t kMarginLeftRight = 10;
    static constexpr int32_t kMarginTopBottom = 2;
    static constexpr int32_t kGapAboveQuestion = 10;
    static constexpr int32_t kGapBelowQuestion = 12;
    static constexpr int32_t kGapBetweenButtons = 7;
    static constexpr int32_t kGapAtBottom = 5;
    // The dialog is at least this much wider than its question.
    static constexpr int32_t kWidthBeyondQuestion = 50;
    // How often the waiting caller looks whether the dialog has closed.
    static constexpr DWORD kWaitStepMs = 100;

    void reset() override;
    void onEvent(s::base::IObject* source, int32_t code) override;

    // The settings section of the dialog's window ("FlexAskerWindow"): its
    // bounds, options, localizer and skinner. Borrowed.
    void setSettings(s::app::IAppWindow* windowSettings) { settings = windowSettings; }
    void setYesTextId(int32_t id) { yesTextId = id; }
    void setNoTextId(int32_t id) { noTextId = id; }
    void setDontAskTextId(int32_t id) { dontAskTextId = id; }
    void setShowCheckBox(bool on) { showCheckBox = on; }

    // Shows the question and returns once the dialog has closed. `parent`
    // (may be null or dead) is the window the question belongs to; a null
    // title or question takes the pack's default text.
    void ask(HWND parent, const char16_t* title, const char16_t* question);

    // True when the user chose Yes.
    bool getAnswer() const { return answer.load(); }
    // The check box's state when it last changed.
    bool getDontAskAgain() const { return dontAskAgain.load(); }

    // The present dialog window and its parts (null before the first ask);
    // for tests that press keys and read the layout.
    s::gui::win::Window* getWindow() const { return window.load(); }
    s::gui::win::Button* getYesButton() const { return yesButton; }
    s::gui::win::Button* getNoButton() const { return noButton; }
    s::gui::win::CheckBox* getCheckBox() const { return checkBox; }
    s::gui::win::Label* getQuestionLabel() const { return questionLabel; }

private:
    FlexAsker() { reset(); }
    ~FlexAsker() override;

    // The steps of ask().
    void buildWindow(const char16_t* title);
    void buildContent(const char16_t* question);
    void placeWindow();
    // Centred on a shown parent, on the screen's work area for a minimized
    // or hidden one; nothing without a live parent.
    void centreOnParent();
    void waitUntilClosed() const;
    void dropWindow();

    // Events on the window's thread.
    void onKey(int32_t key);
    void moveDefault();
    void answerWith(bool yes);

    s::app::IAppWindow* settings = nullptr;
    HWND parent = nullptr;
    // Owned; written by the caller's thread, read on the window's thread.
    std::atomic<s::gui::win::Window*> window{nullptr};
    // Owned by the window once added; kept to recognise their events.
    s::gui::win::Button* yesButton = nullptr;
    s::gui::win::Button* noButton = nullptr;
    s::gui::win::CheckBox* checkBox = nullptr;
    s::gui::win::Label* questionLabel = nullptr;
    std::atomic<bool> answer{false};
    std::atomic<bool> dontAskAgain{false};

    // Set once when built; not touched by reset().
    int32_t yesTextId = kYesTextId;
    int32_t noTextId = kNoTextId;
    int32_t dontAskTextId = kDontAskTextId;
    bool showCheckBox = true;
};

} // namespace s::gui::dialogs
