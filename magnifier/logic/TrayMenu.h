#pragma once
#include <cstdint>

#include "magnifier/logic/MagnifierSettings.h"

namespace s::gui::model {
class PopupMenu;
}
namespace s::lang {
class Localizer;
}

namespace s::image::gui::dialogs::magnifier {

// Command ids of the tray menu.
struct TrayCommand {
    // Ids below this are languages (their index), and the translation page
    // right after the last language.
    static constexpr int32_t kLanguageLimit = 100;
    static constexpr int32_t kTurnOnOff = 110;
    static constexpr int32_t kAutoLock = 115;
    // Plus the key type (1 to 6).
    static constexpr int32_t kKeyBase = 120;
    static constexpr int32_t kStartOnBoot = 140;
    static constexpr int32_t kExit = 990;
    // Plus a tenth of the zoom percent (9012 for 125 %).
    static constexpr int32_t kZoomBase = 9000;
    static constexpr int32_t kVersionInformation = 10000;
    static constexpr int32_t kSoftwarePage = 10100;
    static constexpr int32_t kTellDevelopers = 10200;
    static constexpr int32_t kMoreSoftware = 10900;
    static constexpr int32_t kWorkplace = 10950;
};

// What the program does after the menu has taken a command.
struct MenuAction {
    enum class Kind {
        Nothing,
        Language,           // the language changed: store it
        OpenAddress,        // open the web address of text `value`
        TurnOnOff,          // `on`: the trigger's new state; store it
        AutoLock,           // `on`: auto-lock's new state; store it
        Key,                // `value`: the new key type; store it
        StartOnBoot,        // `on`: create the shortcut, else delete it
        Zoom,               // `value`: the new level in percent; store it
        Exit,               // close the lens window
        VersionInformation, // show the version information window
    };
    Kind kind = Kind::Nothing;
    int32_t value = 0;
    bool on = false;
};

// The tray menu of the magnifier: its tree, built from the stored settings,
// and the menu's part of every command: the marks and texts change here, the
// language switches here, and the caller learns what else to do (store the
// setting, open an address, close the window).
//
//   Turn On / Turn Off        110   check: on
//   ----
//   Auto-Lock                 115   check: auto-lock
//   Key to Use            >         121..126, radio: 120 + key type
//   Zoom Ratio            >         9012..9080, radio: 9000 + level / 10
//   ----
//   Start on System Boot      140   check: the shortcut exists
//   ----
//   Language              >         0..n-1 (own names), ----, Translate n
//   About                 >         10000, ----, 10100, 10200, ----, 10900, ----, 10950
//   ----
//   Exit                      990
//
// The toggles take their state from the menu's check mark, which starts
// equal to the setting and changes with it.
//
// Owned by the dialog, by value; the menus belong to the root, which belongs
// to the lens window once handed over, and outlive this object's use. Used on
// the lens window's thread once built.
class TrayMenu {
public:
    // The literal title of the root menu.
    static constexpr const char16_t* kRootTitle = u"Iconized Popup Menu";

    // Fills an empty root menu; the submenus are new menus of the root's own
    // class (newObject), owned by the root. Every menu and item gets the
    // localizer. `bootShortcut` tells whether the shortcut exists.
    void build(s::gui::model::PopupMenu& root, s::lang::Localizer* localizer,
               const MagnifierSettings& settings, bool bootShortcut);

    // The menu's part of a picked command (see the class comment); answers
    // what the caller still has to do. Unknown ids do nothing.
    MenuAction onCommand(int32_t commandId);

    // The zoom levels the menu offers, in its order.
    static constexpr int32_t kZoomLevelCount = 7;
    static const int32_t kZoomLevels[kZoomLevelCount];
    // The zoom menu's command id of a level (9000 + level / 10).
    static int32_t zoomCommandOf(int32_t level) { return TrayCommand::kZoomBase + level / 10; }

    s::gui::model::PopupMenu* getRoot() const { return root; }
    s::gui::model::PopupMenu* getKeyMenu() const { return keyMenu; }
    s::gui::model::PopupMenu* getZoomMenu() const { return zoomMenu; }
    s::gui::model::PopupMenu* getLanguageMenu() const { return languageMenu; }
    // Number of language commands (the translation page's id).
    int32_t getLanguageCount() const { return languageCount; }

private:
    s::gui::model::PopupMenu* newSubmenu(int32_t titleId);
    void appendItem(s::gui::model::PopupMenu& menu, int32_t textId, int32_t commandId,
                    bool checked);
    void appendSeparator(s::gui::model::PopupMenu& menu);
    void buildLanguageMenu();
    void buildKeyMenu(int32_t keyType);
    void buildZoomMenu(int32_t level);
    void buildAboutMenu();
    // Flips the check mark of a toggle; answers the new state.
    bool toggle(int32_t commandId);
    MenuAction chooseLanguage(int32_t index);
    int32_t levelOfZoomCommand(int32_t commandId) const;
    // The text id of the web address an About command opens.
    static int32_t addressOf(int32_t commandId);

    s::lang::Localizer* localizer = nullptr;
    s::gui::model::PopupMenu* root = nullptr;
    s::gui::model::PopupMenu* keyMenu = nullptr;
    s::gui::model::PopupMenu* zoomMenu = nullptr;
    s::gui::model::PopupMenu* languageMenu = nullptr;
    s::gui::model::PopupMenu* aboutMenu = nullptr;
    int32_t languageCount = 0;
};

} // namespace s::image::gui::dialogs::magnifier
