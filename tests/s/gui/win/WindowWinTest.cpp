#include "s/gui/win/Window.h"

#include <gtest/gtest.h>

#include <vector>

#include "s/thread/PoolRef.h"

using s::gui::win::Window;
using s::gui::win::WindowEvent;

namespace {

// Records the events it receives and the thread they arrive on; can veto
// closes and answer calls.
class Recorder : public s::gui::events::IEventListener {
public:
    void onEvent(s::base::IObject* source, int32_t code) override {
        codes.push_back(code);
        threadId = GetCurrentThreadId();
        auto* window = static_cast<Window*>(source);
        if (code == static_cast<int32_t>(WindowEvent::Close) && vetoes > 0) {
            --vetoes;
            window->vetoClose();
        }
        if (code == static_cast<int32_t>(WindowEvent::Call)) {
            lastValues[0] = window->getCallValue1();
            lastValues[3] = window->getCallValue4();
            if (answer != 0) {
                window->setCallResult(answer);
            }
        }
    }
    int count(WindowEvent code) const {
        int n = 0;
        for (int32_t c : codes) {
            n += c == static_cast<int32_t>(code);
        }
        return n;
    }

    std::vector<int32_t> codes;
    DWORD threadId = 0;
    int vetoes = 0;
    intptr_t answer = 0;
    intptr_t lastValues[4] = {};
};

} // namespace

TEST(WindowWinTest, CloseRaisesOnceAndAVetoKeepsTheWindowOpen) {
    auto window = s::thread::PoolRef<Window>::take();
    ASSERT_NE(nullptr, window->getHandle());
    Recorder recorder;
    recorder.vetoes = 1;
    window->addListener(WindowEvent::Close, &recorder);
    window->setVisible(true);
    EXPECT_TRUE(window->isVisible());

    window->close();
    EXPECT_FALSE(window->isClosed());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(1, recorder.count(WindowEvent::Close));

    window->close();
    EXPECT_TRUE(window->isClosed());
    EXPECT_FALSE(window->isVisible());
    window->close();
    EXPECT_EQ(2, recorder.count(WindowEvent::Close)); // the closed window stays quiet
    window->waitClosed();
}

TEST(WindowWinTest, SendCallRunsOnTheWindowThreadAndKeepsTheLastResult) {
    auto window = s::thread::PoolRef<Window>::take();
    Recorder recorder;
    window->addListener(WindowEvent::Call, &recorder);
    static const char16_t* const kName = u"Show";

    recorder.answer = 42;
    EXPECT_EQ(42, window->sendCall(reinterpret_cast<intptr_t>(kName), 0, 0, 7));
    EXPECT_EQ(reinterpret_cast<intptr_t>(kName), recorder.lastValues[0]);
    EXPECT_EQ(7, recorder.lastValues[3]);
    EXPECT_NE(GetCurrentThreadId(), recorder.threadId);
    EXPECT_EQ(GetWindowThreadProcessId(window->getHandle(), nullptr), recorder.threadId);

    // A call whose listeners set no result answers the previous result.
    recorder.answer = 0;
    EXPECT_EQ(42, window->sendCall(1, 2, 3, 4));
    EXPECT_EQ(2, recorder.count(WindowEvent::Call));
}

TEST(WindowWinTest, BoundsAndKeepOnTopReachTheNativeWindow) {
    auto window = s::thread::PoolRef<Window>::take();
    window->setKeepOnTop(true);
    window->setBounds(10, 20, 300, 200);
    EXPECT_EQ(10, window->getX());
    EXPECT_EQ(20, window->getY());
    EXPECT_EQ(300, window->getWidth());
    EXPECT_EQ(200, window->getHeight());
    // No system frame: the whole window is client area.
    EXPECT_EQ(300, window->getClientWidth());
    EXPECT_NE(0, GetWindowLongPtrW(window->getHandle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    // Minimizing a hidden window keeps it hidden.
    window->minimize();
    EXPECT_FALSE(IsWindowVisible(window->getHandle()));
}
