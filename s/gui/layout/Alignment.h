#pragma once
#include <cstdint>

namespace s::gui::layout {

// Where content narrower than its space sits along one axis. The values are
// the stored codes: 0 left or top, 1 centre or middle, 2 right or bottom.
enum class Alignment : int32_t { Start = 0, Centre = 1, End = 2 };

// The offset of content in a space `extra` pixels larger than the content:
// none at the start, half (truncated) in the centre, all of it at the end.
// No space left over (or less than none) gives 0, so content that overflows
// starts at the start edge instead of being pushed out of sight.
constexpr int32_t alignedOffset(Alignment alignment, int32_t extra) {
    if (extra <= 0) {
        return 0;
    }
    switch (alignment) {
    case Alignment::Centre:
        return extra / 2;
    case Alignment::End:
        return extra;
    default:
        return 0;
    }
}

// A stored code read back; anything unknown counts as the start.
constexpr Alignment alignmentFromCode(int32_t code) {
    return code == 1 ? Alignment::Centre : code == 2 ? Alignment::End : Alignment::Start;
}

} // namespace s::gui::layout
