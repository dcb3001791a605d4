// How the report quotes the design code of a calculation: its clauses, its factors in their printed forms,
// and the few words in which the report of one edition differs from the other's.
#pragma once

#include <string>
#include <string_view>

#include "calc/calculation_results.h"
#include "calc/design_code.h"

namespace tavrel {

// "  根据《公路桥涵设计通用规范》(JTG D60-2004)中4.3.1": a clause of the loads code introducing a line.
std::string loadsClauseCited(const DesignCode& code, std::string_view clause);
// "  根据《公路钢筋混凝土及预应力混凝土桥涵设计规范》(JTG D62-2004)中5.2.1", of the members code.
std::string membersClauseCited(const DesignCode& code, std::string_view clause);

// A coefficient of b·h0 in mm as the formulas write it in symbols: 0.0005 -> "0.5×10^{-3}".
std::string thousandthsText(double coefficient);

// 1+μ of a wheel load on the pavement: "1.3".
std::string localImpactFactorText(const DesignCode& code);

// True where the calculation follows JTG D60-2015 with JTG 3362-2018: its report states the safety class,
// the serviceability combinations, the upper limit of the section in shear and the effective
// reinforcement ratio of the crack width, which the 2004 rules do not have.
bool reportsCurrentCodeMethod(const CalculationResults& r);

// The words in which the reports of the two editions differ, line by line. The 2004 report keeps its
// words as it has always typed them.
struct ReportWording {
    std::string_view barStrength;             // 1.5: the name of fsd
    std::string_view buriedWheelPressureEnd;  // 2.16 of the buried culvert: after "车轮重压强"
    std::string_view combinationHeading;      // 3.11, 3.16: the item after "3) ", "4) "
    std::string_view basicCombination;        // 3.12, 3.17: what the clause is quoted about
    std::string_view customActions;           // 3.17 of the custom load: how its loads are taken
    std::string_view slabShearMembers;        // 5.18: the members whose shear bound is raised
    std::string_view steelStressCaption;      // 6.3
};

const ReportWording& reportWording(const CalculationResults& r);

}  // namespace tavrel
