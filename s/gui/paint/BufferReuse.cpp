#include "s/gui/paint/BufferReuse.h"

namespace s::gui::paint {

namespace {

layout::Size atLeastOne(layout::Size size) {
    return {size.width < 1 ? 1 : size.width, size.height < 1 ? 1 : size.height};
}

// Areas in 64 bits: two sides near the 32-bit limit must not overflow.
int64_t area(layout::Size size) {
    return static_cast<int64_t>(size.width) * static_cast<int64_t>(size.height);
}

} // namespace

BufferReuse::Action BufferReuse::decide(layout::Size current, layout::Size needed) {
    const layout::Size wanted = atLeastOne(needed);
    if (current.width < 1 || current.height < 1) {
        return Action::Create;
    }
    // area × 0.7 > needed, in integers so that the boundary is exact.
    if (area(current) * kKeepTenths > area(wanted) * 10) {
        return Action::Replace;
    }
    if (current.width >= wanted.width && current.height >= wanted.height) {
        return Action::Reuse;
    }
    return Action::Grow;
}

layout::Size BufferReuse::resultSize(layout::Size current, layout::Size needed) {
    return decide(current, needed) == Action::Reuse ? current : atLeastOne(needed);
}

} // namespace s::gui::paint
