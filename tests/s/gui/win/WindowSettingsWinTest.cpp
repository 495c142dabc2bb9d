// A window bound to its stored settings: what binding applies, where a
// stored position puts the window, what showing, hiding, size changes and
// the end of the session store, and texts that follow the language.
#include "s/gui/win/Window.h"

#include <gtest/gtest.h>

#include <string>

#include "s/gui/win/Box.h"
#include "s/gui/win/Label.h"
#include "s/lang/Localizer.h"
#include "s/system/monitor/win/Screen.h"
#include "s/thread/PoolRef.h"
#include "tests/s/gui/win/EventCounter.h"
#include "tests/s/gui/win/MemorySettings.h"

using s::gui::win::Window;
using s::gui::win::WindowEvent;
using s::lang::Localizer;
using s::thread::PoolRef;
namespace screen = s::system::monitor::win;

namespace {

constexpr int32_t kTitleId = 500;

PoolRef<Localizer> twoLanguages() {
    static const char kPack[] = "<lang><languages>"
                                "<entry tagName=\"eng\" engName=\"English\" trueName=\"English\"/>"
                                "<entry tagName=\"deu\" engName=\"German\" trueName=\"Deutsch\"/>"
                                "</languages><entries>"
                                "<entry id=\"500\"><eng>Magnifier</eng><deu>Lupe</deu></entry>"
                                "<entry id=\"510\"><eng>1.2</eng><deu>1.2</deu></entry>"
                                "</entries></lang>";
    PoolRef<Localizer> localizer(
        Localizer::load(reinterpret_cast<const uint8_t*>(kPack), sizeof(kPack) - 1));
    localizer->setLanguage(u"English");
    return localizer;
}

int32_t centredX(int32_t width) {
    return screen::workAreaLeft() + (screen::workAreaWidth() - width) / 2;
}
int32_t centredY(int32_t height) {
    return screen::workAreaTop() + (screen::workAreaHeight() - height) / 2;
}

} // namespace

TEST(WindowSettingsWinTest, BindingAppliesIconsTextsAndOptionsAndTheTitleFollowsTheLanguage) {
    PoolRef<Localizer> localizer = twoLanguages();
    MemorySettings settings;
    settings.localizer = localizer.get();
    settings.textBase = kTitleId;
    settings.keepOnTop = true;
    settings.middleClick = u"Close";
    auto window = PoolRef<Window>::take();
    EventCounter counter;
    window->addListener(WindowEvent::LanguageChanged, &counter);
    window->bindSettings(&settings, true);

    // Screen factor 1 (a 1920 x 1080 display): 16 and 32 pixel icons.
    ASSERT_EQ(2u, settings.iconSizes.size());
    EXPECT_EQ(16, settings.iconSizes[0]);
    EXPECT_EQ(32, settings.iconSizes[1]);
    EXPECT_NE(nullptr, window->getSmallIcon());
    EXPECT_NE(nullptr, window->getBigIcon());
    EXPECT_EQ(std::u16string(u"Magnifier v1.2"), std::u16string(window->getTitle()));
    EXPECT_NE(0, GetWindowLongPtrW(window->getHandle(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    localizer->setLanguage(u"German");
    EXPECT_EQ(std::u16string(u"Lupe v1.2"), std::u16string(window->getTitle()));
    EXPECT_EQ(1, counter.count(WindowEvent::LanguageChanged));
    EXPECT_EQ(u"German", settings.language);

    // Without the version, and the ids kept for the next change.
    window->setTitleIds(kTitleId, -1);
    EXPECT_EQ(std::u16string(u"Lupe"), std::u16string(window->getTitle()));
    localizer->setLanguage(u"English");
    EXPECT_EQ(std::u16string(u"Magnifier"), std::u16string(window->getTitle()));
    EXPECT_EQ(2, counter.count(WindowEvent::LanguageChanged));

    // The stored middle-click action acts: a middle click closes.
    window->setVisible(true);
    window->addListener(WindowEvent::MiddleDown, &counter);
    SendMessageW(window->getHandle(), WM_MBUTTONDOWN, 0, 0);
    EXPECT_EQ(1, counter.count(WindowEvent::MiddleDown));
    EXPECT_TRUE(window->isClosed());

    // A reset window no longer follows the language.
    window->reset();
    localizer->setLanguage(u"German");
    EXPECT_EQ(2, counter.count(WindowEvent::LanguageChanged));
}

TEST(WindowSettingsWinTest, AStoredPositionOffTheScreenIsCentredAndOneOverlappingByTenPixelsStays) {
    MemorySettings offScreen;
    offScreen.positioned = true;
    offScreen.x = -5000;
    offScreen.y = -5000;
    offScreen.width = 300;
    offScreen.height = 200;
    auto window = PoolRef<Window>::take();
    window->bindSettings(&offScreen, false);
    EXPECT_EQ(centredX(300), window->getX());
    EXPECT_EQ(centredY(200), window->getY());
    EXPECT_EQ(300, window->getWidth());

    MemorySettings overlapping = offScreen;
    overlapping.x = screen::virtualScreenLeft() + screen::virtualScreenWidth() - 10;
    overlapping.y = screen::virtualScreenTop() + screen::virtualScreenHeight() - 10;
    auto second = PoolRef<Window>::take();
    second->bindSettings(&overlapping, false);
    EXPECT_EQ(overlapping.x, second->getX());
    EXPECT_EQ(overlapping.y, second->getY());
    // One pixel less on the screen and it counts as off the screen.
    second->setLocation(overlapping.x + 1, overlapping.y);
    EXPECT_FALSE(second->isOnScreen());
}

TEST(WindowSettingsWinTest, ShowingPlacesABoundWindowAndHidingStoresItsBounds) {
    MemorySettings settings; // no position: only the size is applied
    settings.width = 260;
    settings.height = 180;
    auto window = PoolRef<Window>::take();
    // Unframed, so that no window manager of the test display places it.
    window->setNativeFrame(false);
    window->setLocation(-3000, -3000);
    window->bindSettings(&settings, false);
    EXPECT_EQ(260, window->getWidth());
    window->setVisible(true);
    EXPECT_EQ(centredX(260), window->getX());
    EXPECT_EQ(centredY(180), window->getY());

    window->setBounds(40, 50, 270, 190);
    window->setVisible(false);
    EXPECT_TRUE(settings.positioned);
    EXPECT_EQ(40, settings.x);
    EXPECT_EQ(50, settings.y);
    EXPECT_EQ(270, settings.width);
    EXPECT_EQ(190, settings.height);

    // Maximized in the settings: shown maximized. Maximizing stores the
    // normal bounds, not the maximized ones. (The X server reports earlier
    // moves back a little later; let those arrive first.)
    Sleep(200);
    window->sendCall(0, 0, 0, 0);
    window->setBounds(40, 50, 270, 190);
    ASSERT_EQ(40, window->getNormalX());
    ASSERT_EQ(270, window->getNormalWidth());
    settings.maximized = true;
    window->setVisible(true);
    EXPECT_TRUE(IsZoomed(window->getHandle()));
    EXPECT_TRUE(window->isMaximized());
    EXPECT_EQ(40, settings.x);
    EXPECT_EQ(270, settings.width);
    ShowWindow(window->getHandle(), SW_RESTORE);
    EXPECT_FALSE(settings.maximized);
}

TEST(WindowSettingsWinTest, TheEndOfTheSessionClosesTheWindowAndStoresTheSettings) {
    MemorySettings settings;
    auto window = PoolRef<Window>::take();
    window->bindSettings(&settings, false);
    window->setVisible(true);
    // The session goes on (a cancelled shutdown): nothing happens.
    SendMessageW(window->getHandle(), WM_ENDSESSION, FALSE, 0);
    EXPECT_FALSE(window->isShutdownPending());
    EXPECT_EQ(0, settings.saves);

    SendMessageW(window->getHandle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(window->isShutdownPending());
    EXPECT_TRUE(window->isClosed());
    EXPECT_EQ(1, settings.saves);
}

TEST(WindowSettingsWinTest, AShrunkWindowStoresItsOwnSizeOnlyAfterAFullSaveUndoesTheEvasion) {
    MemorySettings settings;
    auto window = PoolRef<Window>::take();
    window->setNativeFrame(false);
    window->bindSettings(&settings, false);
    window->setBounds(60, 70, 200, 100);
    window->setVisible(true);
    window->setKeepOnTop(true);
    // A long delay keeps the window shrunk while the test looks at it.
    window->setEvasion(true, true, true, 60, 23, 23, false);
    SetCursorPos(5, 5);
    SendMessageW(window->getHandle(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    for (int i = 0; i < 300 && window->getWidth() != 23; ++i) {
        Sleep(10);
    }
    ASSERT_EQ(23, window->getWidth());
    ASSERT_TRUE(window->isEvading());
    settings.width = 111;
    window->saveBounds(false);
    EXPECT_EQ(111, settings.width) << "a partial save stores nothing while shrunk";
    window->saveBounds(true);
    EXPECT_FALSE(window->isEvading());
    EXPECT_EQ(200, settings.width) << "the full save undid the shrinking first";
    EXPECT_EQ(100, settings.height);
}

TEST(WindowSettingsWinTest, TextsByIdFollowTheWindowsLocalizerDownTheTreeAndAfterALanguageChange) {
    PoolRef<Localizer> localizer = twoLanguages();
    auto window = PoolRef<Window>::take();
    s::gui::win::Box* box = s::gui::win::Box::newInstance();
    s::gui::win::Label* inBox = s::gui::win::Label::newInstance();
    inBox->setTextId(kTitleId);
    EXPECT_EQ(std::u16string(), std::u16string(inBox->getText())) << "no localizer yet";
    box->add(inBox);
    s::gui::win::Label* direct = s::gui::win::Label::newInstance();
    direct->setTextId(kTitleId);
    window->setLocalizer(localizer.get());
    window->add(box);
    window->add(direct);
    EXPECT_EQ(u"Magnifier", std::u16string(inBox->getText())) << "inside a box";
    EXPECT_EQ(u"Magnifier", std::u16string(direct->getText()));
    const int32_t englishWidth = direct->getWidth();

    EventCounter counter;
    window->addListener(WindowEvent::LanguageChanged, &counter);
    localizer->setLanguage(u"German");
    window->sendCall(0, 0, 0, 0);
    EXPECT_EQ(u"Lupe", std::u16string(inBox->getText()));
    EXPECT_EQ(u"Lupe", std::u16string(direct->getText()));
    EXPECT_LT(direct->getWidth(), englishWidth) << "laid out again for the shorter text";
    EXPECT_EQ(1, counter.count(WindowEvent::LanguageChanged));
    window->setLocalizer(nullptr);
}
