#include "ground_kinds.h"

namespace artgen {
namespace {

bool inEdgeSet(int code, Edge e) {
    return code >= edgeCode(e, 1) && code <= edgeCode(e, 14);
}

} // namespace

bool isGrass(int code) {
    return code == groundCode(Ground::Grass) || code == groundCode(Ground::Flowers) ||
           code == groundCode(Ground::TallGrass);
}

bool isPlainSand(int code) {
    return code == groundCode(Ground::Sand);
}

bool isPlainRocky(int code) {
    return code == groundCode(Ground::Rocky);
}

bool isPlainCaveFloor(int code) {
    return code == groundCode(Ground::CaveFloor);
}

bool isCobble(int code) {
    return code == groundCode(Ground::Cobble);
}

bool isSolidGround(int code) {
    return code != groundCode(Ground::Water) && code != groundCode(Ground::Lilies) &&
           code != groundCode(Ground::CaveRock) && !inEdgeSet(code, Edge::SandWater) &&
           !inEdgeSet(code, Edge::RockFloor);
}

} // namespace artgen
