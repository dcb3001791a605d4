// Material and code tables of the two code editions (JTG D62-2004 and JTG 3362-2018): the entries of the
// selection lists and the values behind them, used by the record, the calculation and the stirrup dialog.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "base/edition.h"

namespace tavrel {

// Design strengths of a concrete grade, as the texts the window shows.
struct ConcreteGrade {
    std::string_view name;     // "C20" .. "C50"
    std::string_view fcdText;  // MPa, design axial compressive strength
    std::string_view ftdText;  // MPa, design axial tensile strength
    std::int16_t fcuk;         // MPa, cube strength, the grade's number
};

// Main reinforcement grade.
struct BarGrade {
    std::string_view name;
    float fsd;                // MPa, design tensile strength
    float xiB;                // relative balanced compression-zone height
    float C1;                 // crack-width factor for the bar surface (1.4 plain, 1.0 ribbed)
    float Es;                 // MPa, elastic modulus
    std::int16_t fsk;         // MPa, characteristic strength, the grade's number
    float largestDiameterMm;  // largest diameter the code defines the grade for; 0: not checked
};

// Main bar size: outer diameter of the ribbed bar and area of one bar.
struct BarSize {
    float dBar;  // mm, nominal diameter
    float dOut;  // mm, outer diameter
    float aBar;  // cm2
};

struct StirrupGrade {
    std::string_view name;
    std::int16_t fsv;  // MPa, design strength of the stirrups in shear
};

struct StirrupSize {
    float diameter;    // mm
    float twoLegArea;  // cm2, one stirrup with two legs
};

// Environment class of the slab: its allowable crack width and, under JTG 3362-2018, what it means and
// the lowest concrete grade and the least cover it asks of a slab (50 and 30 year design life).
struct EnvironmentClass {
    std::string_view name;            // the list entry, "I类环境" ..
    std::string_view meaning;         // "一般环境" ..; empty under the 2004 rules, which print no meaning
    float Wlim;                       // mm, allowable crack width of reinforced-concrete members
    std::int16_t lowestConcreteFcuk;  // MPa, cube strength of the lowest grade; 0: not checked
    float minimumCoverMm;             // least cover of the main bars; 0: not checked
};

// The materials of one edition: the entries of its selection lists, in list order, with the entry each
// list selects by default.
struct MaterialTables {
    std::span<const ConcreteGrade> concreteGrades;
    std::span<const BarGrade> barGrades;
    std::span<const EnvironmentClass> environments;
    std::span<const StirrupGrade> stirrupGrades;
    std::string_view defaultConcreteGrade;
    std::string_view defaultBarGrade;
    std::string_view defaultEnvironment;
    std::string_view defaultStirrupGrade;
};

const MaterialTables& materialTables(Edition edition);

// The stirrup sizes, the same in both editions.
std::span<const StirrupSize> stirrupSizes();

// Bar grades JTG 3362-2018 renamed: the same kind of bar under its old and its new designation.
struct RenamedBarGrade {
    std::string_view jtg2004;  // "R235", "KL400"
    std::string_view jtg2018;  // "HPB300", "RRB400"
};
std::span<const RenamedBarGrade> renamedBarGrades();

// Look-ups by exact text or value, in table order; no match gives no value (the target keeps its own).
std::optional<ConcreteGrade> findConcreteGrade(Edition edition, std::string_view name);
std::optional<BarGrade> findBarGrade(Edition edition, std::string_view name);
std::optional<EnvironmentClass> findEnvironmentClass(Edition edition, std::string_view name);
std::optional<std::int16_t> findStirrupStrength(Edition edition, std::string_view grade);
std::optional<BarSize> findBarSize(float dBar);
std::optional<float> findStirrupArea(float diameter);
// Nominal area of one bar of 8 to 32 mm (cm²): the main-bar sizes and the thinner plain bars.
std::optional<float> findBarArea(float diameter);

// Allowable crack width of an environment class. Under the 2004 rules (JTG D62-2004 6.4.2) every class
// but I and II gives 0.15 mm, so any text has a value; under JTG 3362-2018 only the classes of its table.
std::optional<float> allowableCrackWidth(Edition edition, std::string_view envClass);

}  // namespace tavrel
