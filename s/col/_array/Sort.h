#pragma once
#include <cstdint>

namespace s::col::_array {

class ArrayP;

// A caller's order of two pointer elements (the elements themselves, not
// their addresses): negative, 0 or positive. `context` is passed through.
using PointerCompare = int (*)(const void* a, const void* b, void* context);

// Stable merge sort of the array's pointers into ascending order of
// `compare`. Runs of up to 6 elements are insertion-sorted; two sorted halves
// that are already in order are copied without merging, so an ordered array
// costs count - 1 comparisons. False (array untouched) when the scratch copy
// cannot be allocated or compare is null.
bool sortPointers(ArrayP& array, PointerCompare compare, void* context);
// The same into descending order (equal elements still keep their order).
bool sortPointersDescending(ArrayP& array, PointerCompare compare, void* context);

} // namespace s::col::_array
