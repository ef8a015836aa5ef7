#include "ground.h"
#include "picturetiles.h"
#include "tileids.h"

namespace artgen {

void drawFurnitureTiles(TileSet &set)
{
    (void)set;
}

} // namespace artgen
