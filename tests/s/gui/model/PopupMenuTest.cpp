#include "s/gui/model/PopupMenu.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "s/gui/menuitem/MenuItem.h"
#include "s/lang/Localizer.h"
#include "s/thread/PoolRef.h"

using s::gui::menuitem::MenuItem;
using s::gui::model::PopupMenu;
using s::lang::Localizer;
using s::thread::PoolRef;

namespace {

constexpr int32_t kTurnOn = 900000;
constexpr int32_t kTurnOff = 900001;
constexpr int32_t kLanguage = 700000;
constexpr int32_t kKey = 801000;

// English and German texts of a few menu ids.
const char kPack[] = "<lang><languages>"
                     "<entry tagName=\"eng\" engName=\"English\" trueName=\"English\"/>"
                     "<entry tagName=\"deu\" engName=\"German\" trueName=\"Deutsch\"/>"
                     "</languages><entries>"
                     "<entry id=\"900000\"><eng>Turn On</eng><deu>Einschalten</deu></entry>"
                     "<entry id=\"900001\"><eng>Turn Off</eng><deu>Ausschalten</deu></entry>"
                     "<entry id=\"700000\"><eng>Language</eng><deu>Sprache</deu></entry>"
                     "<entry id=\"801000\"><eng>Key</eng><deu>Taste</deu></entry>"
                     "</entries></lang>";

PoolRef<Localizer> englishAndGerman() {
    PoolRef<Localizer> localizer(
        Localizer::load(reinterpret_cast<const uint8_t*>(kPack), sizeof(kPack) - 1));
    localizer->setLanguage(u"English");
    return localizer;
}

// Counts the command events of a menu and the selected id each one saw.
class CommandRecorder : public s::gui::events::IEventListener {
public:
    void onEvent(s::base::IObject* source, int32_t code) override {
        codes.push_back(code);
        selected.push_back(static_cast<PopupMenu*>(source)->getSelectedId());
    }
    std::vector<int32_t> codes;
    std::vector<int32_t> selected;
};

// A menu of plain commands with the given ids (-1: a separator).
PopupMenu* menuOf(std::initializer_list<int32_t> ids) {
    PopupMenu* menu = PopupMenu::newInstance();
    for (int32_t id : ids) {
        menu->append(id == -1 ? MenuItem::newSeparator() : MenuItem::newText(u"x", id, false));
    }
    return menu;
}

// The command ids that carry the radio mark, in order.
std::vector<int32_t> radioMarks(const PopupMenu& menu) {
    std::vector<int32_t> marked;
    for (int32_t i = 0; i < menu.getEntryCount(); ++i) {
        const MenuItem* item = menu.getItemAt(i);
        if (item != nullptr && item->isRadioSelected()) {
            marked.push_back(item->getCommandId());
        }
    }
    return marked;
}

} // namespace

TEST(PopupMenuTest, FindsCommandsThroughSubmenusAndTellsTheRootsListenersWithCodeZero) {
    PoolRef<PopupMenu> root(menuOf({110, -1, 115}));
    PopupMenu* keys = menuOf({121, 122});
    PopupMenu* deeper = menuOf({9012});
    ASSERT_TRUE(keys->appendSubmenu(deeper));
    ASSERT_TRUE(root->appendSubmenu(keys));
    root->append(MenuItem::newText(u"Exit", 990, false));

    EXPECT_TRUE(root->contains(110));
    EXPECT_TRUE(root->contains(122));
    EXPECT_TRUE(root->contains(9012));
    EXPECT_FALSE(root->contains(123));
    // A separator carries no command, not even the "none" id.
    EXPECT_FALSE(root->contains(MenuItem::kNone));
    // findById looks at this menu only.
    EXPECT_EQ(nullptr, root->findById(122));
    ASSERT_NE(nullptr, keys->findById(122));
    EXPECT_EQ(122, keys->findById(122)->getCommandId());
    // Positions count submenus: Exit comes after the Key submenu.
    int32_t position = -1;
    EXPECT_TRUE(root->indexOfId(990, position));
    EXPECT_EQ(4, position);
    EXPECT_EQ(5, root->getEntryCount());
    EXPECT_EQ(keys, root->getSubmenuAt(3));

    CommandRecorder recorder;
    root->addListener(&recorder);
    EXPECT_EQ(-1, root->getSelectedId());
    root->select(9012);
    EXPECT_EQ(std::vector<int32_t>{0}, recorder.codes);
    EXPECT_EQ(std::vector<int32_t>{9012}, recorder.selected);
}

TEST(PopupMenuTest, MarksAndStateAreSetByIdAnywhereInTheTree) {
    PoolRef<PopupMenu> root(menuOf({110}));
    PopupMenu* about = menuOf({10000, 10100});
    root->appendSubmenu(about);

    EXPECT_FALSE(root->isChecked(10100));
    EXPECT_TRUE(root->setChecked(10100, true));
    EXPECT_TRUE(root->isChecked(10100));
    EXPECT_TRUE(about->findById(10100)->isChecked());
    EXPECT_FALSE(root->setChecked(4711, true));
    EXPECT_FALSE(root->isChecked(4711));

    EXPECT_TRUE(root->setEnabled(10000, false));
    EXPECT_TRUE(about->findById(10000)->isGreyed());
    EXPECT_TRUE(root->setEnabled(10000, true));
    EXPECT_FALSE(about->findById(10000)->isGreyed());
    EXPECT_FALSE(root->setEnabled(4711, false));

    EXPECT_TRUE(root->isSubmenuEnabled(1));
    EXPECT_TRUE(root->setSubmenuEnabled(about, false));
    EXPECT_FALSE(root->isSubmenuEnabled(1));
    EXPECT_FALSE(root->setSubmenuEnabled(nullptr, false));
    EXPECT_FALSE(root->isSubmenuEnabled(0));
}

TEST(PopupMenuTest, TheRadioMarkMovesByIdAndByPositionAndMinusOneClearsIt) {
    PoolRef<PopupMenu> zoom(menuOf({9012, 9015, 9020, 9025}));
    EXPECT_TRUE(zoom->checkRadioById(9020));
    EXPECT_EQ(std::vector<int32_t>{9020}, radioMarks(*zoom));
    EXPECT_TRUE(zoom->checkRadioById(9012));
    EXPECT_EQ(std::vector<int32_t>{9012}, radioMarks(*zoom));
    // An id no item has changes nothing.
    EXPECT_FALSE(zoom->checkRadioById(9019));
    EXPECT_EQ(std::vector<int32_t>{9012}, radioMarks(*zoom));

    zoom->checkRadioAt(3);
    EXPECT_EQ(std::vector<int32_t>{9025}, radioMarks(*zoom));
    zoom->checkRadioAt(-1);
    EXPECT_TRUE(radioMarks(*zoom).empty());
    zoom->checkRadioAt(2);
    zoom->checkRadioAt(4);
    EXPECT_TRUE(radioMarks(*zoom).empty());

    // By data: the client value of an item.
    zoom->findById(9015)->setData(150);
    EXPECT_TRUE(zoom->checkRadioByData(150));
    EXPECT_EQ(std::vector<int32_t>{9015}, radioMarks(*zoom));
    EXPECT_FALSE(zoom->checkRadioByData(333));
    EXPECT_EQ(std::vector<int32_t>{9015}, radioMarks(*zoom));
}

TEST(PopupMenuTest, RadioPositionsOnSeparatorsSubmenusAndRangesMarkOnlyCommands) {
    // Languages 0 and 1 (command 0 is a real command), a separator, the
    // translation item 2, then a submenu.
    PoolRef<PopupMenu> languages(menuOf({0, 1, -1, 2}));
    languages->appendSubmenu(menuOf({50}));
    languages->checkRadioAt(0);
    EXPECT_EQ(std::vector<int32_t>{0}, radioMarks(*languages));
    // The separator's position and the submenu's hold no command: no item is
    // marked, least of all one whose id matches what they do not carry.
    languages->checkRadioAt(2);
    EXPECT_TRUE(radioMarks(*languages).empty());
    EXPECT_FALSE(languages->getItemAt(2)->isRadioSelected());
    languages->checkRadioAt(4);
    EXPECT_TRUE(radioMarks(*languages).empty());

    // The range form leaves the items outside the range alone.
    PoolRef<PopupMenu> groups(menuOf({1, 2, -1, 3, 4}));
    groups->checkRadio(1, 0, 1);
    groups->checkRadio(4, 3, 4);
    EXPECT_EQ((std::vector<int32_t>{2, 4}), radioMarks(*groups));
    groups->checkRadio(0, 0, 1);
    EXPECT_EQ((std::vector<int32_t>{1, 4}), radioMarks(*groups));
    // A position outside the range clears the range only.
    groups->checkRadio(4, 0, 1);
    EXPECT_EQ(std::vector<int32_t>{4}, radioMarks(*groups));
}

TEST(PopupMenuTest, TextIdsAreLookedUpAndALanguageChangeRelabelsItemsAndTitles) {
    PoolRef<Localizer> localizer = englishAndGerman();
    PoolRef<PopupMenu> root = PoolRef<PopupMenu>::take();
    root->setLocalizer(localizer.get());
    root->setTitle(u"Iconized Popup Menu");
    root->append(MenuItem::newItem(localizer.get(), kTurnOn, 110, true));
    root->append(MenuItem::newText(u"Fixed", 111, false));
    PopupMenu* keys = menuOf({121, 122});
    keys->setLocalizer(localizer.get());
    keys->setTitleId(kKey);
    keys->checkRadioById(122);
    root->appendSubmenu(keys);
    PopupMenu* languages = menuOf({0});
    languages->setLocalizer(localizer.get());
    languages->setTitleId(kLanguage);
    root->appendSubmenu(languages);

    EXPECT_EQ(std::u16string(u"Turn On"), root->findById(110)->getText());
    EXPECT_EQ(std::u16string(u"Key"), keys->getTitle());
    // The Turn item last set to "Turn Off" keeps that id through a change.
    EXPECT_TRUE(root->setTextId(110, kTurnOff));
    EXPECT_EQ(std::u16string(u"Turn Off"), root->findById(110)->getText());

    localizer->setLanguage(u"German");
    EXPECT_EQ(std::u16string(u"Ausschalten"), root->findById(110)->getText());
    EXPECT_EQ(std::u16string(u"Fixed"), root->findById(111)->getText());
    EXPECT_EQ(std::u16string(u"Taste"), keys->getTitle());
    EXPECT_EQ(std::u16string(u"Sprache"), languages->getTitle());
    EXPECT_EQ(std::u16string(u"Iconized Popup Menu"), root->getTitle());
    // Marks survive the change.
    EXPECT_TRUE(root->isChecked(110));
    EXPECT_EQ(std::vector<int32_t>{122}, radioMarks(*keys));

    localizer->setLanguage(u"English");
    EXPECT_EQ(std::u16string(u"Turn Off"), root->findById(110)->getText());
}

TEST(PopupMenuTest, SetTextKeepsTheTextOfAnIdAndOnlyTheOwnLocalizerRelabels) {
    PoolRef<Localizer> localizer = englishAndGerman();
    PoolRef<Localizer> other = englishAndGerman();
    PoolRef<PopupMenu> menu = PoolRef<PopupMenu>::take();
    menu->setLocalizer(localizer.get());
    menu->append(MenuItem::newItem(localizer.get(), kTurnOn, 110, false));
    menu->append(MenuItem::newText(u"Plain", 111, false));

    EXPECT_TRUE(menu->setText(110, u"Something else"));
    EXPECT_EQ(std::u16string(u"Turn On"), menu->findById(110)->getText());
    EXPECT_TRUE(menu->setText(111, u"Renamed"));
    EXPECT_EQ(std::u16string(u"Renamed"), menu->findById(111)->getText());
    EXPECT_FALSE(menu->setText(4711, u"nobody"));
    EXPECT_FALSE(menu->setTextId(4711, kTurnOff));

    // An event of another localizer is not a language change of this menu.
    other->setLanguage(u"German");
    menu->onEvent(other.get(), 0);
    EXPECT_EQ(std::u16string(u"Turn On"), menu->findById(110)->getText());
}

TEST(PopupMenuTest, RemovedItemsAndSubmenusGoBackToTheirPoolsInTheirResetState) {
    PoolRef<Localizer> localizer = englishAndGerman();
    PoolRef<PopupMenu> menu(menuOf({1, 2, 3}));
    MenuItem* second = menu->findById(2);
    second->setData(42);
    second->setChecked(true);
    second->setText(u"Second");
    EXPECT_TRUE(menu->removeById(2));
    EXPECT_FALSE(menu->contains(2));
    EXPECT_FALSE(menu->removeById(2));
    PoolRef<MenuItem> again = PoolRef<MenuItem>::take();
    EXPECT_EQ(second, again.get());
    EXPECT_EQ(std::u16string(u""), again->getText());
    EXPECT_EQ(MenuItem::kNone, again->getCommandId());
    EXPECT_EQ(MenuItem::kNone, again->getTextId());
    EXPECT_FALSE(again->isChecked());
    EXPECT_EQ(0, again->getData());

    menu->findById(3)->setData(7);
    EXPECT_TRUE(menu->removeByData(7));
    EXPECT_EQ(1, menu->getEntryCount());
    EXPECT_FALSE(menu->removeAt(1));
    EXPECT_FALSE(menu->removeAt(-1));

    // A menu given back gives back its submenus, which forget their titles,
    // localizer and listeners.
    PopupMenu* root = PopupMenu::newInstance();
    PopupMenu* submenu = menuOf({5});
    submenu->setLocalizer(localizer.get());
    submenu->setTitleId(kLanguage);
    CommandRecorder recorder;
    submenu->addListener(&recorder);
    root->appendSubmenu(submenu);
    root->release();
    PoolRef<PopupMenu> takenFirst = PoolRef<PopupMenu>::take();
    PoolRef<PopupMenu> takenSecond = PoolRef<PopupMenu>::take();
    EXPECT_EQ(root, takenFirst.get());
    EXPECT_EQ(submenu, takenSecond.get());
    EXPECT_EQ(0, takenSecond->getEntryCount());
    EXPECT_EQ(std::u16string(u""), takenSecond->getTitle());
    EXPECT_EQ(-1, takenSecond->getTitleId());
    EXPECT_EQ(nullptr, takenSecond->getLocalizer());
    takenSecond->select(5);
    EXPECT_TRUE(recorder.codes.empty());
}

TEST(PopupMenuTest, RefusesWhatItCannotOwnAndAppendsWhatLiesOutsideItsPositions) {
    PoolRef<PopupMenu> menu(menuOf({1}));
    EXPECT_FALSE(menu->append(nullptr));
    EXPECT_FALSE(menu->appendSubmenu(nullptr));
    EXPECT_FALSE(menu->appendSubmenu(menu.get()));
    // The same item or submenu twice would be given back twice.
    MenuItem* item = menu->findById(1);
    EXPECT_FALSE(menu->append(item));
    PopupMenu* submenu = menuOf({2});
    ASSERT_TRUE(menu->appendSubmenu(submenu));
    EXPECT_FALSE(menu->appendSubmenu(submenu));
    // A menu that holds this one cannot become its submenu.
    PopupMenu* inner = menuOf({3});
    ASSERT_TRUE(submenu->appendSubmenu(inner));
    EXPECT_FALSE(inner->appendSubmenu(menu.get()));
    EXPECT_FALSE(inner->appendSubmenu(submenu));
    EXPECT_EQ(2, menu->getEntryCount());

    EXPECT_TRUE(menu->insert(0, MenuItem::newText(u"first", 10, false)));
    EXPECT_TRUE(menu->insert(99, MenuItem::newText(u"last", 11, false)));
    EXPECT_TRUE(menu->insert(-5, MenuItem::newText(u"also last", 12, false)));
    int32_t position = -1;
    EXPECT_TRUE(menu->indexOfId(10, position));
    EXPECT_EQ(0, position);
    EXPECT_TRUE(menu->indexOfId(11, position));
    EXPECT_EQ(3, position);
    EXPECT_TRUE(menu->indexOfId(12, position));
    EXPECT_EQ(4, position);
    // Removing the submenu's position gives the submenu (and its own) back.
    EXPECT_TRUE(menu->removeAt(2));
    EXPECT_FALSE(menu->contains(2));
    EXPECT_FALSE(menu->contains(3));
}
