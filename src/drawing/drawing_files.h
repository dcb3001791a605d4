// The drawing's files: the sheet as DXF or SVG, the two tables as CSV, the schedule as JSON; chosen by the
// output's extension. The bytes only: the callers put them in place.
#pragma once

#include <optional>
#include <string>

#include "design/bar_schedule.h"
#include "drawing/sheet.h"

namespace tavrel::drawing {

enum class DrawingFormat { Dxf, Svg, Csv, Json };

// What the messages about a drawing's file call it ("钢筋构造图文件无法保存为…"), and the end of a default
// file name ("K1+200_钢筋构造图.dxf").
inline constexpr const char* kDrawingFileKind = "钢筋构造图";

// The format of an output path by its extension (.dxf, .svg, .csv, .json, in any case); none for others.
std::optional<DrawingFormat> drawingFormatOf(const std::string& path);

// The bar schedule and the material table as comma-separated text, with the texts of the sheet ("m³").
std::string drawingCsv(const BarSchedule& schedule);

// The JSON of the drawing: the sheet, its scale and the schedule; for a refused slab only the edition,
// "drawn": false and the message.
std::string drawingJson(const BarSchedule& schedule);

// The bytes of `format` for a drawn schedule.
std::string drawingBytes(const BarSchedule& schedule, const TitleBlockTexts& title, DrawingFormat format);

}  // namespace tavrel::drawing
