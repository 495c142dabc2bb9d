#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "s/image/scale/BilinearRows.h"
#include "s/image/scale/PixelArea.h"

namespace s::image::scale {

class SliceRunner;

// Enlarges (or shrinks) an area of a 32-bit image onto a whole target with
// bilinear interpolation in fixed point, within one level per channel of the
// exact result. Sample positions are pixel centres:
//
//   source x = area.x + (target x + 0.5) * area.width / target width - 0.5
//
// limited to the source's first and last pixel, so pixels just outside the
// area but inside the source blend in (no hard edge while panning) and
// nothing outside the source is ever read.
//
// The target's rows can be split into slices that run on several threads;
// each slice computes its rows from the same tables and the same formula, so
// the bytes do not depend on the number of slices (no seams).
//
// The tables and the per-slice row buffers are kept between calls (a lens
// redraws at the same size many times) until releaseBuffers().
//
// Threads: one owner thread calls scale(), setPath() and releaseBuffers();
// the slices of one scale() call run on the runner's helpers while the owner
// waits in it.
class BilinearScaler {
public:
    // Which row loops to use: SSE2 when the processor has it, or the plain
    // loops always (they give the same bytes).
    enum class Path { Automatic, Plain };
    // Sizes and positions beyond this are refused (no screen comes near).
    static constexpr int32_t kMaximumSide = 1 << 20;

    BilinearScaler();
    ~BilinearScaler();
    BilinearScaler(const BilinearScaler&) = delete;
    BilinearScaler& operator=(const BilinearScaler&) = delete;

    // Scales `area` of `source` onto all of `target` in `slices` row bands
    // (1 or more) run on `runner` (null: all on the caller). Answers false,
    // leaving the target untouched, when an input is unusable or the memory
    // for the tables is not to be had.
    bool scale(const SourcePixels& source, const SourceArea& area, const TargetPixels& target,
               SliceRunner* runner, int32_t slices);
    void setPath(Path path) { chosenPath = path; }
    // Gives the tables and row buffers back to the system.
    void releaseBuffers();
    // Bytes held between calls.
    size_t heldBytes() const;

    // The number of slices worth using for a target of this size on this
    // many processors: one for small targets, where starting helpers costs
    // more than it saves.
    static int32_t slicesFor(int32_t width, int32_t height, int32_t processors);

private:
    // The two source rows an output row blends and their weight pair.
    struct RowTap {
        int32_t upper;
        int32_t lower;
        uint32_t weights;
    };
    template <class T> struct Buffer {
        std::unique_ptr<T[]> items;
        size_t capacity = 0;
        bool reserve(size_t count);
    };

    bool isUsable(const SourcePixels& source, const SourceArea& area,
                  const TargetPixels& target) const;
    bool prepare(const SourcePixels& source, const SourceArea& area, const TargetPixels& target,
                 int32_t slices);
    static void runSlice(void* scaler, int32_t slice);
    void scaleSlice(int32_t slice);
    // The horizontal pass of a source row, from the slice's two buffers when
    // one holds it already; otherwise computed into the one not holding `keep`.
    const int16_t* horizontalRow(int32_t row, int32_t keep, int16_t* const buffers[2],
                                 int32_t tags[2]) const;

    Path chosenPath = Path::Automatic;
    Buffer<rows::Tap> columnTaps;
    Buffer<RowTap> rowTaps;
    Buffer<int16_t> rowBuffers;
    // The job of the present scale() call, read by its slices.
    SourcePixels jobSource;
    TargetPixels jobTarget;
    int32_t jobSlices = 1;
    int32_t jobStep = 4;
    bool jobVectorised = false;
};

} // namespace s::image::scale
