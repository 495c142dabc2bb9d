#include "magnifier/logic/LensRules.h"

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <thread>

namespace magnifier = s::image::gui::dialogs::magnifier;
namespace vk = magnifier::vk;
using magnifier::LensRules;
using magnifier::PollStep;

namespace {

constexpr int64_t kStart = 1560000000000; // some moment in 2019, in ms since 1970

// A keyboard and a clock that a test sets by hand, and the dialog's part of
// the work: carrying out the polling steps and the window events with a
// screen capture that works unless told otherwise.
class Lens {
public:
    Lens() : rules(&probe, this, &clock, this) {}

    static bool probe(int32_t key, void* context) {
        auto* lens = static_cast<Lens*>(context);
        lens->asked.insert(key);
        return lens->down.count(key) != 0;
    }
    static int64_t clock(void* context) { return static_cast<Lens*>(context)->now; }

    // One pass of the polling loop; a "wait for release" is left to the test.
    PollStep poll() {
        const PollStep step = rules.nextPollStep();
        if (step == PollStep::ShowAndWaitForRelease) {
            showCall();
        } else if (step == PollStep::HideAndWaitForRelease || step == PollStep::Hide) {
            rules.lensHidden();
        }
        return step;
    }
    // The "Show" call: the lens comes up when the screen could be captured.
    void showCall() {
        showLens();
        rules.armActivationClick();
    }
    void showLens() {
        if (captureWorks) {
            rules.lensShown();
        }
    }
    void trayClick() {
        if (rules.showsOnTrayClick()) {
            showLens();
        }
    }
    void rightUp() {
        if (rules.hidesOnRightUp()) {
            rules.lensHidden();
        }
    }
    void leftUp() {
        if (rules.hidesOnLeftUp()) {
            rules.lensHidden();
        }
    }
    // The first drawing, cursor in the middle of a 1920 x 1080 lens.
    bool drawInTheMiddle() { return rules.takeActivationClick(960, 540, 1920, 1080); }

    // Shown by the trigger with auto-lock, the keys let go again, the
    // activation click made at kStart.
    void shownAndClicked() {
        down = {vk::kRightControl};
        poll();
        down.clear();
        ASSERT_TRUE(drawInTheMiddle());
    }

    std::set<int32_t> down;
    std::set<int32_t> asked;
    int64_t now = kStart;
    bool captureWorks = true;
    LensRules rules;
};

} // namespace

TEST(LensRulesTest, StartsHiddenWithTheDefaultSettings) {
    Lens lens;
    lens.rules.reset();
    EXPECT_FALSE(lens.rules.isShown());
    EXPECT_EQ(1, lens.rules.getKeyType());
    EXPECT_TRUE(lens.rules.getOn());
    EXPECT_TRUE(lens.rules.getAutoLock());
    EXPECT_EQ(200, lens.rules.getMagnificationLevel());
    EXPECT_EQ(200, lens.rules.getZoom());
    EXPECT_TRUE(lens.rules.isClickDone());
    EXPECT_EQ(0, lens.rules.getClickDeadline());
    EXPECT_EQ(PollStep::Nothing, lens.rules.nextPollStep());
}

TEST(LensRulesTest, TheTriggerShowsAHiddenLensAndArmsTheActivationClick) {
    Lens lens;
    lens.rules.setMagnificationLevel(400);
    lens.down = {vk::kRightControl};
    EXPECT_EQ(PollStep::ShowAndWaitForRelease, lens.poll());
    EXPECT_TRUE(lens.rules.isShown());
    EXPECT_EQ(400, lens.rules.getZoom());
    EXPECT_FALSE(lens.rules.isClickDone());
    EXPECT_EQ(kStart + 1000, lens.rules.getClickDeadline());
    // Still held in the next pass (after the wait): without auto-lock the
    // held trigger keeps the lens, with it nothing happens until a new press.
    EXPECT_EQ(PollStep::HideAndWaitForRelease, lens.rules.nextPollStep());
    lens.rules.setAutoLock(false);
    EXPECT_EQ(PollStep::Nothing, lens.rules.nextPollStep());
}

TEST(LensRulesTest, WithoutAutoLockTheReleaseHidesAndHoldingKeepsTheLens) {
    Lens lens;
    lens.rules.setAutoLock(false);
    lens.down = {vk::kRightControl};
    lens.poll();
    lens.down = {vk::kRightControl, vk::kEscape}; // Escape is not examined while held
    EXPECT_EQ(PollStep::Nothing, lens.poll());
    EXPECT_TRUE(lens.rules.isShown());
    lens.down.clear();
    EXPECT_EQ(PollStep::Hide, lens.poll());
    EXPECT_FALSE(lens.rules.isShown());
    EXPECT_EQ(PollStep::Nothing, lens.poll());
}

TEST(LensRulesTest, WithAutoLockTheLensStaysUntilTheSameKeysOrEscape) {
    Lens lens;
    lens.down = {vk::kRightControl};
    lens.poll();
    lens.down.clear();
    EXPECT_EQ(PollStep::Nothing, lens.poll());
    EXPECT_TRUE(lens.rules.isShown());
    lens.down = {vk::kRightControl};
    EXPECT_EQ(PollStep::HideAndWaitForRelease, lens.poll());
    EXPECT_FALSE(lens.rules.isShown());
    // The loop waits for the release, so the next press shows it again.
    lens.down.clear();
    EXPECT_EQ(PollStep::Nothing, lens.poll());
    lens.down = {vk::kRightControl};
    lens.poll();
    lens.down = {vk::kEscape};
    EXPECT_EQ(PollStep::Hide, lens.poll());
    EXPECT_FALSE(lens.rules.isShown());
    // Escape on a hidden lens does nothing.
    EXPECT_EQ(PollStep::Nothing, lens.poll());
}

TEST(LensRulesTest, EscapeCountsOnlyInPassesWhereTheTriggerIsNotHeld) {
    Lens lens;
    lens.down = {vk::kRightControl};
    lens.poll();
    lens.rules.setAutoLock(false);
    lens.asked.clear();
    lens.down = {vk::kRightControl, vk::kEscape};
    EXPECT_EQ(PollStep::Nothing, lens.poll());
    EXPECT_EQ(0u, lens.asked.count(vk::kEscape));
    EXPECT_TRUE(lens.rules.isShown());
    // With auto-lock the held trigger decides (hides), not Escape.
    lens.rules.setAutoLock(true);
    EXPECT_EQ(PollStep::HideAndWaitForRelease, lens.poll());
    EXPECT_EQ(0u, lens.asked.count(vk::kEscape));
    // Once the trigger is up, Escape hides.
    lens.showCall();
    lens.down = {vk::kEscape};
    EXPECT_EQ(PollStep::Hide, lens.poll());
}

TEST(LensRulesTest, IsOnOffIgnoresTheTriggerButNotTheTrayNorTheHidingPress) {
    Lens lens;
    lens.rules.setOn(false);
    lens.down = {vk::kRightControl};
    EXPECT_EQ(PollStep::Nothing, lens.poll());
    EXPECT_FALSE(lens.rules.isShown());
    lens.down.clear();
    lens.trayClick();
    EXPECT_TRUE(lens.rules.isShown());
    lens.down = {vk::kRightControl};
    EXPECT_EQ(PollStep::HideAndWaitForRelease, lens.poll());
    EXPECT_FALSE(lens.rules.isShown());
    // Without auto-lock a tray-shown lens goes at the next pass; the trigger
    // neither shows nor keeps it.
    lens.rules.setAutoLock(false);
    lens.trayClick();
    EXPECT_EQ(PollStep::Nothing, lens.poll());
    lens.down.clear();
    EXPECT_EQ(PollStep::Hide, lens.poll());
}

TEST(LensRulesTest, ATrayClickShowsWithoutActivationClickAndWithAutoLockOffGoesAtTheNextPass) {
    Lens lens;
    lens.rules.setAutoLock(false);
    lens.trayClick();
    EXPECT_TRUE(lens.rules.isShown());
    EXPECT_TRUE(lens.rules.isClickDone());
    EXPECT_EQ(0, lens.rules.getClickDeadline());
    EXPECT_FALSE(lens.drawInTheMiddle());
    EXPECT_EQ(PollStep::Hide, lens.poll());
    EXPECT_FALSE(lens.rules.isShown());
    // A click on the icon of a shown lens changes nothing.
    lens.rules.setAutoLock(true);
    lens.trayClick();
    lens.rules.setMagnificationLevel(800);
    lens.trayClick();
    EXPECT_EQ(200, lens.rules.getZoom());
    // With auto-lock the first left release hides a tray-shown lens.
    lens.leftUp();
    EXPECT_FALSE(lens.rules.isShown());
}

TEST(LensRulesTest, LeftReleasesHideOnlyLaterThanTheGraceSecondAfterTheActivationClick) {
    Lens lens;
    lens.shownAndClicked();
    EXPECT_TRUE(lens.rules.isClickDone());
    EXPECT_EQ(kStart + 1000, lens.rules.getClickDeadline());
    lens.leftUp(); // the activation click's own release
    EXPECT_TRUE(lens.rules.isShown());
    lens.now = kStart + 1000;
    lens.leftUp();
    EXPECT_TRUE(lens.rules.isShown());
    lens.now = kStart + 1001;
    lens.leftUp();
    EXPECT_FALSE(lens.rules.isShown());
    // Hiding disarms: the deadline is gone and no click is pending.
    EXPECT_TRUE(lens.rules.isClickDone());
    EXPECT_EQ(0, lens.rules.getClickDeadline());
}

TEST(LensRulesTest, TheGraceCountsFromTheClickItselfNotFromTheShowCall) {
    Lens lens;
    lens.down = {vk::kRightControl};
    lens.poll();
    lens.down.clear();
    lens.now = kStart + 700; // the first drawing comes late
    ASSERT_TRUE(lens.drawInTheMiddle());
    lens.now = kStart + 1500;
    lens.leftUp();
    EXPECT_TRUE(lens.rules.isShown());
    lens.now = kStart + 1701;
    lens.leftUp();
    EXPECT_FALSE(lens.rules.isShown());
}

TEST(LensRulesTest, LeftReleasesNeverHideBeforeTheActivationClickNorWithoutAutoLock) {
    Lens lens;
    lens.down = {vk::kRightControl};
    lens.poll();
    lens.down.clear();
    // The cursor on the lens's left column or top row makes no click yet.
    EXPECT_FALSE(lens.rules.takeActivationClick(0, 540, 1920, 1080));
    EXPECT_FALSE(lens.rules.takeActivationClick(960, 0, 1920, 1080));
    lens.now = kStart + 5000;
    lens.leftUp();
    EXPECT_TRUE(lens.rules.isShown());
    lens.rightUp(); // a right release always hides with auto-lock
    EXPECT_FALSE(lens.rules.isShown());

    lens.rules.setAutoLock(false);
    lens.trayClick();
    lens.leftUp();
    lens.rightUp();
    EXPECT_TRUE(lens.rules.isShown());
}

TEST(LensRulesTest, ARightReleaseHidesAtOnceEvenWithinTheGrace) {
    Lens lens;
    lens.shownAndClicked();
    lens.rightUp();
    EXPECT_FALSE(lens.rules.isShown());
    lens.rightUp(); // hidden: nothing more
    EXPECT_FALSE(lens.rules.isShown());
}

TEST(LensRulesTest, TheActivationClickNeedsTheCursorStrictlyInsideAndHappensOncePerShow) {
    Lens lens;
    lens.down = {vk::kRightControl};
    lens.poll();
    lens.down.clear();
    EXPECT_FALSE(lens.rules.takeActivationClick(1920, 540, 1920, 1080));
    EXPECT_FALSE(lens.rules.takeActivationClick(960, 1080, 1920, 1080));
    EXPECT_FALSE(lens.rules.takeActivationClick(-5, 540, 1920, 1080));
    EXPECT_FALSE(lens.rules.isClickDone());
    EXPECT_TRUE(lens.rules.takeActivationClick(1919, 1079, 1920, 1080));
    EXPECT_FALSE(lens.rules.takeActivationClick(1, 1, 1920, 1080));
    // The next showing by the trigger arms it again.
    lens.down = {vk::kRightControl};
    lens.poll();
    lens.poll();
    EXPECT_TRUE(lens.rules.takeActivationClick(1, 1, 1920, 1080));
}

TEST(LensRulesTest, AFailedCaptureShowsNothingAndArmsNothing) {
    Lens lens;
    lens.captureWorks = false;
    lens.down = {vk::kRightControl};
    EXPECT_EQ(PollStep::ShowAndWaitForRelease, lens.poll());
    EXPECT_FALSE(lens.rules.isShown());
    EXPECT_TRUE(lens.rules.isClickDone());
    EXPECT_EQ(0, lens.rules.getClickDeadline());
    // A later tray-shown lens makes no stray click and still hides on the
    // first left release.
    lens.down.clear();
    lens.captureWorks = true;
    lens.trayClick();
    EXPECT_FALSE(lens.drawInTheMiddle());
    lens.leftUp();
    EXPECT_FALSE(lens.rules.isShown());
}

TEST(LensRulesTest, TheWheelChangesTheWorkingZoomWithinItsLimitsOnlyWithAutoLock) {
    Lens lens;
    EXPECT_FALSE(lens.rules.wheel(1)); // hidden
    lens.shownAndClicked();
    EXPECT_TRUE(lens.rules.wheel(3));
    EXPECT_EQ(230, lens.rules.getZoom());
    EXPECT_TRUE(lens.rules.wheel(-3));
    EXPECT_EQ(195, lens.rules.getZoom());
    for (int step = 0; step < 40; ++step) {
        lens.rules.wheel(1);
    }
    EXPECT_EQ(5000, lens.rules.getZoom());
    for (int step = 0; step < 40; ++step) {
        lens.rules.wheel(-1);
    }
    EXPECT_EQ(110, lens.rules.getZoom());
    // The stored level is untouched and the next showing starts from it.
    EXPECT_EQ(200, lens.rules.getMagnificationLevel());
    lens.rules.lensHidden();
    lens.trayClick();
    EXPECT_EQ(200, lens.rules.getZoom());
    lens.rules.setAutoLock(false);
    EXPECT_FALSE(lens.rules.wheel(1));
    EXPECT_EQ(200, lens.rules.getZoom());
}

TEST(LensRulesTest, DrawingIsDueWhenShownAndForcedPaintingOrMoved) {
    Lens lens;
    EXPECT_FALSE(lens.rules.needsDrawing(true, true, 5, 5)); // hidden
    lens.trayClick();
    EXPECT_TRUE(lens.rules.needsDrawing(false, false, 5, 5));
    lens.rules.drawn(5, 5);
    EXPECT_FALSE(lens.rules.needsDrawing(false, false, 5, 5));
    EXPECT_TRUE(lens.rules.needsDrawing(false, true, 5, 5));
    EXPECT_TRUE(lens.rules.needsDrawing(true, false, 5, 5));
    EXPECT_TRUE(lens.rules.needsDrawing(false, false, 6, 5));
    // A new showing forgets the last position, even the far corner.
    lens.rules.drawn(LensRules::kNoCursor, LensRules::kNoCursor);
    lens.rules.lensHidden();
    lens.trayClick();
    lens.rules.drawn(7, 7);
    lens.rules.lensShown();
    EXPECT_TRUE(lens.rules.needsDrawing(false, false, 7, 7));
}

// The worker polls while the window thread shows, hides and the menu changes
// the settings; under ThreadSanitizer this proves that what they share is
// safe, and the worker sees the window thread's last word.
TEST(LensRulesTest, PollingRacesNothingWithTheWindowThread) {
    struct Keys {
        std::atomic<bool> held{false};
        static bool probe(int32_t key, void* context) {
            return key != vk::kEscape && static_cast<Keys*>(context)->held.load();
        }
        static int64_t clock(void*) { return kStart; }
    } keys;
    LensRules rules(&Keys::probe, &keys, &Keys::clock, nullptr);
    std::atomic<bool> stop{false};
    std::atomic<PollStep> lastStep{PollStep::Nothing};
    std::thread worker([&] {
        while (!stop) {
            lastStep = rules.nextPollStep();
        }
    });
    for (int round = 0; round < 2000; ++round) {
        keys.held = round % 2 == 0;
        rules.setKeyType(1 + round % 6);
        rules.setAutoLock(round % 3 != 0);
        rules.setOn(round % 5 != 0);
        rules.setMagnificationLevel(125 + round % 7);
        if (round % 4 == 0) {
            rules.lensShown();
            rules.armActivationClick();
            rules.wheel(1);
        } else {
            rules.lensHidden();
        }
    }
    // Shown, keys up, auto-lock off: the next passes must hide.
    keys.held = false;
    rules.setAutoLock(false);
    rules.lensShown();
    lastStep = PollStep::Nothing;
    while (lastStep != PollStep::Hide) {
        std::this_thread::yield();
    }
    stop = true;
    worker.join();
    EXPECT_EQ(PollStep::Hide, rules.nextPollStep());
}
