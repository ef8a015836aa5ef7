#include "ground.h"
#include "picturetiles.h"
#include "tileids.h"

namespace artgen {

void drawFigureTiles(TileSet &set)
{
    (void)set;
}

} // namespace artgen
