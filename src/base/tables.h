// Material and code tables of JTG D62-2004 used by the calculation and the stirrup dialog.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace tavrel {

// Design strengths of a concrete grade (JTG D62-2004 table 3.1.4), as the texts the window shows.
struct ConcreteGrade {
    std::string_view name;     // "C20" .. "C40"
    std::string_view fcdText;  // MPa, design axial compressive strength
    std::string_view ftdText;  // MPa, design axial tensile strength
    std::int16_t fcuk;         // MPa, cube strength
};

// Main reinforcement grade (JTG D62-2004 3.2.3, 5.2.1, 6.4.3, 3.2.4).
struct BarGrade {
    std::string_view name;
    float fsd;  // MPa, design tensile strength
    float xiB;  // relative balanced compression-zone height
    float C1;   // crack-width factor for the bar surface (1.4 plain, 1.0 ribbed)
    float Es;   // MPa, elastic modulus
};

// Main bar size: outer diameter of the ribbed bar and area of one bar.
struct BarSize {
    float dBar;  // mm, nominal diameter
    float dOut;  // mm, outer diameter
    float aBar;  // cm2
};

struct StirrupGrade {
    std::string_view name;
    std::int16_t fsv;  // MPa
};

struct StirrupSize {
    float diameter;    // mm
    float twoLegArea;  // cm2, one stirrup with two legs
};

std::span<const ConcreteGrade> concreteGrades();
std::span<const BarGrade> barGrades();
std::span<const BarSize> barSizes();
std::span<const StirrupGrade> stirrupGrades();
std::span<const StirrupSize> stirrupSizes();

// Look-ups by exact text or value, in table order; no match gives no value (the target keeps its own).
std::optional<ConcreteGrade> findConcreteGrade(std::string_view name);
std::optional<BarGrade> findBarGrade(std::string_view name);
std::optional<BarSize> findBarSize(float dBar);
std::optional<std::int16_t> findStirrupStrength(std::string_view grade);
std::optional<float> findStirrupArea(float diameter);

// Allowable crack width of an environment class (JTG D62-2004 6.4.2): 0.2 mm for classes I and II,
// 0.15 mm for every other class.
float allowableCrackWidth(std::string_view envClass);

}  // namespace tavrel
