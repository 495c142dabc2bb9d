#pragma once
#include <windows.h>

#include <cstdint>

#include "s/gui/win/IWindowSettings.h"

namespace s::image::gui::dialogs::magnifier {

// The main window's settings as the lens window sees them: its title, icons,
// language, skin and options come from them and changes go back to them,
// but its place does not. The lens has no place of its own to remember: it
// covers the whole virtual screen while shown and is nothing while hidden.
// Stored bounds would only move it, and the main window's default of being
// maximized would shrink it onto one monitor; its shows and hides would
// store the screen's size or a zero size as the main window's bounds. So
// this view answers "no position, not maximized, size 0 × 0" and drops
// every bounds and maximized write; everything else is passed through.
//
// Threads: as the settings it wraps (the binding code, then the lens
// window's thread). Borrows the wrapped settings, which must outlive the
// binding; `wrap(nullptr)` forgets them.
class LensWindowSettings final : public s::gui::win::IWindowSettings {
public:
    void wrap(s::gui::win::IWindowSettings* wrapped) { main = wrapped; }
    s::gui::win::IWindowSettings* getWrapped() const { return main; }

    bool hasPosition() override { return false; }
    int32_t getX() override { return 0; }
    int32_t getY() override { return 0; }
    int32_t getWidth() override { return 0; }
    int32_t getHeight() override { return 0; }
    void setX(int32_t) override {}
    void setY(int32_t) override {}
    void setWidth(int32_t) override {}
    void setHeight(int32_t) override {}
    bool getMaximized() override { return false; }
    void setMaximized(bool) override {}

    bool getEasyDrag() override;
    void setEasyDrag(bool on) override;
    bool getKeepOnTop() override;
    void setKeepOnTop(bool on) override;
    const char16_t* getMiddleClick() override;
    void setMiddleClick(const char16_t* action) override;
    int32_t getTextBase() override;
    s::lang::Localizer* getLocalizer() override;
    s::gui::drawer::Skinner* getSkinner() override;
    HICON createIcon(int32_t pixelSize) override;
    void languageChanged(const char16_t* languageName) override;
    void skinChanged(const char16_t* skinName) override;
    void saveSettings() override;

private:
    s::gui::win::IWindowSettings* main = nullptr;
};

} // namespace s::image::gui::dialogs::magnifier
