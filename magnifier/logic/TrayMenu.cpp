#include "magnifier/logic/TrayMenu.h"

#include "magnifier/TextIds.h"
#include "s/gui/menuitem/MenuItem.h"
#include "s/gui/model/PopupMenu.h"
#include "s/lang/LangPack.h"
#include "s/lang/Localizer.h"

namespace s::image::gui::dialogs::magnifier {

using s::gui::menuitem::MenuItem;
using s::gui::model::PopupMenu;

const int32_t TrayMenu::kZoomLevels[kZoomLevelCount] = {125, 150, 200, 250, 300, 400, 800};

// --- building -------------------------------------------------------------------

PopupMenu* TrayMenu::newSubmenu(int32_t titleId) {
    auto* menu = static_cast<PopupMenu*>(root->newObject());
    if (menu != nullptr) {
        menu->setLocalizer(localizer);
        menu->setTitleId(titleId);
    }
    return menu;
}

void TrayMenu::appendItem(PopupMenu& menu, int32_t textId, int32_t commandId, bool checked) {
    menu.append(MenuItem::newItem(localizer, textId, commandId, checked));
}

void TrayMenu::appendSeparator(PopupMenu& menu) {
    menu.append(MenuItem::newSeparator());
}

void TrayMenu::buildLanguageMenu() {
    languageMenu = newSubmenu(textIdOf(TextId::LanguageMenu));
    if (languageMenu == nullptr) {
        return;
    }
    // Each language by its own name, whatever the current language; ids
    // from 100 on belong to other commands, so a longer list is cut there.
    const uint32_t packs = localizer != nullptr ? localizer->packCount() : 0;
    languageCount = static_cast<int32_t>(
        packs < TrayCommand::kLanguageLimit - 1 ? packs : TrayCommand::kLanguageLimit - 1);
    for (int32_t index = 0; index < languageCount; ++index) {
        const s::lang::LangPack* pack = localizer->packAt(static_cast<uint32_t>(index));
        languageMenu->append(MenuItem::newText(pack->getTrueName(), index, false));
    }
    appendSeparator(*languageMenu);
    appendItem(*languageMenu, textIdOf(TextId::Translate), languageCount, false);
    languageMenu->checkRadioAt(
        localizer != nullptr && languageCount > 0 ? localizer->getCurrentIndex() : -1);
}

void TrayMenu::buildKeyMenu(int32_t keyType) {
    keyMenu = newSubmenu(textIdOf(TextId::KeyMenu));
    if (keyMenu == nullptr) {
        return;
    }
    for (int32_t type = kFirstKeyType; type <= kLastKeyType; ++type) {
        appendItem(*keyMenu, kKeyNameTextBase + type, TrayCommand::kKeyBase + type, false);
    }
    keyMenu->checkRadioById(TrayCommand::kKeyBase + keyType);
}

void TrayMenu::buildZoomMenu(int32_t level) {
    zoomMenu = newSubmenu(textIdOf(TextId::ZoomMenu));
    if (zoomMenu == nullptr) {
        return;
    }
    for (int32_t zoomLevel : kZoomLevels) {
        appendItem(*zoomMenu, textIdOf(TextId::ZoomMenu) + zoomLevel, zoomCommandOf(zoomLevel),
                   false);
    }
    // Only a level the menu offers is marked: 129 would otherwise share the
    // tenth of 125 and mark an item the lens does not use.
    if (levelOfZoomCommand(zoomCommandOf(level)) == level) {
        zoomMenu->checkRadioById(zoomCommandOf(level));
    }
}

void TrayMenu::buildAboutMenu() {
    aboutMenu = newSubmenu(textIdOf(TextId::AboutMenu));
    if (aboutMenu == nullptr) {
        return;
    }
    appendItem(*aboutMenu, textIdOf(TextId::VersionInformation), TrayCommand::kVersionInformation,
               false);
    appendSeparator(*aboutMenu);
    appendItem(*aboutMenu, textIdOf(TextId::SoftwarePage), TrayCommand::kSoftwarePage, false);
    appendItem(*aboutMenu, textIdOf(TextId::TellDevelopers), TrayCommand::kTellDevelopers, false);
    appendSeparator(*aboutMenu);
    appendItem(*aboutMenu, textIdOf(TextId::MoreSoftware), TrayCommand::kMoreSoftware, false);
    appendSeparator(*aboutMenu);
    appendItem(*aboutMenu, textIdOf(TextId::Workplace), TrayCommand::kWorkplace, false);
}

void TrayMenu::build(PopupMenu& rootMenu, s::lang::Localizer* source,
                     const MagnifierSettings& settings, bool bootShortcut) {
    localizer = source;
    root = &rootMenu;
    buildLanguageMenu();
    buildKeyMenu(settings.keyType);
    buildZoomMenu(settings.magnificationLevel);

    root->setLocalizer(localizer);
    root->setTitle(kRootTitle);
    // The Turn item starts as "Turn On" in either state; its check mark
    // tells the state.
    appendItem(*root, textIdOf(TextId::TurnOn), TrayCommand::kTurnOnOff, settings.isOn);
    appendSeparator(*root);
    appendItem(*root, textIdOf(TextId::AutoLock), TrayCommand::kAutoLock, settings.autoLock);
    root->appendSubmenu(keyMenu);
    root->appendSubmenu(zoomMenu);
    appendSeparator(*root);
    appendItem(*root, textIdOf(TextId::StartOnBoot), TrayCommand::kStartOnBoot, bootShortcut);
    appendSeparator(*root);
    root->appendSubmenu(languageMenu);
    buildAboutMenu();
    root->appendSubmenu(aboutMenu);
    appendSeparator(*root);
    appendItem(*root, textIdOf(TextId::Exit), TrayCommand::kExit, false);
}

// --- commands ----------------------------------------------------------------------

bool TrayMenu::toggle(int32_t commandId) {
    const bool on = !root->isChecked(commandId);
    root->setChecked(commandId, on);
    return on;
}

MenuAction TrayMenu::chooseLanguage(int32_t index) {
    MenuAction action;
    if (index == languageCount) {
        // The translation page changes neither the language nor the marks.
        action.kind = MenuAction::Kind::OpenAddress;
        action.value = textIdOf(TextId::TranslateAddress);
        return action;
    }
    if (index < 0 || index > languageCount || localizer == nullptr) {
        return action;
    }
    // Every menu, window and tip relabels itself while the language changes.
    localizer->selectIndex(index);
    if (languageMenu != nullptr) {
        languageMenu->checkRadioAt(index);
    }
    action.kind = MenuAction::Kind::Language;
    action.value = index;
    return action;
}

int32_t TrayMenu::addressOf(int32_t commandId) {
    switch (commandId) {
    case TrayCommand::kSoftwarePage:
        return textIdOf(TextId::ProductPage);
    case TrayCommand::kTellDevelopers:
        return textIdOf(TextId::FeedbackPage);
    case TrayCommand::kMoreSoftware:
        return textIdOf(TextId::MoreSoftwareAddress);
    case TrayCommand::kWorkplace:
        return textIdOf(TextId::WorkplaceAddress);
    default:
        return -1;
    }
}

int32_t TrayMenu::levelOfZoomCommand(int32_t commandId) const {
    for (int32_t level : kZoomLevels) {
        if (zoomCommandOf(level) == commandId) {
            return level;
        }
    }
    return 0;
}

MenuAction TrayMenu::onCommand(int32_t commandId) {
    MenuAction action;
    if (root == nullptr) {
        return action;
    }
    if (commandId >= 0 && commandId < TrayCommand::kLanguageLimit) {
        return chooseLanguage(commandId);
    }
    switch (commandId) {
    case TrayCommand::kTurnOnOff:
        action.kind = MenuAction::Kind::TurnOnOff;
        action.on = toggle(commandId);
        root->setTextId(commandId, textIdOf(action.on ? TextId::TurnOff : TextId::TurnOn));
        return action;
    case TrayCommand::kAutoLock:
        action.kind = MenuAction::Kind::AutoLock;
        action.on = toggle(commandId);
        return action;
    case TrayCommand::kStartOnBoot:
        // The mark flips whatever the file operation then gives.
        action.kind = MenuAction::Kind::StartOnBoot;
        action.on = toggle(commandId);
        return action;
    case TrayCommand::kExit:
        action.kind = MenuAction::Kind::Exit;
        return action;
    case TrayCommand::kVersionInformation:
        action.kind = MenuAction::Kind::VersionInformation;
        return action;
    case TrayCommand::kSoftwarePage:
    case TrayCommand::kTellDevelopers:
    case TrayCommand::kMoreSoftware:
    case TrayCommand::kWorkplace:
        action.kind = MenuAction::Kind::OpenAddress;
        action.value = addressOf(commandId);
        return action;
    default:
        break;
    }
    if (commandId > TrayCommand::kKeyBase && commandId <= TrayCommand::kKeyBase + kLastKeyType) {
        action.kind = MenuAction::Kind::Key;
        action.value = commandId - TrayCommand::kKeyBase;
        if (keyMenu != nullptr) {
            keyMenu->checkRadioById(commandId);
        }
        return action;
    }
    if (const int32_t level = levelOfZoomCommand(commandId)) {
        action.kind = MenuAction::Kind::Zoom;
        action.value = level;
        if (zoomMenu != nullptr) {
            zoomMenu->checkRadioById(commandId);
        }
    }
    return action;
}

} // namespace s::image::gui::dialogs::magnifier
