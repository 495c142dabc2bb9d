#include "s/gui/win/PopupMenu.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "s/gui/menuitem/MenuItem.h"
#include "s/gui/win/Window.h"
#include "s/gui/win/WindowMessages.h"
#include "s/lang/Localizer.h"
#include "s/platform/win/WideText.h"
#include "s/thread/PoolRef.h"

using s::gui::menuitem::MenuItem;
using s::gui::win::PopupMenu;
using s::gui::win::Window;
using s::lang::Localizer;
using s::platform::win::OwnedMenu;
using s::thread::PoolRef;

namespace {

// What the native menu shows at one position, read through the menu API.
struct NativeEntry {
    UINT type = 0;
    UINT state = 0;
    UINT id = 0;
    HMENU submenu = nullptr;
    std::u16string text;
};

NativeEntry nativeEntry(HMENU menu, int position) {
    wchar_t text[256] = {};
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 255;
    NativeEntry entry;
    if (GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) {
        entry.type = info.fType;
        entry.state = info.fState;
        entry.id = info.wID;
        entry.submenu = info.hSubMenu;
        entry.text = s::platform::win::utf16(text);
    }
    return entry;
}

bool hasRadioMark(const NativeEntry& entry) {
    return (entry.type & MFT_RADIOCHECK) != 0 && (entry.state & MFS_CHECKED) != 0;
}

bool hasCheckMark(const NativeEntry& entry) {
    return (entry.type & MFT_RADIOCHECK) == 0 && (entry.state & MFS_CHECKED) != 0;
}

// The language pack the test module carries (tests/support).
constexpr const char16_t* kPackType = u"IDR_XML";
constexpr int32_t kPackId = 130;

PoolRef<Localizer> shippedPack() {
    PoolRef<Localizer> localizer(Localizer::loadFromModule(nullptr, kPackType, kPackId));
    localizer->setLanguage(u"English");
    return localizer;
}

// Collects the visible popup menu windows of this process. A named callback
// because a lambda has the wrong calling convention on 32-bit Windows.
BOOL CALLBACK collectMenu(HWND window, LPARAM context) {
    wchar_t name[16] = {};
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
        GetClassNameW(window, name, 16) > 0 && std::wstring(name) == L"#32768") {
        reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
    }
    return TRUE;
}

// The open popup menu windows of this process.
std::vector<HWND> openMenus() {
    std::vector<HWND> found;
    EnumWindows(collectMenu, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::vector<HWND> waitForMenus(size_t count) {
    for (int i = 0; i < 300; ++i) {
        std::vector<HWND> menus = openMenus();
        if (menus.size() >= count) {
            return menus;
        }
        Sleep(10);
    }
    return {};
}

void pressInMenu(HWND menuWindow, WPARAM key) {
    PostMessageW(menuWindow, WM_KEYDOWN, key, 0);
    PostMessageW(menuWindow, WM_KEYUP, key, 0);
    Sleep(50);
}

// Told on the window's thread, read by the test's.
class CommandRecorder : public s::gui::events::IEventListener {
public:
    void onEvent(s::base::IObject* source, int32_t code) override {
        lastCode = code;
        selected = static_cast<PopupMenu*>(source)->getSelectedId();
        threadId = GetCurrentThreadId();
        ++count;
    }
    std::atomic<int32_t> count{0};
    std::atomic<int32_t> lastCode{-1};
    std::atomic<int32_t> selected{-1};
    std::atomic<DWORD> threadId{0};
};

} // namespace

TEST(PopupMenuWinTest, TheNativeMenuShowsTheModelsTextsMarksSeparatorsAndSubmenus) {
    PoolRef<Localizer> localizer = shippedPack();
    PoolRef<PopupMenu> root = PoolRef<PopupMenu>::take();
    root->setLocalizer(localizer.get());
    root->append(MenuItem::newItem(localizer.get(), 900000, 110, true));
    root->append(MenuItem::newSeparator());
    root->append(MenuItem::newText(u"Greyed", 111, false));
    root->setEnabled(111, false);
    PopupMenu* keys = PopupMenu::newInstance();
    keys->setLocalizer(localizer.get());
    keys->setTitleId(801000);
    for (int32_t key = 1; key <= 3; ++key) {
        keys->append(MenuItem::newItem(localizer.get(), 801000 + key, 120 + key, false));
    }
    keys->checkRadioById(122);
    root->appendSubmenu(keys);
    PopupMenu* greyedSubmenu = PopupMenu::newInstance();
    greyedSubmenu->setTitle(u"Later");
    greyedSubmenu->append(MenuItem::newText(u"Inside", 130, false));
    root->appendSubmenu(greyedSubmenu);
    root->setSubmenuEnabled(greyedSubmenu, false);

    const OwnedMenu menu = root->createNative();
    ASSERT_TRUE(menu);
    ASSERT_EQ(5, GetMenuItemCount(menu.get()));
    const NativeEntry turn = nativeEntry(menu.get(), 0);
    EXPECT_EQ(110u, turn.id);
    EXPECT_EQ(std::u16string(u"Turn On"), turn.text);
    EXPECT_TRUE(hasCheckMark(turn));
    EXPECT_NE(0u, nativeEntry(menu.get(), 1).type & MFT_SEPARATOR);
    const NativeEntry greyed = nativeEntry(menu.get(), 2);
    EXPECT_NE(0u, greyed.state & MFS_GRAYED);
    EXPECT_FALSE(hasCheckMark(greyed));

    const NativeEntry keyEntry = nativeEntry(menu.get(), 3);
    ASSERT_NE(nullptr, keyEntry.submenu);
    EXPECT_EQ(std::u16string(u"Key to Use  (Or Click on the TrayIcon)"), keyEntry.text);
    EXPECT_EQ(0u, keyEntry.state & MFS_GRAYED);
    ASSERT_EQ(3, GetMenuItemCount(keyEntry.submenu));
    EXPECT_FALSE(hasRadioMark(nativeEntry(keyEntry.submenu, 0)));
    EXPECT_TRUE(hasRadioMark(nativeEntry(keyEntry.submenu, 1)));
    EXPECT_FALSE(hasRadioMark(nativeEntry(keyEntry.submenu, 2)));
    EXPECT_EQ(std::u16string(u"Right CTRL-Key"), nativeEntry(keyEntry.submenu, 0).text);
    EXPECT_EQ(123u, nativeEntry(keyEntry.submenu, 2).id);

    const NativeEntry later = nativeEntry(menu.get(), 4);
    EXPECT_NE(nullptr, later.submenu);
    EXPECT_EQ(std::u16string(u"Later"), later.text);
    EXPECT_NE(0u, later.state & MFS_GRAYED);
}

TEST(PopupMenuWinTest, AfterALanguageChangeTheNativeMenuShowsTheNewTextsWithTheSameMarks) {
    PoolRef<Localizer> localizer = shippedPack();
    PoolRef<PopupMenu> root = PoolRef<PopupMenu>::take();
    root->setLocalizer(localizer.get());
    root->append(MenuItem::newItem(localizer.get(), 900000, 110, true));
    root->setTextId(110, 900001);
    PopupMenu* zoom = PopupMenu::newInstance();
    zoom->setLocalizer(localizer.get());
    zoom->setTitleId(1000000);
    zoom->append(MenuItem::newItem(localizer.get(), 1000125, 9012, false));
    zoom->append(MenuItem::newItem(localizer.get(), 1000200, 9020, false));
    zoom->checkRadioById(9020);
    root->appendSubmenu(zoom);
    const std::u16string englishZoomTitle = zoom->getTitle();

    localizer->setLanguage(u"German");
    const OwnedMenu menu = root->createNative();
    ASSERT_TRUE(menu);
    const NativeEntry turn = nativeEntry(menu.get(), 0);
    EXPECT_EQ(std::u16string(localizer->getText(900001)), turn.text);
    EXPECT_NE(std::u16string(u"Turn Off"), turn.text);
    EXPECT_TRUE(hasCheckMark(turn));
    const NativeEntry zoomEntry = nativeEntry(menu.get(), 1);
    EXPECT_EQ(std::u16string(localizer->getText(1000000)), zoomEntry.text);
    EXPECT_NE(englishZoomTitle, zoomEntry.text);
    EXPECT_TRUE(hasRadioMark(nativeEntry(zoomEntry.submenu, 1)));
    EXPECT_FALSE(hasRadioMark(nativeEntry(zoomEntry.submenu, 0)));
}

TEST(PopupMenuWinTest, ACommandPickedInASubmenuOfTheTrayMenuReachesTheRootsListeners) {
    auto window = PoolRef<Window>::take();
    ASSERT_NE(nullptr, window->getHandle());
    PopupMenu* root = PopupMenu::newInstance();
    root->append(MenuItem::newText(u"First", 1, false));
    PopupMenu* submenu = PopupMenu::newInstance();
    submenu->setTitle(u"More");
    submenu->append(MenuItem::newText(u"Second", 2, false));
    submenu->append(MenuItem::newText(u"Third", 3, false));
    root->appendSubmenu(submenu);
    CommandRecorder recorder;
    root->addListener(&recorder);
    window->setTrayMenu(root);

    POINT cursor = {0, 0};
    GetCursorPos(&cursor);
    // The tray icon's right click: the window opens its tray menu.
    PostMessageW(window->getHandle(), s::gui::win::WindowMessages::kTray, 0, WM_RBUTTONDOWN);
    const std::vector<HWND> menus = waitForMenus(1);
    ASSERT_EQ(1u, menus.size());
    RECT bounds = {};
    GetWindowRect(menus[0], &bounds);
    // A tray menu opens above the point (unless the screen's top is in the
    // way, which it is not at the cursor's usual place).
    if (cursor.y > bounds.bottom - bounds.top) {
        EXPECT_EQ(cursor.y, bounds.bottom);
    }
    // Down to the submenu, into it, down to the third command, pick it.
    pressInMenu(menus[0], VK_DOWN);
    pressInMenu(menus[0], VK_DOWN);
    pressInMenu(menus[0], VK_RIGHT);
    pressInMenu(menus[0], VK_DOWN);
    pressInMenu(menus[0], VK_RETURN);
    for (int i = 0; i < 200 && recorder.count == 0; ++i) {
        Sleep(10);
    }
    ASSERT_EQ(1, recorder.count.load());
    EXPECT_EQ(0, recorder.lastCode.load());
    EXPECT_EQ(3, recorder.selected);
    EXPECT_EQ(3, root->getSelectedId());
    EXPECT_EQ(GetWindowThreadProcessId(window->getHandle(), nullptr), recorder.threadId);
    EXPECT_TRUE(openMenus().empty());
}
