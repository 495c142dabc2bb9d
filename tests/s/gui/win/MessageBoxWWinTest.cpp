#include "s/gui/win/MessageBoxW.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "s/gui/win/Window.h"
#include "s/thread/PoolRef.h"
#include "tests/s/gui/win/BoxClicker.h"

using BoxClass = s::gui::win::MessageBoxW;
using s::gui::win::Window;
using s::gui::win::WindowEvent;

namespace {

// The caption every box shows: this test program's file name without its
// extension.
const std::u16string kCaption = u"win_tests";

// Arms the box clicker on the window's own thread when the window is called.
class ArmOnCall : public s::gui::events::IEventListener {
public:
    void onEvent(s::base::IObject* source, int32_t code) override {
        auto* window = static_cast<Window*>(source);
        boxclicker::arm(static_cast<int>(window->getCallValue1()));
        if (askHere) {
            askedHereAnswer = window->askYesNo(u"Asked on the window's own thread?");
        }
    }
    bool askHere = false;
    bool askedHereAnswer = false;
};

DWORD threadOf(const Window& window) {
    return GetWindowThreadProcessId(window.getHandle(), nullptr);
}

} // namespace

TEST(MessageBoxWWinTest, AnswersFollowTheButtonAndTheBoxShowsTheTextUnderTheProgramName) {
    auto box = s::thread::PoolRef<BoxClass>::take();
    ASSERT_TRUE(box);
    EXPECT_EQ(std::u16string(u"s_gui_win_MessageBox"), box->getClassName());
    const DWORD self = GetCurrentThreadId();
    bool yes = true;

    boxclicker::arm(IDCANCEL);
    EXPECT_FALSE(box->askYesNoCancel(u"Save & close?", &yes));
    EXPECT_FALSE(yes);
    EXPECT_EQ(kCaption, boxclicker::seenOn(self).caption);
    EXPECT_EQ(u"Save & close?", boxclicker::seenOn(self).text);

    yes = true;
    boxclicker::arm(IDNO);
    EXPECT_TRUE(box->askYesNoCancel(u"Save?", &yes));
    EXPECT_FALSE(yes);
    boxclicker::arm(IDYES);
    EXPECT_TRUE(box->askYesNoCancel(u"Save?", &yes));
    EXPECT_TRUE(yes);
    boxclicker::arm(IDYES);
    EXPECT_TRUE(box->askYesNoCancel(u"Save?", nullptr));

    boxclicker::arm(IDYES);
    EXPECT_TRUE(box->askYesNo(u"Go on?"));
    boxclicker::arm(IDNO);
    EXPECT_FALSE(box->askYesNo(u"Go on?"));

    boxclicker::arm(IDOK);
    box->showWarning(u"Careful.");
    EXPECT_EQ(u"Careful.", boxclicker::seenOn(self).text);
    // A null text shows an empty box instead of failing.
    boxclicker::arm(IDOK);
    box->showError(nullptr);
    EXPECT_EQ(kCaption, boxclicker::seenOn(self).caption);
    EXPECT_EQ(u"", boxclicker::seenOn(self).text);
}

TEST(MessageBoxWWinTest, TwoThreadsShowTwoBoxesAtOnceAndBothBoxesGoBackToThePool) {
    boxclicker::clear();
    const uint32_t idleBefore = BoxClass::pool().idleCount();
    DWORD threads[2] = {0, 0};
    auto show = [&threads](int index) {
        threads[index] = GetCurrentThreadId();
        // Each box stays open until both are open.
        boxclicker::arm(IDOK, 2);
        s::gui::win::showInformationBox(index == 0 ? u"First" : u"Second");
    };
    std::thread first(show, 0);
    std::thread second(show, 1);
    first.join();
    second.join();
    EXPECT_EQ(u"First", boxclicker::seenOn(threads[0]).text);
    EXPECT_EQ(u"Second", boxclicker::seenOn(threads[1]).text);
    EXPECT_EQ(threads[0], boxclicker::seenOn(threads[0]).threadId);
    EXPECT_EQ(threads[1], boxclicker::seenOn(threads[1]).threadId);
    // Both boxes went back; later boxes reuse them instead of making more.
    EXPECT_EQ(std::max<uint32_t>(idleBefore, 2), BoxClass::pool().idleCount());
    boxclicker::arm(IDNO);
    EXPECT_FALSE(s::gui::win::askYesNoBox(u"Again?"));
    EXPECT_EQ(std::max<uint32_t>(idleBefore, 2), BoxClass::pool().idleCount());
}

TEST(MessageBoxWWinTest, AWindowShowsItsBoxesOnItsOwnThread) {
    auto window = s::thread::PoolRef<Window>::take();
    ASSERT_NE(nullptr, window->getHandle());
    ArmOnCall armer;
    window->addListener(WindowEvent::Call, &armer);
    const DWORD windowThread = threadOf(*window);

    window->sendCall(IDOK, 0, 0, 0);
    window->showInformation(u"Told by the window.");
    EXPECT_EQ(windowThread, boxclicker::seenOn(windowThread).threadId);
    EXPECT_EQ(u"Told by the window.", boxclicker::seenOn(windowThread).text);
    EXPECT_EQ(kCaption, boxclicker::seenOn(windowThread).caption);

    window->sendCall(IDOK, 0, 0, 0);
    window->showError(u"Went wrong.");
    EXPECT_EQ(windowThread, boxclicker::seenOn(windowThread).threadId);
    EXPECT_EQ(u"Went wrong.", boxclicker::seenOn(windowThread).text);

    window->sendCall(IDYES, 0, 0, 0);
    EXPECT_TRUE(window->askYesNo(u"Yes?"));
    window->sendCall(IDNO, 0, 0, 0);
    EXPECT_FALSE(window->askYesNo(u"Yes?"));
    EXPECT_EQ(windowThread, boxclicker::seenOn(windowThread).threadId);

    // Asked by a listener on the window's own thread, the box is shown there
    // directly.
    armer.askHere = true;
    window->sendCall(IDYES, 0, 0, 0);
    EXPECT_TRUE(armer.askedHereAnswer);
    EXPECT_EQ(u"Asked on the window's own thread?", boxclicker::seenOn(windowThread).text);
}
