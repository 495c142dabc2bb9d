#include "s/map/Map.h"

namespace s::map {

void Map::reset() {
    chains.reset();
}

} // namespace s::map
