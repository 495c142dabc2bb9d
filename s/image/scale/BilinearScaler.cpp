#include "s/image/scale/BilinearScaler.h"

#include <new>

#include "s/image/scale/SliceRunner.h"

namespace s::image::scale {

namespace {

using rows::kWeightOne;

// Below this many target pixels one thread does the whole job.
constexpr int64_t kPixelsPerExtraSlice = 1 << 18;
constexpr int32_t kMostSlices = 16;
// Each horizontal row holds four 16-bit values per pixel.
constexpr size_t kValuesPerPixel = 4;

// Where output pixel `index` of `outputSize` samples an axis of the source:
// the left (or upper) source pixel and the 14-bit fraction towards the next.
// Exact integer arithmetic on the pixel-centre formula
//   position = origin + (index + 0.5) * span / outputSize - 0.5
// limited to the source's first and last pixel. For a source of two or more
// pixels the pair always lies inside it: a position on the last pixel is
// expressed as the pair before it with the full weight on the second.
void sampleAxis(int32_t index, int32_t origin, int32_t span, int32_t outputSize, int32_t sourceSize,
                int32_t* first, int32_t* fraction) {
    const int64_t denominator = 2 * static_cast<int64_t>(outputSize);
    const int64_t numerator = 2 * static_cast<int64_t>(origin) * outputSize +
                              (2 * static_cast<int64_t>(index) + 1) * span - outputSize;
    int64_t pixel = 0;
    int64_t weight = 0;
    if (numerator > 0) {
        pixel = numerator / denominator;
        weight = ((numerator % denominator) * kWeightOne + denominator / 2) / denominator;
        if (weight == kWeightOne) {
            ++pixel;
            weight = 0;
        }
    }
    if (pixel >= sourceSize - 1) {
        pixel = sourceSize - 1;
        weight = 0;
        if (sourceSize >= 2) {
            pixel = sourceSize - 2;
            weight = kWeightOne;
        }
    }
    *first = static_cast<int32_t>(pixel);
    *fraction = static_cast<int32_t>(weight);
}

bool withinLimit(int32_t value) {
    return value >= -BilinearScaler::kMaximumSide && value <= BilinearScaler::kMaximumSide;
}

} // namespace

template <class T> bool BilinearScaler::Buffer<T>::reserve(size_t count) {
    if (count <= capacity) {
        return true;
    }
    items.reset();
    capacity = 0;
    items.reset(new (std::nothrow) T[count]);
    if (!items) {
        return false;
    }
    capacity = count;
    return true;
}

BilinearScaler::BilinearScaler() = default;
BilinearScaler::~BilinearScaler() = default;

void BilinearScaler::releaseBuffers() {
    columnTaps = Buffer<rows::Tap>();
    rowTaps = Buffer<RowTap>();
    rowBuffers = Buffer<int16_t>();
}

size_t BilinearScaler::heldBytes() const {
    return columnTaps.capacity * sizeof(rows::Tap) + rowTaps.capacity * sizeof(RowTap) +
           rowBuffers.capacity * sizeof(int16_t);
}

int32_t BilinearScaler::slicesFor(int32_t width, int32_t height, int32_t processors) {
    if (width <= 0 || height <= 0 || processors <= 1) {
        return 1;
    }
    const int64_t pixels = static_cast<int64_t>(width) * height;
    if (pixels < kPixelsPerExtraSlice) {
        return 1;
    }
    int32_t slices = processors < kMostSlices ? processors : kMostSlices;
    return slices < height ? slices : height;
}

bool BilinearScaler::isUsable(const SourcePixels& source, const SourceArea& area,
                              const TargetPixels& target) const {
    if (!source.isUsable() || !target.isUsable()) {
        return false;
    }
    if (source.width > kMaximumSide || source.height > kMaximumSide ||
        target.width > kMaximumSide || target.height > kMaximumSide) {
        return false;
    }
    return area.width > 0 && area.height > 0 && withinLimit(area.x) && withinLimit(area.y) &&
           area.width <= kMaximumSide && area.height <= kMaximumSide;
}

bool BilinearScaler::prepare(const SourcePixels& source, const SourceArea& area,
                             const TargetPixels& target, int32_t slices) {
    const size_t rowValues = static_cast<size_t>(target.width) * kValuesPerPixel;
    if (!columnTaps.reserve(static_cast<size_t>(target.width)) ||
        !rowTaps.reserve(static_cast<size_t>(target.height)) ||
        !rowBuffers.reserve(rowValues * 2 * static_cast<size_t>(slices))) {
        return false;
    }
    for (int32_t x = 0; x < target.width; ++x) {
        int32_t first = 0;
        int32_t fraction = 0;
        sampleAxis(x, area.x, area.width, target.width, source.width, &first, &fraction);
        columnTaps.items[x] = {first * 4, rows::packWeights(fraction)};
    }
    for (int32_t y = 0; y < target.height; ++y) {
        int32_t first = 0;
        int32_t fraction = 0;
        sampleAxis(y, area.y, area.height, target.height, source.height, &first, &fraction);
        const int32_t second = source.height >= 2 ? first + 1 : first;
        rowTaps.items[y] = {first, second, rows::packWeights(fraction)};
    }
    jobSource = source;
    jobTarget = target;
    jobSlices = slices;
    // A one-pixel-wide source has no right neighbour to read.
    jobStep = source.width >= 2 ? 4 : 0;
    jobVectorised = chosenPath == Path::Automatic && jobStep == 4 && rows::hasSse2();
    return true;
}

bool BilinearScaler::scale(const SourcePixels& source, const SourceArea& area,
                           const TargetPixels& target, SliceRunner* runner, int32_t slices) {
    if (!isUsable(source, area, target)) {
        return false;
    }
    if (slices < 1) {
        slices = 1;
    }
    if (slices > target.height) {
        slices = target.height;
    }
    if (!prepare(source, area, target, slices)) {
        return false;
    }
    if (runner != nullptr && slices > 1) {
        runner->run(slices, slices, &BilinearScaler::runSlice, this);
    } else {
        for (int32_t slice = 0; slice < slices; ++slice) {
            scaleSlice(slice);
        }
    }
    return true;
}

void BilinearScaler::runSlice(void* scaler, int32_t slice) {
    static_cast<BilinearScaler*>(scaler)->scaleSlice(slice);
}

const int16_t* BilinearScaler::horizontalRow(int32_t row, int32_t keep, int16_t* const buffers[2],
                                             int32_t tags[2]) const {
    for (int32_t i = 0; i < 2; ++i) {
        if (tags[i] == row) {
            return buffers[i];
        }
    }
    const int32_t victim = tags[0] == keep ? 1 : 0;
    const uint8_t* sourceRow =
        jobSource.pixels + static_cast<int64_t>(row) * static_cast<int64_t>(jobSource.stride);
    if (jobVectorised) {
        rows::horizontalSse2(sourceRow, columnTaps.items.get(), jobTarget.width, buffers[victim]);
    } else {
        rows::horizontalPlain(sourceRow, columnTaps.items.get(), jobTarget.width, jobStep,
                              buffers[victim]);
    }
    tags[victim] = row;
    return buffers[victim];
}

void BilinearScaler::scaleSlice(int32_t slice) {
    const int64_t height = jobTarget.height;
    const int32_t firstRow = static_cast<int32_t>(height * slice / jobSlices);
    const int32_t endRow = static_cast<int32_t>(height * (slice + 1) / jobSlices);
    const size_t rowValues = static_cast<size_t>(jobTarget.width) * kValuesPerPixel;
    int16_t* const buffers[2] = {rowBuffers.items.get() + rowValues * 2 * slice,
                                 rowBuffers.items.get() + rowValues * (2 * slice + 1)};
    int32_t tags[2] = {-1, -1};
    for (int32_t y = firstRow; y < endRow; ++y) {
        const RowTap& tap = rowTaps.items[y];
        const int16_t* upper = horizontalRow(tap.upper, tap.lower, buffers, tags);
        const int16_t* lower = horizontalRow(tap.lower, tap.upper, buffers, tags);
        uint8_t* out = jobTarget.pixels + static_cast<int64_t>(y) * jobTarget.stride;
        if (jobVectorised) {
            rows::verticalSse2(upper, lower, tap.weights, jobTarget.width, out);
        } else {
            rows::verticalPlain(upper, lower, tap.weights, jobTarget.width, out);
        }
    }
}

} // namespace s::image::scale
