#include "magnifier/Dialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "s/app/WindowRules.h"
#include "s/app/win/AppWindow.h"
#include "s/gui/win/Window.h"
#include "s/gui/win/WindowMessages.h"
#include "s/lang/LangPack.h"
#include "s/lang/Localizer.h"
#include "s/platform/win/WideText.h"
#include "s/system/monitor/win/Screen.h"
#include "s/thread/PoolRef.h"
#include "tests/s/app/win/TestProduct.h"

namespace magnifier = s::image::gui::dialogs::magnifier;
using magnifier::Dialog;
using s::app::WindowRules;
using s::app::win::AppWindow;
using s::lang::Localizer;
using s::thread::PoolRef;

namespace {

struct StoredValue {
    DWORD type = REG_NONE;
    std::u16string text;
    DWORD number = 0;
    bool operator==(const StoredValue& other) const {
        return type == other.type && text == other.text && number == other.number;
    }
};

// Readable in a failure message (the texts here are ASCII).
std::ostream& operator<<(std::ostream& out, const StoredValue& value) {
    if (value.type == REG_NONE) {
        return out << "<nothing>";
    }
    return out << "type " << value.type << ", " << value.number << ", \""
               << std::string(value.text.begin(), value.text.end()) << "\"";
}

StoredValue dwordValue(DWORD value) {
    StoredValue stored;
    stored.type = REG_DWORD;
    stored.number = value;
    return stored;
}

StoredValue textValue(const char16_t* value) {
    StoredValue stored;
    stored.type = REG_SZ;
    stored.text = value;
    return stored;
}

// A dialog started as the program starts it: over an application base of
// the tests' own product (its key deleted afterwards) and the "MainWindow"
// settings object, with the shipped language pack in English.
class DialogMenuWinTest : public TestProduct {
protected:
    void SetUp() override {
        TestProduct::SetUp();
        start();
        mainWindow = PoolRef<AppWindow>(AppWindow::newInstance());
        mainWindow->init(appBase.get(), u"MainWindow", appBase->getSoftwareType(), 800, 600, false,
                         true, WindowRules::kDoNothing, appBase->getSkinner(), nullptr, 1);
        localizer = mainWindow->getLocalizer();
        localizer->setLanguage(u"English");
        dialog = PoolRef<Dialog>(Dialog::createDialog(mainWindow.get()));
        dialog->start(true);
    }
    void TearDown() override {
        // The dialog borrows the settings object, which borrows the base.
        dialog.assign(nullptr);
        mainWindow.assign(nullptr);
        TestProduct::TearDown();
    }
    // A value as the registry holds it below the product's settings key.
    StoredValue storedValue(const char16_t* section, const char16_t* name) {
        StoredValue value;
        DWORD type = REG_NONE;
        std::vector<std::uint8_t> bytes;
        if (!rawValue(settingsKey() + u"\\" + section, name, type, bytes)) {
            return value;
        }
        value.type = type;
        if (type == REG_DWORD && bytes.size() >= sizeof(DWORD)) {
            std::memcpy(&value.number, bytes.data(), sizeof(DWORD));
        } else if (type == REG_SZ) {
            value.text = rawText(settingsKey() + u"\\" + section, name);
        }
        return value;
    }
    // The command as the native menu delivers it to the lens window.
    void choose(int32_t commandId) {
        SendMessageW(dialog->getLensWindow()->getHandle(), WM_COMMAND,
                     static_cast<WPARAM>(commandId), 0);
    }
    std::u16string title() {
        wchar_t text[256] = {};
        GetWindowTextW(dialog->getLensWindow()->getHandle(), text, 256);
        return s::platform::win::utf16(text);
    }
    void showByTrayClick() {
        SendMessageW(dialog->getLensWindow()->getHandle(), s::gui::win::WindowMessages::kTray, 0,
                     WM_LBUTTONDOWN);
    }

    PoolRef<AppWindow> mainWindow;
    Localizer* localizer = nullptr;
    PoolRef<Dialog> dialog;
};

} // namespace

TEST_F(DialogMenuWinTest, EachCommandWritesItsSettingAtOnceInItsStoredForm) {
    EXPECT_EQ(StoredValue(), storedValue(u"View", u"IsOn"));
    choose(110);
    EXPECT_EQ(dwordValue(0), storedValue(u"View", u"IsOn"));
    choose(110);
    EXPECT_EQ(dwordValue(1), storedValue(u"View", u"IsOn"));
    choose(115);
    EXPECT_EQ(dwordValue(0), storedValue(u"View", u"AutoLock"));
    choose(124);
    EXPECT_EQ(textValue(u"CtrlShift"), storedValue(u"View", u"KeyType"));
    choose(126);
    EXPECT_EQ(textValue(u"CtrlShiftAlt"), storedValue(u"View", u"KeyType"));
    choose(9040);
    EXPECT_EQ(dwordValue(400), storedValue(u"View", u"MagnificationLevel"));
    choose(9012);
    EXPECT_EQ(dwordValue(125), storedValue(u"View", u"MagnificationLevel"));
    // Commands that change no setting write none.
    choose(10000);
    choose(4711);
    EXPECT_EQ(StoredValue(), storedValue(u"Language", u""));
}

TEST_F(DialogMenuWinTest, ALanguageCommandSwitchesTheTrayTipAndStoresTheLanguage) {
    EXPECT_EQ(std::u16string(u"Vexa Magnifier"), title());
    choose(13);
    EXPECT_EQ(std::u16string(u"German"), localizer->getCurrent()->getEngName());
    EXPECT_EQ(textValue(u"German"), storedValue(u"Language", u""));
    EXPECT_EQ(std::u16string(localizer->getText(500000)), title());
    EXPECT_NE(std::u16string(u"Vexa Magnifier"), title());
    choose(0);
    EXPECT_EQ(textValue(u"English"), storedValue(u"Language", u""));
    EXPECT_EQ(std::u16string(u"Vexa Magnifier"), title());
}

TEST_F(DialogMenuWinTest, ExitWhileTheLensIsShownClosesTheLensWindow) {
    // A left click on the tray icon shows the lens.
    SendMessageW(dialog->getLensWindow()->getHandle(), s::gui::win::WindowMessages::kTray, 0,
                 WM_LBUTTONDOWN);
    ASSERT_TRUE(dialog->getLensWindow()->isVisible());
    choose(990);
    EXPECT_TRUE(dialog->getLensWindow()->isClosed());
    EXPECT_FALSE(IsWindowVisible(dialog->getLensWindow()->getHandle()));
}

TEST_F(DialogMenuWinTest, AZoomChosenWhileTheLensIsShownWaitsForTheNextShowing) {
    const HWND lens = dialog->getLensWindow()->getHandle();
    SendMessageW(lens, s::gui::win::WindowMessages::kTray, 0, WM_LBUTTONDOWN);
    ASSERT_TRUE(dialog->getRules().isShown());
    EXPECT_EQ(200, dialog->getRules().getZoom());
    choose(9040);
    EXPECT_EQ(400, dialog->getRules().getMagnificationLevel());
    EXPECT_EQ(200, dialog->getRules().getZoom());
    // A right click hides the locked lens; the next showing is at 400 %.
    SendMessageW(lens, WM_RBUTTONUP, 0, 0);
    ASSERT_FALSE(dialog->getRules().isShown());
    SendMessageW(lens, s::gui::win::WindowMessages::kTray, 0, WM_LBUTTONDOWN);
    ASSERT_TRUE(dialog->getRules().isShown());
    EXPECT_EQ(400, dialog->getRules().getZoom());
}

// The lens takes its title from the main window's settings but not its
// place: shown it covers the whole virtual screen, never maximized onto one
// monitor although the main window's default is maximized, and neither its
// showings nor its hidings store bounds.
TEST_F(DialogMenuWinTest, TheBoundLensCoversTheVirtualScreenAndStoresNoBounds) {
    namespace screen = s::system::monitor::win;
    const HWND lens = dialog->getLensWindow()->getHandle();
    EXPECT_EQ(std::u16string(u"Vexa Magnifier"), title());
    for (int showing = 0; showing < 2; ++showing) {
        showByTrayClick();
        ASSERT_TRUE(dialog->getRules().isShown());
        RECT bounds = {};
        GetWindowRect(lens, &bounds);
        EXPECT_FALSE(IsZoomed(lens));
        EXPECT_TRUE(IsWindowVisible(lens));
        EXPECT_EQ(screen::virtualScreenLeft(), bounds.left);
        EXPECT_EQ(screen::virtualScreenTop(), bounds.top);
        EXPECT_EQ(screen::virtualScreenWidth(), bounds.right - bounds.left);
        EXPECT_EQ(screen::virtualScreenHeight(), bounds.bottom - bounds.top);
        SendMessageW(lens, WM_RBUTTONUP, 0, 0);
        ASSERT_FALSE(dialog->getRules().isShown());
        EXPECT_FALSE(IsWindowVisible(lens));
    }
    for (const std::u16string name : {u"X", u"Y", u"Width", u"Height", u"Maximized"}) {
        EXPECT_EQ(StoredValue(), storedValue(u"MainWindow\\View", name.c_str()))
            << std::string(name.begin(), name.end());
    }
    EXPECT_TRUE(mainWindow->getMaximized());
    EXPECT_FALSE(mainWindow->hasPosition());
}
