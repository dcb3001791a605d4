// The SVG form of a sheet: UTF-8, one group per layer, paper millimetres with y pointing down.
#pragma once

#include <string>

#include "drawing/drawing.h"

namespace tavrel::drawing {

std::string svgText(const Drawing& drawing);

}  // namespace tavrel::drawing
