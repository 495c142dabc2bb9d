#include "s/gui/drawer/Skinner.h"

#include "s/gui/drawer/ISkin.h"
#include "s/gui/drawer/skin/Thin.h"
#include "s/gui/drawer/skin/ThinPalette.h"
#include "s/gui/drawer/skin/ThinWindow.h"
#include "s/gui/drawer/skin/ThinWindowPalette.h"
#include "s/str/Ascii.h"
#include "s/str/strarray/StrArray.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::gui::drawer {

namespace {

// The event windows hear when the current skin changes.
constexpr int32_t kSkinChanged = 0;

} // namespace

Skinner::Skinner() {
    family = s::str::strbuffer::StrBuffer::newInstance();
    schemeNames = s::str::strarray::StrArray::newInstance();
    reset();
}

Skinner::~Skinner() {
    releaseSchemes();
    schemeNames->release();
    family->release();
}

void Skinner::reset() {
    releaseSchemes();
    listeners.reset();
    family->clear();
    family->appendWcs(kBasicFamily);
}

void Skinner::releaseSchemes() {
    current = nullptr;
    for (ISkin* skin : schemes) {
        skin->release();
    }
    schemes.clear();
    if (schemeNames != nullptr) {
        schemeNames->clear();
    }
}

Skinner* Skinner::newThinWindowSkinner() {
    Skinner* skinner = newInstance();
    skinner->setFamily(kThinWindowFamily);
    skinner->buildSchemes();
    return skinner;
}

const char16_t* Skinner::getFamily() const {
    return family->c_str();
}

void Skinner::setFamily(const char16_t* name) {
    family->clear();
    family->appendWcs(name != nullptr ? name : kBasicFamily);
}

void Skinner::buildSchemes() {
    // Built once: windows may already paint with these skins' drawers, so a
    // second call must neither give them back nor list the schemes twice.
    if (!schemes.empty()) {
        return;
    }
    const char16_t* name = family->c_str();
    if (s::str::Ascii::equalsIgnoreCase(name, kThinWindowFamily)) {
        for (int32_t i = 0; i < skin::ThinWindowPalette::kSchemeCount; ++i) {
            addScheme(skin::ThinWindow::newScheme(*skin::ThinWindowPalette::at(i)));
        }
    } else if (s::str::Ascii::equalsIgnoreCase(name, kThinFamily)) {
        for (int32_t i = 0; i < skin::ThinPalette::kSchemeCount; ++i) {
            addScheme(skin::Thin::newScheme(*skin::ThinPalette::at(i)));
        }
    }
}

void Skinner::addScheme(ISkin* skin) {
    if (skin == nullptr) {
        return;
    }
    schemes.push_back(skin);
    schemeNames->appendCopy(skin->getName());
}

bool Skinner::findScheme(const char16_t* name, int32_t& index) const {
    index = -1;
    uint32_t found = 0;
    if (name == nullptr || schemes.empty() || !schemeNames->indexOfIgnoreCase(name, -1, found)) {
        return false;
    }
    index = static_cast<int32_t>(found);
    return true;
}

void Skinner::select(const char16_t* name) {
    if (schemes.empty()) {
        return;
    }
    int32_t index = 0;
    if (!findScheme(name, index)) {
        index = 0;
    }
    ISkin* chosen = schemes[static_cast<size_t>(index)];
    if (current.exchange(chosen) != chosen) {
        listeners.raise(this, kSkinChanged);
    }
}

void Skinner::addListener(s::gui::events::IEventListener* window) {
    listeners.addOnce(window);
}

void Skinner::removeListener(s::gui::events::IEventListener* window) {
    listeners.withdraw(window);
}

} // namespace s::gui::drawer
