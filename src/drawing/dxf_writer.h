// The DXF form of a sheet: AutoCAD 2000 (AC1015), every string in GBK (code page 936), 1 unit = 1 paper mm.
#pragma once

#include <string>

#include "drawing/drawing.h"

namespace tavrel::drawing {

// The bytes of the DXF file. A text without a GBK form is a fault of the program and throws.
std::string dxfBytes(const Drawing& drawing);

}  // namespace tavrel::drawing
