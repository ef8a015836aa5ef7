#include "scenes.h"
#include "tileids.h"
namespace artgen {
TileMap sampleScene() { return TileMap(40, 25, Grass); }
TileMap creditsScene() { return TileMap(34, 18, DeepWater); }
}
