#pragma once
#include <cstdint>

#include "s/gui/layout/Rect.h"

namespace s::gui::drawer::scrollbar {

// Where the parts of a scroll bar lie: two square arrow buttons at the ends,
// the thumb between them sized by the page, the two track pieces around the
// thumb, and (when asked for) the corner square where a vertical and a
// horizontal bar meet. One rule for both orientations: positions along the
// bar are "along", the bar's width across it is "thickness".
//
//   vertical, corner on:   +--+
//                          |^ |  first arrow (thickness x thickness)
//                          |  |  track before the thumb
//                          |==|  thumb (at least 11 pixels long)
//                          |  |  track after the thumb
//                          |v |  second arrow
//                          +--+
//                          |  |  corner square (not part of the bar)
//                          +--+
//
// Hit testing and dragging answer from the layout at the given position, so
// a drawer, a hit test and a drag always agree on where the thumb is.
//
// A value computed per call; any thread, nothing shared.
class ScrollBarLayout {
public:
    // What hitTest answers.
    enum Piece : int32_t {
        kNowhere = -1,
        kFirstArrow = 0,
        kTrackBefore = 1,
        kThumb = 2,
        kTrackAfter = 3,
        kSecondArrow = 4,
    };
    // The thumb never gets shorter than this, in plain pixels, so that it
    // stays grabbable on long documents.
    static constexpr int32_t kMinimumThumb = 11;

    // Lays the bar (right and bottom exclusive) out for a document of
    // `total` units of which `page` are visible from `position` on. A
    // position outside 0 ... total - page is taken as the nearer end.
    ScrollBarLayout(int32_t left, int32_t top, int32_t right, int32_t bottom, bool horizontal,
                    int32_t total, int32_t page, int32_t position, bool corner);

    // The first piece holding the point, in the order above (first arrow,
    // tracks and thumb, second arrow), right and bottom edges excluded;
    // kNowhere otherwise.
    int32_t hitTest(int32_t x, int32_t y) const;
    // The position after the thumb has been dragged `delta` pixels along the
    // bar: 0 before the first arrow, total - page past the second, else the
    // position the pixels stand for, kept inside the document.
    int32_t dragPosition(int32_t delta) const;

    bool isHorizontal() const { return horizontal; }
    // The bar without the corner square.
    const s::gui::layout::Rect& getBar() const { return bar; }
    const s::gui::layout::Rect& getCorner() const { return corner; }
    const s::gui::layout::Rect& getFirstArrow() const { return parts[kFirstArrow]; }
    const s::gui::layout::Rect& getTrackBefore() const { return parts[kTrackBefore]; }
    const s::gui::layout::Rect& getThumb() const { return parts[kThumb]; }
    const s::gui::layout::Rect& getTrackAfter() const { return parts[kTrackAfter]; }
    const s::gui::layout::Rect& getSecondArrow() const { return parts[kSecondArrow]; }
    bool hasThumb() const { return !isEmpty(parts[kThumb]); }

    // Where a track piece is painted: inset by `unit` on both long sides, so
    // the frame's edges stay visible.
    s::gui::layout::Rect trackFill(const s::gui::layout::Rect& track, int32_t unit) const;
    // True when the thumb is long enough (more than twice its thickness) to
    // carry small arrows in its two end squares.
    bool thumbCarriesArrows() const;
    // The end squares of the thumb, inset by 2 x unit: where those arrows go.
    s::gui::layout::Rect thumbStartSquare(int32_t unit) const;
    s::gui::layout::Rect thumbEndSquare(int32_t unit) const;

    static bool isEmpty(const s::gui::layout::Rect& rect) {
        return rect.width <= 0 || rect.height <= 0;
    }

private:
    static constexpr int32_t kPartCount = 5;

    // A piece of the bar from `start` to `end` along it, across its full
    // thickness.
    s::gui::layout::Rect span(int32_t start, int32_t end) const;
    int32_t alongStart(const s::gui::layout::Rect& rect) const {
        return horizontal ? rect.x : rect.y;
    }
    int32_t alongEnd(const s::gui::layout::Rect& rect) const {
        return horizontal ? rect.right() : rect.bottom();
    }
    s::gui::layout::Rect inset(const s::gui::layout::Rect& rect, int32_t by) const;

    bool horizontal;
    int32_t total;
    int32_t page;
    int32_t position = 0;
    int32_t thickness = 0;
    // Length of the track between the arrows and of the thumb on it.
    int32_t trackLength = 0;
    int32_t thumbLength = 0;
    s::gui::layout::Rect bar;
    s::gui::layout::Rect corner;
    s::gui::layout::Rect parts[kPartCount];
};

} // namespace s::gui::drawer::scrollbar
