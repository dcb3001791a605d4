// The options that the design and table commands share: thickness range, diameters, objective and prices,
// and the small number lists they are written in.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "design/design_search.h"

namespace tavrel::cli {

// "a:b:c" or "a,b" as numbers (read without the locale), when there are `count` of them.
std::optional<std::vector<double>> numberList(const std::string& text, char separator, std::size_t count);

// Reads the option at args[i] into `request` when it is one of --thickness, --diameters, --objective,
// --prices (advancing i past its value). Returns false when args[i] is none of them; sets `failed` after
// writing a message when its value is malformed.
bool readSearchOption(const std::vector<std::string>& args, std::size_t& i, DesignRequest& request,
                      bool& failed, std::ostream& err);

inline constexpr const char* kSearchOptionsHelp =
    "      --thickness MIN:MAX   end thicknesses d1 tried, whole cm (default 20:150)\n"
    "      --diameters 16,20,25  main-bar diameters tried, mm, from 16 18 20 22 25 28 32 (default all)\n"
    "      --objective thinnest|cheapest   least d1 then least steel (default), or least price\n"
    "      --prices CONCRETE,STEEL   yuan per m³ of concrete and per kg of steel (default 600,5)\n";

}  // namespace tavrel::cli
