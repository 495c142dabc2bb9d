// The window's texts and icons: the title (by text or by text ids through
// the localizer, applied again on every language change), the big icon, and
// what the window does when one of its sources tells it something (language,
// skin, menu bar, closers).
#include "s/gui/win/Window.h"

#include <algorithm>

#include "s/gui/drawer/Skinner.h"
#include "s/gui/win/PopupMenu.h"
#include "s/lang/LangPack.h"
#include "s/lang/Localizer.h"
#include "s/platform/win/WideText.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/PoolRef.h"

namespace s::gui::win {

namespace {

// Between the title and the version in a title built from text ids.
constexpr const char16_t* kVersionSeparator = u" v";
// Longest title read back from the native window, in UTF-16 units.
constexpr int kTitleCapacity = 1024;

} // namespace

const char16_t* Window::getTitle() {
    onWindowThread([this] {
        const HWND window = getNativeHandle();
        if (window == nullptr) {
            return;
        }
        wchar_t text[kTitleCapacity];
        const int length = GetWindowTextW(window, text, kTitleCapacity);
        title->clear();
        title->append(reinterpret_cast<const char16_t*>(text),
                      static_cast<uint32_t>(std::max(length, 0)));
    });
    return title->c_str();
}

void Window::setTitleIds(int32_t textId, int32_t versionId) {
    titleTextId = textId;
    versionTextId = versionId;
    onWindowThread([this] { applyTitleIds(); });
}

void Window::applyTitleIds() {
    s::lang::Localizer* current = localizer.load();
    const int32_t textId = titleTextId.load();
    if (current == nullptr || textId == -1) {
        return;
    }
    auto text = s::thread::PoolRef<s::str::strbuffer::StrBuffer>::take();
    text->appendWcs(current->getText(textId));
    const int32_t versionId = versionTextId.load();
    if (versionId != -1) {
        text->appendWcs(kVersionSeparator);
        text->appendWcs(current->getText(versionId));
    }
    setTitle(text->c_str());
}

void Window::setLocalizer(s::lang::Localizer* newLocalizer) {
    s::lang::Localizer* previous = localizer.exchange(newLocalizer);
    if (previous != nullptr && previous != newLocalizer) {
        previous->removeListener(this);
    }
    if (newLocalizer == nullptr) {
        return;
    }
    newLocalizer->addListener(this);
    onWindowThread([this] {
        applyTitleIds();
        localizeChildren();
    });
}

void Window::onLanguageChanged() {
    s::lang::Localizer* current = localizer.load();
    if (current == nullptr || getNativeHandle() == nullptr) {
        return;
    }
    IWindowSettings* bound = settings;
    s::lang::LangPack* pack = current->getCurrent();
    if (bound != nullptr && pack != nullptr) {
        bound->languageChanged(pack->getEngName());
    }
    applyTitleIds();
    localizeChildren();
    raise(static_cast<int32_t>(WindowEvent::LanguageChanged));
}

// --- icons -------------------------------------------------------------------------

void Window::setBigIcon(s::platform::win::OwnedIcon icon) {
    onWindowThread([this, &icon] {
        const LPARAM shown = reinterpret_cast<LPARAM>(icon.get());
        SendMessageW(getNativeHandle(), WM_SETICON, ICON_BIG, shown);
        SendMessageW(owner.getNativeHandle(), WM_SETICON, ICON_BIG, shown);
        // No window shows the previous icon any more.
        bigIcon = std::move(icon);
    });
}

HICON Window::getSmallIcon() const {
    return smallIcon.get();
}

HICON Window::getBigIcon() const {
    return bigIcon.get();
}

// --- what the window's sources tell it -------------------------------------------------

void Window::addCloser(s::base::IObject* closer) {
    if (closer != nullptr) {
        onWindowThread([this, closer] { closers.push_back(closer); });
    }
}

void Window::onEvent(s::base::IObject* source, int32_t code) {
    if (source == nullptr) {
        return;
    }
    if (source == static_cast<s::base::IObject*>(localizer.load())) {
        // Told on the thread that changed the language; the texts and
        // code 20 belong to the window's thread.
        onWindowThread([this] { onLanguageChanged(); });
        return;
    }
    if (source == static_cast<s::base::IObject*>(skinner.load())) {
        onSkinChanged();
        return;
    }
    onWindowThread([this, source] {
        if (menuBar != nullptr && source == static_cast<s::base::IObject*>(menuBar)) {
            setMenuBar(menuBar);
            return;
        }
        if (std::find(closers.begin(), closers.end(), source) != closers.end()) {
            close();
        }
    });
}

} // namespace s::gui::win
