#pragma once
// The painters of the object sprites. Each returns the object drawn on a
// transparent surface of its own size; the top-left corner of the picture
// lies on the top-left corner of the cell the object is placed in, so the
// object's base (the cells it blocks) is at the bottom of the picture.

#include "sprite.h"

namespace artgen {

// Plants.
SpriteArt paintOak();              // 96 x 96, trunk in the bottom middle cell
SpriteArt paintSpruce();           // 32 x 64
SpriteArt paintBirch();            // 32 x 64
SpriteArt paintBush(bool berries); // 32 x 32
SpriteArt paintStump();            // 32 x 32
SpriteArt paintFlowers();          // 32 x 32

// Stone.
SpriteArt paintRock();       // 32 x 32
SpriteArt paintBoulder();    // 64 x 64
SpriteArt paintStalagmite(); // 32 x 64
SpriteArt paintCrystals();   // 32 x 32
SpriteArt paintCaveMouth();  // 96 x 96, the opening in the bottom middle cell

// Buildings.
enum class HouseStyle { Plastered, Logs };
SpriteArt paintHouse(HouseStyle style); // 96 x 96, the door in the bottom middle cell
SpriteArt paintBarn();                  // 64 x 64
SpriteArt paintWell();                  // 64 x 64

// Fences: a post in the middle of the cell and rails towards the given sides.
enum FenceSide { kNorth = 1, kEast = 2, kSouth = 4, kWest = 8 };
SpriteArt paintFence(int sides); // 32 x 32
SpriteArt paintGate();           // 32 x 32, open, joining fences east and west

// Household things.
SpriteArt paintChest();    // 32 x 32
SpriteArt paintBarrel();   // 32 x 32
SpriteArt paintSignpost(); // 32 x 64
SpriteArt paintHaystack(); // 64 x 64
SpriteArt paintBench();    // 64 x 32
SpriteArt paintBoat();     // 64 x 32
SpriteArt paintLadder();   // 32 x 64

} // namespace artgen
