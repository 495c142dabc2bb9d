#pragma once
#include <atomic>
#include <cstdint>

#include "s/base/IObject.h"
#include "s/gui/events/IEventListener.h"
#include "s/gui/scale/DisplayScale.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::app {
class IAppWindow;
}
namespace s::lang {
class Localizer;
}
namespace s::gui::win {
class Box;
class Button;
class Label;
class Window;
} // namespace s::gui::win

namespace s::gui::dialogs {

// The version information window: product name and icon, the wide logo as a
// banner, version, date of the last update, licence and web page, a request
// for a donation and a Close button. Every text is an id of the language
// pack; the product's own texts are read relative to the product base id of
// the window settings, so nothing of a product is written here.
//
// While the window is open, the window it was opened from (the owner) is
// disabled; it is enabled again however the window closes (either button,
// the middle click, the system's close), since every way ends in the
// window's close request, which this object listens for.
//
// Threads: show() runs on the caller's thread (the owner's, when opened from
// its menu) and waits while the new window builds on its own thread; the
// events arrive on that window's thread. The window pointer and the owner
// change only in show() and reset(); `ownerHeld` is atomic because the
// owner's thread asks it (isOwnerHeld) while the window's thread may be
// closing.
//
// Ownership: the settings object is borrowed and must outlive this object;
// the current window is owned and given back by the next show() or by
// reset(); the owner is borrowed. One object lives as long as the program.
class About3 : public s::gui::events::IEventListener,
               public s::base::IObject,
               public s::thread::IPoolable {
    S_POOLED_CLASS_LIMIT(About3, u"s_gui_dialogs_About3", 1000)
public:
    // Text ids of the window's own captions.
    static constexpr int32_t kTitleText = 400100;
    static constexpr int32_t kVersionCaption = 400010;
    static constexpr int32_t kUpdatedCaption = 400020;
    static constexpr int32_t kLicenseCaption = 400050;
    static constexpr int32_t kUrlCaption = 400080;
    static constexpr int32_t kCloseText = 400120;
    static constexpr int32_t kWebAddressText = 101000;
    // Offsets of the product's texts from the product base id.
    static constexpr int32_t kVersionOffset = 10;
    static constexpr int32_t kUpdatedOffset = 20;
    static constexpr int32_t kLicenseOffset = 50;
    static constexpr int32_t kDonationQuestionOffset = 89;
    static constexpr int32_t kDonationRequestOffset = 90;
    static constexpr int32_t kDonationPageOffset = 100;

    void reset() override;
    // The window's settings (name, bounds, options) and, through them, the
    // localizer, the skinner and the application with its pictures.
    void setSettings(s::app::IAppWindow* windowSettings);
    // The display scale the layout is sized with; the system's by default.
    void setScale(const s::gui::scale::DisplayScale& displayScale) { scale = displayScale; }
    const s::gui::scale::DisplayScale& getScale() const { return scale; }

    // Builds a new window, shows and activates it and disables the owner
    // (null: none). Returns once the window is shown.
    void show(s::gui::win::Window* ownerWindow);
    void onEvent(s::base::IObject* source, int32_t code) override;

    // The current window (null before the first show); borrowed.
    s::gui::win::Window* getWindow() const { return window; }
    // The close glyph button and the two links of the current window.
    s::gui::win::Button* getGlyphButton() const { return glyphButton; }
    s::gui::win::Label* getWebLink() const { return webLink; }
    s::gui::win::Label* getDonationLink() const { return donationLink; }
    // True from show() until the window's close request enabled the owner
    // again: the owner is disabled on this window's account.
    bool isOwnerHeld() const { return ownerHeld.load(); }

private:
    About3() { reset(); }
    ~About3() override;

    int32_t px(int32_t designSize) const { return scale.pixels(designSize); }
    void releaseWindow();
    void buildContent();
    s::gui::win::Box* titleRow();
    s::gui::win::Box* contentPanel();
    s::gui::win::Box* productRow();
    s::gui::win::Box* informationBlock();
    s::gui::win::Box* informationRow(int32_t captionId, s::gui::win::Label* value);
    s::gui::win::Box* donationFrame();
    s::gui::win::Box* closeRow();
    s::gui::win::Label* textLabel(int32_t textId, int32_t fontSize, bool wordWrap);
    s::gui::win::Label* panelLabel(int32_t textId, int32_t fontSize, bool wordWrap);
    s::gui::win::Label* linkLabel(int32_t textId, int32_t fontSize, bool wordWrap);
    void openText(int32_t textId);

    s::gui::win::Window* owner = nullptr;
    s::gui::scale::DisplayScale scale;
    s::app::IAppWindow* settings = nullptr;
    s::lang::Localizer* localizer = nullptr;
    s::gui::win::Window* window = nullptr;
    s::gui::win::Button* glyphButton = nullptr;
    s::gui::win::Label* webLink = nullptr;
    s::gui::win::Label* donationLink = nullptr;
    int32_t textBase = 0;
    int32_t donationPageText = 0;
    std::atomic<bool> ownerHeld{false};
};

} // namespace s::gui::dialogs
