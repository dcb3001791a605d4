// Material and code tables of the two code editions (JTG D62-2004 and JTG 3362-2018).
#include "base/tables.h"

#include <algorithm>
#include <array>
#include <type_traits>

namespace tavrel {

namespace {

// clang-format off

// --- JTG D62-2004 -------------------------------------------------------------------------------------

// Table 3.1.4: design axial compressive and tensile strengths; fcu,k is the grade's number.
constexpr std::array kConcrete2004{
    ConcreteGrade{"C20", "9.2",  "1.06", 20},
    ConcreteGrade{"C25", "11.5", "1.23", 25},
    ConcreteGrade{"C30", "13.8", "1.39", 30},
    ConcreteGrade{"C35", "16.1", "1.52", 35},
    ConcreteGrade{"C40", "18.4", "1.65", 40},
};

// Table 3.2.3-1 (fsd), table 5.2.1 (ξb), 6.4.3 (C1: 1.4 plain bars, 1.0 ribbed bars), table 3.2.4 (Es).
// The 2004 rules check no bar diameter.
constexpr std::array kBars2004{
    BarGrade{"R235",   195.0f, 0.62f, 1.4f, 210000.0f, 235, 0},
    BarGrade{"HRB335", 280.0f, 0.56f, 1.0f, 200000.0f, 335, 0},
    BarGrade{"HRB400", 330.0f, 0.53f, 1.0f, 200000.0f, 400, 0},
    BarGrade{"KL400",  330.0f, 0.53f, 1.0f, 200000.0f, 400, 0},
};

// 6.4.2: 0.2 mm in classes I and II, 0.15 mm in classes III and IV. The 2004 rules check neither the
// concrete grade nor the cover of a class.
constexpr float kCrackWidth2004Severe = 0.15f;
constexpr std::array kEnvironments2004{
    EnvironmentClass{"I类环境",   "", 0.2f,                  0, 0},
    EnvironmentClass{"II类环境",  "", 0.2f,                  0, 0},
    EnvironmentClass{"III类环境", "", kCrackWidth2004Severe, 0, 0},
    EnvironmentClass{"IV类环境",  "", kCrackWidth2004Severe, 0, 0},
};

// Table 3.2.3-1, design strength of stirrups.
constexpr std::array kStirrups2004{StirrupGrade{"R235", 195}, StirrupGrade{"HRB335", 280}};

// --- JTG 3362-2018 ------------------------------------------------------------------------------------

// Table 3.1.4: C25..C40 as in the 2004 code, C45 and C50 added; C20 is no grade for a slab any more.
constexpr std::array kConcrete2018{
    ConcreteGrade{"C25", "11.5", "1.23", 25},
    ConcreteGrade{"C30", "13.8", "1.39", 30},
    ConcreteGrade{"C35", "16.1", "1.52", 35},
    ConcreteGrade{"C40", "18.4", "1.65", 40},
    ConcreteGrade{"C45", "20.5", "1.74", 45},
    ConcreteGrade{"C50", "22.4", "1.83", 50},
};

// Table 3.2.2-1 (fsk; HPB300 is defined for d = 6..22 mm, the ribbed grades beyond the 32 mm of the
// diameter list), table 3.2.3-1 (fsd), table 5.2.1 (ξb up to C50), 6.4.3 (C1), table 3.2.4 (Es).
constexpr std::array kBars2018{
    BarGrade{"HPB300",  250.0f, 0.58f, 1.4f, 210000.0f, 300, 22},
    BarGrade{"HRB400",  330.0f, 0.53f, 1.0f, 200000.0f, 400, 0},
    BarGrade{"HRBF400", 330.0f, 0.53f, 1.0f, 200000.0f, 400, 0},
    BarGrade{"RRB400",  330.0f, 0.53f, 1.0f, 200000.0f, 400, 0},
    BarGrade{"HRB500",  415.0f, 0.49f, 1.0f, 200000.0f, 500, 0},
};

// 4.1.2 (classes), table 6.4.2 (allowable crack width), table 4.5.3 (lowest grade of 梁、板、塔、拱圈、涵洞上部)
// and table 9.1.1 (least cover of the same members), both for a design life of 50 or 30 years, the life
// of every culvert.
constexpr std::array kEnvironments2018{
    EnvironmentClass{"I类环境",   "一般环境",               0.2f,  30, 20},
    EnvironmentClass{"II类环境",  "冻融环境",               0.2f,  35, 25},
    EnvironmentClass{"III类环境", "近海或海洋氯化物环境",   0.15f, 35, 30},
    EnvironmentClass{"IV类环境",  "除冰盐等其他氯化物环境", 0.15f, 35, 25},
    EnvironmentClass{"V类环境",   "盐结晶环境",             0.1f,  35, 25},
    EnvironmentClass{"VI类环境",  "化学腐蚀环境",           0.15f, 35, 30},
    EnvironmentClass{"VII类环境", "磨蚀环境",               0.2f,  35, 30},
};

// Table 3.2.3-1 with its note 1: a design strength above 330 MPa is taken as 330 in shear.
constexpr std::array kStirrups2018{StirrupGrade{"HPB300", 250}, StirrupGrade{"HRB400", 330}};

// The plain hot-rolled bar and the quenched and self-tempered bar under their old and new designation.
constexpr std::array kRenamedBarGrades{
    RenamedBarGrade{"R235",  "HPB300"},
    RenamedBarGrade{"KL400", "RRB400"},
};

// --- Shared -------------------------------------------------------------------------------------------

// Outer diameter of ribbed bars and nominal area of one bar.
constexpr std::array kBarSizes{
    BarSize{16, 17.5f, 2.011f}, BarSize{18, 20, 2.545f}, BarSize{20, 22, 3.142f}, BarSize{22, 24, 3.801f},
    BarSize{25, 27, 4.909f},    BarSize{28, 30, 6.158f}, BarSize{32, 34.5f, 8.042f},
};

// Nominal area of the plain bars thinner than the main bars (distribution bars, lifting rings): π/4·d²
// to 3 decimals, cm². They are half the two-leg areas of the stirrups of the same diameter.
struct BarArea {
    float diameter;  // mm
    float aBar;      // cm2
};
constexpr std::array kThinBarAreas{BarArea{8, 0.503f}, BarArea{10, 0.785f}, BarArea{12, 1.131f},
                                   BarArea{14, 1.539f}};

// Area of one stirrup with two legs.
constexpr std::array kStirrupSizes{
    StirrupSize{8, 1.006f},  StirrupSize{10, 1.57f}, StirrupSize{12, 2.262f}, StirrupSize{14, 3.078f},
    StirrupSize{16, 4.022f}, StirrupSize{18, 5.09f}, StirrupSize{20, 6.284f},
};

// clang-format on

const MaterialTables kMaterials2004{
    .concreteGrades = kConcrete2004,
    .barGrades = kBars2004,
    .environments = kEnvironments2004,
    .stirrupGrades = kStirrups2004,
    .defaultConcreteGrade = "C30",
    .defaultBarGrade = "HRB335",
    .defaultEnvironment = "I类环境",
    .defaultStirrupGrade = "R235",
};

const MaterialTables kMaterials2018{
    .concreteGrades = kConcrete2018,
    .barGrades = kBars2018,
    .environments = kEnvironments2018,
    .stirrupGrades = kStirrups2018,
    .defaultConcreteGrade = "C30",
    .defaultBarGrade = "HRB400",
    .defaultEnvironment = "I类环境",
    .defaultStirrupGrade = "HPB300",
};

template <typename Table, typename Key, typename Projection>
auto findIn(const Table& table, const Key& key, Projection projection)
    -> std::optional<std::remove_cv_t<typename Table::value_type>> {
    const auto it =
        std::find_if(table.begin(), table.end(), [&](const auto& entry) { return projection(entry) == key; });
    if (it == table.end()) {
        return std::nullopt;
    }
    return *it;
}

}  // namespace

const MaterialTables& materialTables(Edition edition) {
    return edition == Edition::Jtg2018 ? kMaterials2018 : kMaterials2004;
}

std::span<const StirrupSize> stirrupSizes() {
    return kStirrupSizes;
}

std::span<const RenamedBarGrade> renamedBarGrades() {
    return kRenamedBarGrades;
}

std::optional<ConcreteGrade> findConcreteGrade(Edition edition, std::string_view name) {
    return findIn(materialTables(edition).concreteGrades, name,
                  [](const ConcreteGrade& grade) { return grade.name; });
}

std::optional<BarGrade> findBarGrade(Edition edition, std::string_view name) {
    return findIn(materialTables(edition).barGrades, name, [](const BarGrade& grade) { return grade.name; });
}

std::optional<EnvironmentClass> findEnvironmentClass(Edition edition, std::string_view name) {
    return findIn(materialTables(edition).environments, name,
                  [](const EnvironmentClass& environment) { return environment.name; });
}

std::optional<std::int16_t> findStirrupStrength(Edition edition, std::string_view grade) {
    const auto found = findIn(materialTables(edition).stirrupGrades, grade,
                              [](const StirrupGrade& entry) { return entry.name; });
    if (!found) {
        return std::nullopt;
    }
    return found->fsv;
}

std::optional<BarSize> findBarSize(float dBar) {
    return findIn(kBarSizes, dBar, [](const BarSize& size) { return size.dBar; });
}

std::optional<float> findBarArea(float diameter) {
    if (const auto size = findBarSize(diameter)) {
        return size->aBar;
    }
    const auto found = findIn(kThinBarAreas, diameter, [](const BarArea& area) { return area.diameter; });
    if (!found) {
        return std::nullopt;
    }
    return found->aBar;
}

std::optional<float> findStirrupArea(float diameter) {
    const auto found = findIn(kStirrupSizes, diameter, [](const StirrupSize& size) { return size.diameter; });
    if (!found) {
        return std::nullopt;
    }
    return found->twoLegArea;
}

std::optional<float> allowableCrackWidth(Edition edition, std::string_view envClass) {
    if (const auto environment = findEnvironmentClass(edition, envClass)) {
        return environment->Wlim;
    }
    if (edition == Edition::Jtg2004) {
        return kCrackWidth2004Severe;
    }
    return std::nullopt;
}

}  // namespace tavrel
