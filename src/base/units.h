// Conversions between the units the program keeps its quantities in (m, cm, mm, m², cm²) and the length
// of an inch on paper: one definition of each.
#pragma once

namespace tavrel::units {

inline constexpr double kMmPerM = 1000;
inline constexpr double kCmPerM = 100;
inline constexpr double kMmPerCm = 10;
inline constexpr double kCm2PerM2 = 10000;
inline constexpr double kCmPerInch = 2.54;

}  // namespace tavrel::units
