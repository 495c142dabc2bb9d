#include "s/map/Map.h"

namespace s::map {

void Map::reset() {
    chains_.reset();
}

} // namespace s::map
