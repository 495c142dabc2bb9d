#include "magnifier/Dialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "magnifier/logic/ProductIdentity.h"
#include "s/gui/win/Window.h"
#include "s/gui/win/WindowMessages.h"
#include "s/lang/LangPack.h"
#include "s/lang/Localizer.h"
#include "s/platform/win/WideText.h"
#include "s/reg/MappedData.h"
#include "s/thread/PoolRef.h"

namespace magnifier = s::image::gui::dialogs::magnifier;
using magnifier::Dialog;
using s::lang::Localizer;
using s::reg::MappedData;
using s::thread::PoolRef;

namespace {

// A settings key of the tests' own, emptied before and after each test.
constexpr const char16_t* kTestKey = u"Software\\VexaTest\\DialogMenu\\SaveData";

struct StoredValue {
    DWORD type = REG_NONE;
    std::u16string text;
    DWORD number = 0;
    bool operator==(const StoredValue& other) const {
        return type == other.type && text == other.text && number == other.number;
    }
};

StoredValue storedValue(const char16_t* section, const char16_t* name) {
    const std::u16string key = std::u16string(kTestKey) + u"\\" + section;
    StoredValue value;
    BYTE data[512] = {};
    DWORD size = sizeof(data) - 2;
    if (RegGetValueW(HKEY_CURRENT_USER, s::platform::win::wide(key.c_str()),
                     s::platform::win::wide(name), RRF_RT_ANY | RRF_NOEXPAND, &value.type, data,
                     &size) != ERROR_SUCCESS) {
        return StoredValue();
    }
    if (value.type == REG_DWORD) {
        value.number = *reinterpret_cast<DWORD*>(data);
    } else if (value.type == REG_SZ) {
        value.text = reinterpret_cast<const char16_t*>(data);
    }
    return value;
}

StoredValue number(DWORD value) {
    StoredValue stored;
    stored.type = REG_DWORD;
    stored.number = value;
    return stored;
}

StoredValue text(const char16_t* value) {
    StoredValue stored;
    stored.type = REG_SZ;
    stored.text = value;
    return stored;
}

// Deletes the tests' whole key, so that every test starts with nothing stored.
void deleteTestKey() {
    PoolRef<MappedData> store(MappedData::open(u"Software\\VexaTest"));
    store->removeSection(u"");
}

// A started dialog over the test key and the shipped language pack.
class DialogMenuWinTest : public ::testing::Test {
protected:
    void SetUp() override {
        deleteTestKey();
        settings = PoolRef<MappedData>(MappedData::open(kTestKey));
        localizer = PoolRef<Localizer>(
            Localizer::loadFromModule(nullptr, magnifier::ProductIdentity::kPackResourceType,
                                      magnifier::ProductIdentity::kPackResourceId));
        localizer->setLanguage(u"English");
        dialog = PoolRef<Dialog>(Dialog::createDialog(settings.get(), localizer.get()));
        dialog->start(true);
    }
    void TearDown() override {
        dialog.assign(nullptr);
        deleteTestKey();
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

    PoolRef<MappedData> settings;
    PoolRef<Localizer> localizer;
    PoolRef<Dialog> dialog;
};

} // namespace

TEST_F(DialogMenuWinTest, EachCommandWritesItsSettingAtOnceInItsStoredForm) {
    EXPECT_EQ(StoredValue(), storedValue(u"View", u"IsOn"));
    choose(110);
    EXPECT_EQ(number(0), storedValue(u"View", u"IsOn"));
    choose(110);
    EXPECT_EQ(number(1), storedValue(u"View", u"IsOn"));
    choose(115);
    EXPECT_EQ(number(0), storedValue(u"View", u"AutoLock"));
    choose(124);
    EXPECT_EQ(text(u"CtrlShift"), storedValue(u"View", u"KeyType"));
    choose(126);
    EXPECT_EQ(text(u"CtrlShiftAlt"), storedValue(u"View", u"KeyType"));
    choose(9040);
    EXPECT_EQ(number(400), storedValue(u"View", u"MagnificationLevel"));
    choose(9012);
    EXPECT_EQ(number(125), storedValue(u"View", u"MagnificationLevel"));
    // Commands that change no setting write none.
    choose(10000);
    choose(4711);
    EXPECT_EQ(StoredValue(), storedValue(u"Language", u""));
}

TEST_F(DialogMenuWinTest, ALanguageCommandSwitchesTheTrayTipAndStoresTheLanguage) {
    EXPECT_EQ(std::u16string(u"Vexa Magnifier"), title());
    choose(13);
    EXPECT_EQ(std::u16string(u"German"), localizer->getCurrent()->getEngName());
    EXPECT_EQ(text(u"German"), storedValue(u"Language", u""));
    EXPECT_EQ(std::u16string(localizer->getText(500000)), title());
    EXPECT_NE(std::u16string(u"Vexa Magnifier"), title());
    choose(0);
    EXPECT_EQ(text(u"English"), storedValue(u"Language", u""));
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
