#pragma once
// The views wrap the world as the model does.

#include "model/world_wrap.h"

namespace canvas {

using model::wrapIntoWorld;

} // namespace canvas
