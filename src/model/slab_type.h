// The three slab types and the figure of each, which the main window and the report both show.
#pragma once

#include <string>
#include <string_view>

namespace tavrel {

// The three slab types, held on the window by the exclusive option buttons Option1..Option3.
enum class SlabType { Buried, Open, Custom };

// The folder of the program's data that holds the figures of the three slab types.
inline constexpr std::string_view kFigureFolderName = "计算书图例";

// The figure file of a slab type inside the figure folder, e.g. "暗涵盖板.JPG".
std::string_view figureFileName(SlabType type);

// The figure folder of a program whose executable lies in `programFolder` (UTF-8 paths): beside it, else
// in ../share/tavrel/ of an installed program.
std::string figureFolderOf(const std::string& programFolder);

}  // namespace tavrel
