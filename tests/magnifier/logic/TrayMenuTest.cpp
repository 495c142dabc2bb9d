#include "magnifier/logic/TrayMenu.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "s/gui/menuitem/MenuItem.h"
#include "s/gui/model/PopupMenu.h"
#include "s/lang/LangPack.h"
#include "s/lang/Localizer.h"
#include "s/thread/PoolRef.h"

namespace magnifier = s::image::gui::dialogs::magnifier;
using magnifier::MagnifierSettings;
using magnifier::MenuAction;
using magnifier::TrayMenu;
using s::gui::menuitem::MenuItem;
using s::gui::model::PopupMenu;
using s::lang::Localizer;
using s::thread::PoolRef;

namespace {

PoolRef<Localizer> shippedPack() {
    std::ifstream file(std::string(VEXA_SOURCE_DIR) + "/resources/lang/LangPack.xml",
                       std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    PoolRef<Localizer> localizer(
        Localizer::load(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
    localizer->setLanguage(u"English");
    return localizer;
}

// One entry as the menu shows it: 's' separator, '>' submenu, 'i' item.
struct Shown {
    char kind;
    int32_t commandId;
    int32_t textId;
    std::u16string text;
    bool checked;
    bool radio;
};

std::vector<Shown> entriesOf(PopupMenu& menu) {
    std::vector<Shown> shown;
    for (int32_t i = 0; i < menu.getEntryCount(); ++i) {
        if (PopupMenu* submenu = menu.getSubmenuAt(i)) {
            shown.push_back({'>', -1, submenu->getTitleId(), submenu->getTitle(), false, false});
            continue;
        }
        const MenuItem* item = menu.getItemAt(i);
        shown.push_back({item->isSeparator() ? 's' : 'i', item->getCommandId(), item->getTextId(),
                         item->getText(), item->isChecked(), item->isRadioSelected()});
    }
    return shown;
}

std::string kinds(PopupMenu& menu) {
    std::string text;
    for (const Shown& entry : entriesOf(menu)) {
        text += entry.kind;
    }
    return text;
}

// The command ids of the items, separators as -1.
std::vector<int32_t> commands(PopupMenu& menu) {
    std::vector<int32_t> ids;
    for (const Shown& entry : entriesOf(menu)) {
        if (entry.kind != '>') {
            ids.push_back(entry.kind == 's' ? -1 : entry.commandId);
        }
    }
    return ids;
}

std::vector<int32_t> radioMarks(PopupMenu& menu) {
    std::vector<int32_t> marked;
    for (const Shown& entry : entriesOf(menu)) {
        if (entry.radio) {
            marked.push_back(entry.commandId);
        }
    }
    return marked;
}

// A tray menu built from settings, with the root it fills.
struct Built {
    PoolRef<PopupMenu> root = PoolRef<PopupMenu>::take();
    TrayMenu menu;
};

void build(Built& built, Localizer* localizer, const MagnifierSettings& settings,
           bool bootShortcut = false) {
    built.menu.build(*built.root, localizer, settings, bootShortcut);
}

} // namespace

TEST(TrayMenuTest, AFirstRunBuildsTheWholeTreeInOrderWithTheDefaultMarks) {
    PoolRef<Localizer> localizer = shippedPack();
    Built built;
    build(built, localizer.get(), MagnifierSettings());
    PopupMenu& root = *built.root;

    EXPECT_EQ(std::u16string(u"Iconized Popup Menu"), root.getTitle());
    EXPECT_EQ("isi>>sis>>si", kinds(root));
    const std::vector<Shown> entries = entriesOf(root);
    EXPECT_EQ(110, entries[0].commandId);
    EXPECT_EQ(std::u16string(u"Turn On"), entries[0].text);
    EXPECT_TRUE(entries[0].checked);
    EXPECT_EQ(115, entries[2].commandId);
    EXPECT_EQ(800900, entries[2].textId);
    EXPECT_TRUE(entries[2].checked);
    EXPECT_EQ(801000, entries[3].textId);
    EXPECT_EQ(1000000, entries[4].textId);
    EXPECT_EQ(140, entries[6].commandId);
    EXPECT_EQ(std::u16string(u"Start on System Boot"), entries[6].text);
    EXPECT_FALSE(entries[6].checked);
    EXPECT_EQ(std::u16string(u"Language"), entries[8].text);
    EXPECT_EQ(701000, entries[9].textId);
    EXPECT_EQ(990, entries[11].commandId);
    EXPECT_EQ(751000, entries[11].textId);

    PopupMenu& keys = *built.menu.getKeyMenu();
    EXPECT_EQ(&keys, root.getSubmenuAt(3));
    EXPECT_EQ((std::vector<int32_t>{121, 122, 123, 124, 125, 126}), commands(keys));
    EXPECT_EQ(801006, entriesOf(keys)[5].textId);
    EXPECT_EQ(std::u16string(u"Right CTRL-Key"), entriesOf(keys)[0].text);
    EXPECT_EQ(std::vector<int32_t>{121}, radioMarks(keys));

    PopupMenu& zoom = *built.menu.getZoomMenu();
    EXPECT_EQ((std::vector<int32_t>{9012, 9015, 9020, 9025, 9030, 9040, 9080}), commands(zoom));
    EXPECT_EQ(1000125, entriesOf(zoom)[0].textId);
    EXPECT_EQ(1000800, entriesOf(zoom)[6].textId);
    EXPECT_EQ(std::u16string(u"200% (Default)"), entriesOf(zoom)[2].text);
    EXPECT_EQ(std::vector<int32_t>{9020}, radioMarks(zoom));

    // Forty languages by their own names, then the translation page.
    PopupMenu& languages = *built.menu.getLanguageMenu();
    ASSERT_EQ(40, built.menu.getLanguageCount());
    ASSERT_EQ(42, languages.getEntryCount());
    EXPECT_EQ(std::u16string(u"English"), entriesOf(languages)[0].text);
    EXPECT_EQ(std::u16string(u"Deutsch"), entriesOf(languages)[13].text);
    EXPECT_EQ(13, entriesOf(languages)[13].commandId);
    EXPECT_EQ('s', entriesOf(languages)[40].kind);
    EXPECT_EQ(40, entriesOf(languages)[41].commandId);
    EXPECT_EQ(std::u16string(u"Translate? (online)"), entriesOf(languages)[41].text);
    EXPECT_EQ(std::vector<int32_t>{0}, radioMarks(languages));

    PopupMenu& about = *root.getSubmenuAt(9);
    EXPECT_EQ((std::vector<int32_t>{10000, -1, 10100, 10200, -1, 10900, -1, 10950}),
              commands(about));
    EXPECT_EQ(std::u16string(u"Version Information"), entriesOf(about)[0].text);
    EXPECT_EQ(108100, entriesOf(about)[7].textId);
}

TEST(TrayMenuTest, StoredSettingsGiveTheInitialMarksAndUnofferedLevelsNone) {
    PoolRef<Localizer> localizer = shippedPack();
    localizer->setLanguage(u"Japanese");
    MagnifierSettings settings;
    settings.isOn = false;
    settings.autoLock = false;
    settings.keyType = 4;
    settings.magnificationLevel = 400;
    Built built;
    build(built, localizer.get(), settings, true);
    const std::vector<Shown> entries = entriesOf(*built.root);
    // Off: no mark, and the text still reads "Turn On".
    EXPECT_FALSE(entries[0].checked);
    EXPECT_EQ(900000, entries[0].textId);
    EXPECT_FALSE(entries[2].checked);
    EXPECT_TRUE(entries[6].checked);
    EXPECT_EQ(std::vector<int32_t>{124}, radioMarks(*built.menu.getKeyMenu()));
    EXPECT_EQ(std::vector<int32_t>{9040}, radioMarks(*built.menu.getZoomMenu()));
    EXPECT_EQ(std::vector<int32_t>{20}, radioMarks(*built.menu.getLanguageMenu()));

    // Levels between the offered ones mark nothing either, even those that
    // share an offered level's tenth.
    for (int32_t level : {333, 0, -200, 5000, 1250, 129, 201, 409}) {
        settings.magnificationLevel = level;
        Built other;
        build(other, localizer.get(), settings);
        EXPECT_TRUE(radioMarks(*other.menu.getZoomMenu()).empty()) << level;
    }
}

TEST(TrayMenuTest, TogglesFollowTheirMarkAndTheTurnItemEndsWithTurnOff) {
    PoolRef<Localizer> localizer = shippedPack();
    Built built;
    build(built, localizer.get(), MagnifierSettings());
    TrayMenu& menu = built.menu;
    PopupMenu& root = *built.root;

    MenuAction action = menu.onCommand(110);
    EXPECT_EQ(MenuAction::Kind::TurnOnOff, action.kind);
    EXPECT_FALSE(action.on);
    EXPECT_FALSE(root.isChecked(110));
    EXPECT_EQ(std::u16string(u"Turn On"), root.findById(110)->getText());
    action = menu.onCommand(110);
    EXPECT_TRUE(action.on);
    EXPECT_TRUE(root.isChecked(110));
    EXPECT_EQ(std::u16string(u"Turn Off"), root.findById(110)->getText());

    action = menu.onCommand(115);
    EXPECT_EQ(MenuAction::Kind::AutoLock, action.kind);
    EXPECT_FALSE(action.on);
    EXPECT_FALSE(root.isChecked(115));

    // The boot item flips its mark; the caller creates or deletes the file.
    action = menu.onCommand(140);
    EXPECT_EQ(MenuAction::Kind::StartOnBoot, action.kind);
    EXPECT_TRUE(action.on);
    EXPECT_TRUE(root.isChecked(140));
    EXPECT_FALSE(menu.onCommand(140).on);
    EXPECT_FALSE(root.isChecked(140));
}

TEST(TrayMenuTest, KeyAndZoomCommandsMoveTheRadioMarkAndNameTheNewValue) {
    PoolRef<Localizer> localizer = shippedPack();
    MagnifierSettings settings;
    settings.magnificationLevel = 333;
    Built built;
    build(built, localizer.get(), settings);
    TrayMenu& menu = built.menu;

    MenuAction action = menu.onCommand(124);
    EXPECT_EQ(MenuAction::Kind::Key, action.kind);
    EXPECT_EQ(4, action.value);
    EXPECT_EQ(std::vector<int32_t>{124}, radioMarks(*menu.getKeyMenu()));
    EXPECT_EQ(6, menu.onCommand(126).value);
    EXPECT_EQ(std::vector<int32_t>{126}, radioMarks(*menu.getKeyMenu()));

    const int32_t levels[][2] = {{9012, 125}, {9015, 150}, {9020, 200}, {9025, 250},
                                 {9030, 300}, {9040, 400}, {9080, 800}};
    for (const auto& row : levels) {
        action = menu.onCommand(row[0]);
        EXPECT_EQ(MenuAction::Kind::Zoom, action.kind);
        EXPECT_EQ(row[1], action.value);
        EXPECT_EQ(std::vector<int32_t>{row[0]}, radioMarks(*menu.getZoomMenu()));
    }
    for (int32_t unknown : {111, 120, 127, 9013, 9000, 100, -1, 10001}) {
        EXPECT_EQ(MenuAction::Kind::Nothing, menu.onCommand(unknown).kind) << unknown;
    }
    EXPECT_EQ(std::vector<int32_t>{9080}, radioMarks(*menu.getZoomMenu()));
    EXPECT_EQ(std::vector<int32_t>{126}, radioMarks(*menu.getKeyMenu()));
}

TEST(TrayMenuTest, ALanguageCommandSwitchesAndRelabelsEveryMenuAndTranslationChangesNothing) {
    PoolRef<Localizer> localizer = shippedPack();
    Built built;
    build(built, localizer.get(), MagnifierSettings());
    TrayMenu& menu = built.menu;
    PopupMenu& root = *built.root;
    menu.onCommand(110);
    menu.onCommand(110);

    MenuAction action = menu.onCommand(13);
    EXPECT_EQ(MenuAction::Kind::Language, action.kind);
    EXPECT_EQ(std::u16string(u"German"), localizer->getCurrent()->getEngName());
    EXPECT_EQ(std::vector<int32_t>{13}, radioMarks(*menu.getLanguageMenu()));
    const std::u16string turnOff = localizer->getText(900001);
    EXPECT_EQ(turnOff, root.findById(110)->getText());
    EXPECT_NE(std::u16string(u"Turn Off"), turnOff);
    EXPECT_EQ(std::u16string(localizer->getText(751000)), root.findById(990)->getText());
    EXPECT_EQ(std::u16string(localizer->getText(700000)), root.getSubmenuAt(8)->getTitle());
    EXPECT_EQ(std::u16string(localizer->getText(801001)),
              menu.getKeyMenu()->findById(121)->getText());
    EXPECT_EQ(std::u16string(localizer->getText(701100)),
              root.getSubmenuAt(9)->findById(10000)->getText());
    EXPECT_EQ(std::u16string(u"Iconized Popup Menu"), root.getTitle());
    // The languages keep their own names.
    EXPECT_EQ(std::u16string(u"English"), menu.getLanguageMenu()->findById(0)->getText());
    EXPECT_TRUE(root.isChecked(110));
    EXPECT_EQ(std::vector<int32_t>{121}, radioMarks(*menu.getKeyMenu()));

    action = menu.onCommand(40);
    EXPECT_EQ(MenuAction::Kind::OpenAddress, action.kind);
    EXPECT_EQ(108500, action.value);
    EXPECT_EQ(std::u16string(u"German"), localizer->getCurrent()->getEngName());
    EXPECT_EQ(std::vector<int32_t>{13}, radioMarks(*menu.getLanguageMenu()));

    // Beyond the translation page: no language.
    EXPECT_EQ(MenuAction::Kind::Nothing, menu.onCommand(41).kind);
    EXPECT_EQ(MenuAction::Kind::Language, menu.onCommand(0).kind);
    EXPECT_EQ(std::u16string(u"Turn Off"), root.findById(110)->getText());
}

TEST(TrayMenuTest, AboutCommandsNameTheirAddressesAndExitAndVersionInformationTheirActions) {
    PoolRef<Localizer> localizer = shippedPack();
    Built built;
    build(built, localizer.get(), MagnifierSettings());
    TrayMenu& menu = built.menu;
    const int32_t addresses[][2] = {
        {10100, 500003}, {10200, 500004}, {10900, 108000}, {10950, 108200}};
    for (const auto& row : addresses) {
        const MenuAction action = menu.onCommand(row[0]);
        EXPECT_EQ(MenuAction::Kind::OpenAddress, action.kind);
        EXPECT_EQ(row[1], action.value);
    }
    EXPECT_EQ(MenuAction::Kind::Exit, menu.onCommand(990).kind);
    EXPECT_EQ(MenuAction::Kind::VersionInformation, menu.onCommand(10000).kind);
    // Every command id of the tree is found from the root, as the window
    // routes commands.
    for (int32_t id : {0, 39, 40, 110, 115, 121, 126, 140, 990, 9012, 9080, 10000, 10950}) {
        EXPECT_TRUE(built.root->contains(id)) << id;
    }
}

TEST(TrayMenuTest, WithoutLanguagesTheMenuHoldsOnlyTheTranslationItemAndNoMark) {
    const char kEmpty[] = "<lang><languages/><entries/></lang>";
    PoolRef<Localizer> localizer(
        Localizer::load(reinterpret_cast<const uint8_t*>(kEmpty), sizeof(kEmpty) - 1));
    Built built;
    build(built, localizer.get(), MagnifierSettings());
    EXPECT_EQ(0, built.menu.getLanguageCount());
    EXPECT_EQ((std::vector<int32_t>{-1, 0}), commands(*built.menu.getLanguageMenu()));
    EXPECT_TRUE(radioMarks(*built.menu.getLanguageMenu()).empty());
    EXPECT_EQ(MenuAction::Kind::OpenAddress, built.menu.onCommand(0).kind);
}
