#include "s/map/MapTable.h"

namespace s::map {

void MapTable::reset() {
    chains_.reset();
}

} // namespace s::map
