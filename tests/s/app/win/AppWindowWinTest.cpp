#include "s/app/win/AppWindow.h"

#include "s/app/WindowRules.h"
#include "s/gui/drawer/Skinner.h"
#include "s/lang/Localizer.h"
#include "s/map/IMappedData.h"
#include "s/system/monitor/win/Screen.h"
#include "tests/s/app/win/TestProduct.h"
#include "tests/s/gui/win/TestDrawers.h"

#include <string>

using s::app::WindowRules;
using s::app::win::AppBase;
using s::app::win::AppWindow;
using s::gui::drawer::Skinner;
using s::thread::PoolRef;

namespace {

class AppWindowWinTest : public TestProduct {
protected:
    // "MainWindow" as the magnifier sets it up, on a screen of the factor.
    PoolRef<AppWindow> mainWindow(int32_t screenFactor) {
        PoolRef<AppWindow> window(AppWindow::newInstance());
        window->init(appBase.get(), u"MainWindow", appBase->getSoftwareType(), 800, 600, false,
                     true, WindowRules::kDoNothing, appBase->getSkinner(), nullptr, screenFactor);
        return window;
    }
    s::map::IMappedData& store() { return *appBase->getSettings(); }
};

} // namespace

TEST_F(AppWindowWinTest, BoundsGoToTheSectionOfTheScreenFactorOptionsStayInView) {
    start();
    PoolRef<AppWindow> large = mainWindow(2);
    EXPECT_TRUE(std::u16string(large->getViewSection()) == u"View4K");
    large->setBounds(10, 20, 300, 400);
    large->setEasyDrag(true);
    large->setMiddleClick(WindowRules::kIconize);
    EXPECT_EQ(300, store().getInt32(u"MainWindow\\View4K", u"Width", 0));
    EXPECT_EQ(20, store().getInt32(u"MainWindow\\View4K", u"Y", 0));
    EXPECT_FALSE(store().hasValue(u"MainWindow\\View", u"Width"));
    EXPECT_TRUE(store().getBool(u"MainWindow\\View", u"EasyDrag", false));
    EXPECT_FALSE(store().hasValue(u"MainWindow\\View4K", u"EasyDrag"));
    EXPECT_TRUE(std::u16string(store().getString(u"MainWindow\\View", u"OnMClick", u"")) ==
                u"Iconize");

    // An ordinary screen does not see the large screen's bounds.
    PoolRef<AppWindow> ordinary = mainWindow(1);
    EXPECT_TRUE(std::u16string(ordinary->getViewSection()) == u"View");
    EXPECT_FALSE(ordinary->hasPosition());
    EXPECT_EQ(800, ordinary->getWidth());
    EXPECT_TRUE(ordinary->getEasyDrag());
    EXPECT_TRUE(std::u16string(mainWindow(4)->getViewSection()) == u"View8K");

    large->removeBounds();
    EXPECT_FALSE(large->hasPosition());
    EXPECT_FALSE(large->hasWidth());
    EXPECT_TRUE(large->getEasyDrag());
}

TEST_F(AppWindowWinTest, DefaultsWhenNothingIsStoredAndNothingCreated) {
    start();
    PoolRef<AppWindow> window = mainWindow(1);
    EXPECT_FALSE(window->hasPosition());
    EXPECT_EQ(0, window->getX());
    EXPECT_EQ(0, window->getY());
    EXPECT_EQ(800, window->getWidth());
    EXPECT_EQ(600, window->getHeight());
    EXPECT_FALSE(window->getEasyDrag());
    EXPECT_TRUE(window->getMaximized());
    EXPECT_TRUE(window->getKeepOnTop());
    EXPECT_EQ(WindowRules::kDoNothing, window->getMiddleClick());
    EXPECT_FALSE(window->isMiddleClickClose());
    EXPECT_EQ(500000, window->getTextBase());
    EXPECT_EQ(appBase->getLocalizer(), window->getLocalizer());
    EXPECT_FALSE(store().hasSection(u"MainWindow\\View"));
    EXPECT_FALSE(window->hasOwnSkin());

    // The pool's defaults for a window that gives none of its own.
    PoolRef<AppWindow> bare(AppWindow::newInstance());
    EXPECT_EQ(500, bare->getWidth());
    EXPECT_EQ(WindowRules::kClose, bare->getMiddleClick());
}

TEST_F(AppWindowWinTest, StoredMiddleClickIsMadeCanonical) {
    start();
    store().setString(u"MainWindow\\View", u"OnMClick", u"iconize");
    PoolRef<AppWindow> window = mainWindow(1);
    EXPECT_EQ(WindowRules::kIconize, window->getMiddleClick());
    EXPECT_TRUE(window->isMiddleClickIconize());
    store().setString(u"MainWindow\\View", u"OnMClick", u"minimise");
    EXPECT_EQ(WindowRules::kDoNothing, window->getMiddleClick());
    EXPECT_FALSE(window->isMiddleClickIconize());
    window->setMiddleClick(WindowRules::kClose);
    EXPECT_TRUE(window->isMiddleClickClose());
}

TEST_F(AppWindowWinTest, StoredSizesOutsideTenAndTheVirtualScreenAreInvalid) {
    start();
    PoolRef<AppWindow> window = mainWindow(1);
    const int32_t screenWidth = s::system::monitor::win::virtualScreenWidth();
    const int32_t screenHeight = s::system::monitor::win::virtualScreenHeight();
    window->setSize(5, 5);
    EXPECT_FALSE(window->isWidthValid());
    EXPECT_FALSE(window->isHeightValid());
    window->setSize(screenWidth + 1, screenHeight + 1);
    EXPECT_FALSE(window->isWidthValid());
    EXPECT_FALSE(window->isHeightValid());
    window->setSize(screenWidth, screenHeight);
    EXPECT_TRUE(window->isWidthValid());
    EXPECT_TRUE(window->isHeightValid());
    window->setSize(10, 10);
    EXPECT_TRUE(window->isWidthValid());
    EXPECT_TRUE(window->isHeightValid());
}

TEST_F(AppWindowWinTest, WindowWithItsOwnSkinnerKeepsItsSkinApart) {
    start();
    NamedSkin classic(u"Classic LG", nullptr);
    NamedSkin blue(u"Blue Sky", nullptr);
    Skinner* ownSelector = Skinner::newInstance();
    ownSelector->addScheme(&blue);
    ownSelector->addScheme(&classic);
    PoolRef<AppWindow> about(AppWindow::newInstance());
    about->init(appBase.get(), u"AboutWindow", appBase->getSoftwareType(), 340, 285, true, false,
                WindowRules::kClose, ownSelector, u"Classic LG", 1);
    EXPECT_TRUE(about->hasOwnSkin());
    EXPECT_EQ(ownSelector, about->getSkinner());
    EXPECT_TRUE(std::u16string(about->getSkin()) == u"Classic LG");
    // Nothing stored: init made the default current, not the first scheme.
    EXPECT_EQ(&classic, ownSelector->getCurrent());
    about->skinChanged(u"Blue Sky");
    EXPECT_EQ(u"Blue Sky", rawText(settingsKey() + u"\\AboutWindow\\Skin", u""));
    EXPECT_TRUE(std::u16string(about->getSkin()) == u"Blue Sky");
    EXPECT_FALSE(store().hasSection(u"Skin"));
    EXPECT_TRUE(std::u16string(appBase->getSkin()) == u"Black Black");
    // A stored skin the selector does not have gives the default.
    about->skinChanged(u"Gone");
    EXPECT_TRUE(std::u16string(about->getSkin()) == u"Classic LG");

    // The main window follows the application's skin.
    PoolRef<AppWindow> main = mainWindow(1);
    EXPECT_FALSE(main->hasOwnSkin());
    main->skinChanged(u"Green Leaf");
    EXPECT_EQ(u"Green Leaf", rawText(settingsKey() + u"\\Skin", u""));
    EXPECT_FALSE(store().hasSection(u"MainWindow\\Skin"));
    // The window owns its selector: giving it back gives back the skins.
    EXPECT_FALSE(classic.released);
    about.assign(nullptr);
    EXPECT_TRUE(classic.released);
    EXPECT_TRUE(blue.released);
}

TEST_F(AppWindowWinTest, TheAboutWindowsOwnThinWindowSelectorStartsInClassicLgThenTheStoredScheme) {
    start();
    PoolRef<AppWindow> about(AppWindow::newInstance());
    about->init(appBase.get(), u"AboutWindow", appBase->getSoftwareType(), 340, 285, true, false,
                WindowRules::kClose, Skinner::newThinWindowSkinner(), u"Classic LG", 1);
    ASSERT_NE(nullptr, about->getSkinner()->getCurrent());
    EXPECT_TRUE(std::u16string(about->getSkinner()->getCurrent()->getName()) == u"Classic LG");
    about->skinChanged(u"Indigo");

    PoolRef<AppWindow> again(AppWindow::newInstance());
    again->init(appBase.get(), u"AboutWindow", appBase->getSoftwareType(), 340, 285, true, false,
                WindowRules::kClose, Skinner::newThinWindowSkinner(), u"Classic LG", 1);
    ASSERT_NE(nullptr, again->getSkinner()->getCurrent());
    EXPECT_TRUE(std::u16string(again->getSkinner()->getCurrent()->getName()) == u"Indigo");
    // The application's own scheme is untouched.
    EXPECT_TRUE(std::u16string(appBase->getSkin()) == u"Black Black");
}

TEST_F(AppWindowWinTest, EveryInitRewritesTheWindowsIdentity) {
    start();
    mainWindow(1);
    const std::u16string window = settingsKey() + u"\\MainWindow";
    const std::u16string version = rawText(window + u"\\Version", u"");
    EXPECT_FALSE(version.empty());
    EXPECT_EQ(std::u16string(appBase->getLocalizer()->getText(500010)), version);
    writeText(window + u"\\Version", u"", u"0.1");
    writeText(window + u"\\SoftwareType", u"", u"Shareware");
    store().removeSection(u"MainWindow\\SoftwareID");
    mainWindow(1);
    EXPECT_EQ(version, rawText(window + u"\\Version", u""));
    EXPECT_EQ(u"Freeware", rawText(window + u"\\SoftwareType", u""));
    EXPECT_EQ(u"Vexa Magnifier", rawText(window + u"\\SoftwareID", u""));
}

TEST_F(AppWindowWinTest, WindowChangesReachTheApplicationBase) {
    start();
    PoolRef<AppWindow> window = mainWindow(1);
    window->languageChanged(u"German");
    EXPECT_EQ(u"German", rawText(settingsKey() + u"\\Language", u""));
    window->saveSettings();
    EXPECT_TRUE(appBase->isSaved());
    // The test program has no icon group: no icon, and no failure.
    EXPECT_EQ(nullptr, window->createIcon(32));
    // Without a taskbar (or with one) the indicator calls are safe.
    window->showTaskbarBusy(nullptr);
    window->setTaskbarProgress(nullptr, 10, 5);
    window->clearTaskbarProgress(nullptr);
}
