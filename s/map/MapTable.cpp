#include "s/map/MapTable.h"

namespace s::map {

void MapTable::reset() {
    chains.reset();
}

} // namespace s::map
