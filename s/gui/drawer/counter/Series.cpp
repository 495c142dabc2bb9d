#include "s/gui/drawer/counter/Series.h"

#include <cstddef>

namespace s::gui::drawer::counter {

using Scope = s::thread::CriticalSection::Scope;

Series::Series(int32_t capacity) : ring(static_cast<std::size_t>(capacity > 0 ? capacity : 1), 0) {}

void Series::add(int64_t sample) {
    const Scope scope(lock);
    const int32_t size = static_cast<int32_t>(ring.size());
    newest = (newest + 1) % size;
    ring[static_cast<std::size_t>(newest)] = sample;
    if (count < size) {
        ++count;
    }
}

void Series::clear() {
    const Scope scope(lock);
    count = 0;
    newest = -1;
}

void Series::setScale(int64_t low, int64_t high) {
    const Scope scope(lock);
    minimum = low;
    maximum = high;
}

void Series::setColor(uint8_t red, uint8_t green, uint8_t blue) {
    const Scope scope(lock);
    colour = static_cast<uint32_t>(red) | static_cast<uint32_t>(green) << 8 |
             static_cast<uint32_t>(blue) << 16;
}

void Series::clearColor() {
    const Scope scope(lock);
    colour = kNoColour;
}

void Series::setMarks(bool on) {
    const Scope scope(lock);
    marks = on;
}

int32_t Series::getCount() const {
    const Scope scope(lock);
    return count;
}

int64_t Series::getNewest() const {
    const Scope scope(lock);
    return count > 0 ? ring[static_cast<std::size_t>(newest)] : 0;
}

void Series::read(View& into) const {
    const Scope scope(lock);
    const int32_t size = static_cast<int32_t>(ring.size());
    into.newestFirst.resize(static_cast<std::size_t>(count));
    for (int32_t age = 0; age < count; ++age) {
        const int32_t index = (newest - age + size) % size;
        into.newestFirst[static_cast<std::size_t>(age)] = ring[static_cast<std::size_t>(index)];
    }
    into.minimum = minimum;
    into.maximum = maximum;
    into.colour = colour;
    into.marks = marks;
}

} // namespace s::gui::drawer::counter
