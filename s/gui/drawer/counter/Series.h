#pragma once
#include <cstdint>
#include <vector>

#include "s/thread/CriticalSection.h"

namespace s::gui::drawer::counter {

// One sampled series of a strip chart: a ring of the last `capacity` 64-bit
// samples (the oldest is overwritten when it is full), the scale the samples
// are drawn against (minimum at the chart's bottom, maximum at its top), an
// optional colour of its own and a switch that draws marks instead of bars.
//
// Thread ownership: a producer (a worker measuring something) adds samples
// while a window's thread paints the chart; every member is guarded by the
// series' own lock, and the painter copies what it needs with read() so that
// it never holds the lock while drawing. The owner creates and destroys the
// series; whoever draws it borrows it for the call.
class Series {
public:
    static constexpr int32_t kDefaultCapacity = 512;
    // The colour value that means "none of its own".
    static constexpr uint32_t kNoColour = 0xFFFFFFFF;

    // What a painter needs of a series, copied out under its lock. The
    // samples run from the newest to the oldest.
    struct View {
        std::vector<int64_t> newestFirst;
        int64_t minimum = 0;
        int64_t maximum = 0;
        uint32_t colour = kNoColour;
        bool marks = false;
    };

    // At least one sample is kept; a capacity below 1 keeps one.
    explicit Series(int32_t capacity = kDefaultCapacity);
    Series(const Series&) = delete;
    Series& operator=(const Series&) = delete;

    void add(int64_t sample);
    // Forgets the samples; scale, colour and marks stay.
    void clear();
    // A maximum at or below the minimum draws every sample at the bottom.
    void setScale(int64_t minimum, int64_t maximum);
    void setColor(uint8_t red, uint8_t green, uint8_t blue);
    void clearColor();
    void setMarks(bool on);

    int32_t getCapacity() const { return static_cast<int32_t>(ring.size()); }
    int32_t getCount() const;
    // The newest sample, or 0 without any.
    int64_t getNewest() const;
    // Copies the series into `into`, reusing its storage.
    void read(View& into) const;

private:
    mutable s::thread::CriticalSection lock;
    std::vector<int64_t> ring;
    int32_t count = 0;
    int32_t newest = -1;
    int64_t minimum = 0;
    int64_t maximum = 100;
    uint32_t colour = kNoColour;
    bool marks = false;
};

} // namespace s::gui::drawer::counter
