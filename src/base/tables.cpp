// Material and code tables of JTG D62-2004 used by the calculation and the stirrup dialog.
#include "base/tables.h"

#include <algorithm>
#include <array>

namespace tavrel {

namespace {

// JTG D62-2004 table 3.1.4: design axial compressive and tensile strengths; fcu,k is the grade's number.
constexpr std::array kConcreteGrades{
    ConcreteGrade{"C20", "9.2", "1.06", 20},  ConcreteGrade{"C25", "11.5", "1.23", 25},
    ConcreteGrade{"C30", "13.8", "1.39", 30}, ConcreteGrade{"C35", "16.1", "1.52", 35},
    ConcreteGrade{"C40", "18.4", "1.65", 40},
};

// JTG D62-2004 table 3.2.3-1 (fsd), table 5.2.1 (ξb), 6.4.3 (C1: 1.4 plain bars, 1.0 ribbed bars),
// table 3.2.4 (Es).
constexpr std::array kBarGrades{
    BarGrade{"R235", 195.0f, 0.62f, 1.4f, 210000.0f},
    BarGrade{"HRB335", 280.0f, 0.56f, 1.0f, 200000.0f},
    BarGrade{"HRB400", 330.0f, 0.53f, 1.0f, 200000.0f},
    BarGrade{"KL400", 330.0f, 0.53f, 1.0f, 200000.0f},
};

// Outer diameter of ribbed bars and nominal area of one bar.
constexpr std::array kBarSizes{
    BarSize{16, 17.5f, 2.011f}, BarSize{18, 20, 2.545f}, BarSize{20, 22, 3.142f},    BarSize{22, 24, 3.801f},
    BarSize{25, 27, 4.909f},    BarSize{28, 30, 6.158f}, BarSize{32, 34.5f, 8.042f},
};

// JTG D62-2004 table 3.2.3-1, design strength of stirrups.
constexpr std::array kStirrupGrades{StirrupGrade{"R235", 195}, StirrupGrade{"HRB335", 280}};

// Area of one stirrup with two legs.
constexpr std::array kStirrupSizes{
    StirrupSize{8, 1.006f},  StirrupSize{10, 1.57f}, StirrupSize{12, 2.262f}, StirrupSize{14, 3.078f},
    StirrupSize{16, 4.022f}, StirrupSize{18, 5.09f}, StirrupSize{20, 6.284f},
};

// JTG D62-2004 6.4.2: allowable crack width of reinforced-concrete members, mm.
constexpr float kCrackWidthMildEnvironment = 0.2f;     // classes I and II
constexpr float kCrackWidthSevereEnvironment = 0.15f;  // classes III and IV

template <typename Table, typename Key, typename Projection>
auto findIn(const Table& table, const Key& key, Projection projection)
    -> std::optional<typename Table::value_type> {
    const auto it =
        std::find_if(table.begin(), table.end(), [&](const auto& entry) { return projection(entry) == key; });
    if (it == table.end()) {
        return std::nullopt;
    }
    return *it;
}

}  // namespace

std::span<const ConcreteGrade> concreteGrades() {
    return kConcreteGrades;
}
std::span<const BarGrade> barGrades() {
    return kBarGrades;
}
std::span<const BarSize> barSizes() {
    return kBarSizes;
}
std::span<const StirrupGrade> stirrupGrades() {
    return kStirrupGrades;
}
std::span<const StirrupSize> stirrupSizes() {
    return kStirrupSizes;
}

std::optional<ConcreteGrade> findConcreteGrade(std::string_view name) {
    return findIn(kConcreteGrades, name, [](const ConcreteGrade& grade) { return grade.name; });
}

std::optional<BarGrade> findBarGrade(std::string_view name) {
    return findIn(kBarGrades, name, [](const BarGrade& grade) { return grade.name; });
}

std::optional<BarSize> findBarSize(float dBar) {
    return findIn(kBarSizes, dBar, [](const BarSize& size) { return size.dBar; });
}

std::optional<std::int16_t> findStirrupStrength(std::string_view grade) {
    const auto found = findIn(kStirrupGrades, grade, [](const StirrupGrade& entry) { return entry.name; });
    if (!found) {
        return std::nullopt;
    }
    return found->fsv;
}

std::optional<float> findStirrupArea(float diameter) {
    const auto found = findIn(kStirrupSizes, diameter, [](const StirrupSize& size) { return size.diameter; });
    if (!found) {
        return std::nullopt;
    }
    return found->twoLegArea;
}

float allowableCrackWidth(std::string_view envClass) {
    if (envClass == "I类环境" || envClass == "II类环境") {
        return kCrackWidthMildEnvironment;
    }
    return kCrackWidthSevereEnvironment;
}

}  // namespace tavrel
