#include "s/lang/TextById.h"

#include "s/lang/Localizer.h"

namespace s::lang {

void TextById::reset() {
    id = kNoId;
    localizer = nullptr;
}

const char16_t* TextById::resolve() const {
    if (id == kNoId) {
        return nullptr;
    }
    return localizer != nullptr ? localizer->getText(id) : u"";
}

} // namespace s::lang
