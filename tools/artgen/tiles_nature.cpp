#include "ground.h"
#include "picturetiles.h"
#include "tileids.h"

namespace artgen {

void drawNatureTiles(TileSet &set)
{
    (void)set;
}

} // namespace artgen
