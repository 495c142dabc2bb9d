#include "s/gui/frame/SizeRules.h"

namespace s::gui::frame {

int32_t SizeRules::minimum(int32_t explicitMinimum, int32_t fixed, bool hasChildren,
                           int32_t preferred, int32_t frame) {
    if (explicitMinimum >= 0) {
        return explicitMinimum;
    }
    if (fixed >= 0) {
        return fixed;
    }
    return hasChildren ? preferred + frame : 0;
}

int32_t SizeRules::preferred(int32_t fixed, int32_t frame, int32_t childrenNeed) {
    return fixed >= 0 ? fixed - frame : childrenNeed;
}

int32_t SizeRules::maximum(int32_t fixed, int32_t workArea) {
    return fixed >= 0 ? fixed : workArea;
}

} // namespace s::gui::frame
