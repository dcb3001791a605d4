// The results record: input snapshot, table values, loads, forces, section and stirrup values of the last
// calculation. One instance lives as long as the program; the calculate command, the stirrup dialog and
// the report share it. It is never saved and never reset.
#pragma once

#include <cstdint>
#include <string>

#include "base/edition.h"

namespace tavrel {

// Fields marked "2018 only" are written by a calculation under the 2018 edition and by no other; readers
// choose them by `edition`, as they choose the fields of a slab type by its flags.
struct CalculationResults {
    // The code edition of the calculation, copied from the input by every calculation.
    Edition edition = Edition::Jtg2004;

    // Selection texts as displayed in the lists.
    std::string loadLevel;      // vehicle load class, "公路-I级" or "公路-II级"
    std::string concreteGrade;  // "C20" .. "C50"; also rewritten whenever a grade is picked
    std::string barGrade;       // main reinforcement grade
    std::string envClass;       // environment class
    std::string stirrupGrade;   // written by the stirrup dialog
    std::string safetyName;     // 2018 only: "一级", "二级", "三级"
    std::string envName;        // 2018 only: meaning of the environment class, "一般环境" ..

    // Slab type flags; exactly one is true after a calculation.
    bool isBuried = false;
    bool isOpen = false;
    bool isCustom = false;

    // Input snapshot.
    float H = 0;             // m, fill height over the slab
    float L0 = 0;            // m, clear span
    float L = 0;             // m, calculation span
    float Lseat = 0;         // m, bearing length on one side wall
    float d1 = 0;            // cm, slab thickness at the supports
    float d2 = 0;            // cm, slab thickness at midspan
    float b = 0;             // m, slab width
    float c = 0;             // cm, concrete cover of the main bars
    float dBar = 0;          // mm, nominal main bar diameter
    std::int16_t nBars = 0;  // number of main bars
    float fcd = 0;           // MPa, design axial compressive strength of concrete
    float ftd = 0;           // MPa, design axial tensile strength of concrete
    float gammaSlab = 0;     // kN/m3
    float gammaSoil = 0;     // kN/m3
    float H1 = 0;            // cm, pavement thickness
    float H2 = 0;            // cm, surface-course thickness
    float gammaPave = 0;     // kN/m3
    float gammaSurf = 0;     // kN/m3
    float qK = 0;            // kN/m, user-defined uniform load
    float qKc = 0;           // m, length along the span over which qK acts
    float PK = 0;            // kN, user-defined concentrated force

    // 2018 only: the safety class of the input and its structural importance factor.
    std::int16_t safetyClass = 0;  // 1, 2, 3
    float gamma0 = 0;              // γ0: 1.1, 1.0, 0.9

    // Table values.
    float dOut = 0;  // mm, outer diameter of the main bar
    float aBar = 0;  // cm2, area of one main bar
    float fsd = 0;   // MPa, design tensile strength of the main reinforcement
    float xiB = 0;   // relative balanced compression-zone height
    float C1 = 0;    // crack-width factor for the bar surface
    float Es = 0;    // MPa, elastic modulus of the main reinforcement
    float C2 = 0;    // crack-width factor for long-term action: 1.5 (2004), 1 + 0.5·Ml/Ms (2018)
    float C3 = 0;    // crack-width factor for the member form (1.15, set when the main window loads)
    float Wlim = 0;  // mm, allowable crack width
    std::int16_t fcukGrade = 0;  // 2018 only: MPa, cube strength of the selected concrete grade

    // Loads and internal forces; the meaning of the numbered pairs depends on the slab type.
    float q = 0;         // kN/m, fill or pavement load (buried, open)
    float g = 0;         // kN/m, slab self-weight
    float M1 = 0;        // kNm
    float V1 = 0;        // kN
    float La = 0;        // m, vehicle load spread along the span (buried, open)
    float Lb = 0;        // m, vehicle load spread across the span (buried, open)
    float P = 0;         // kN, vehicle load on the spread area (buried, open)
    float p = 0;         // kN/m2, vehicle load pressure (buried, open)
    float M2 = 0;        // kNm
    float V2 = 0;        // kN
    float M3 = 0;        // kNm (custom)
    float V3 = 0;        // kN (custom)
    float gamma0Md = 0;  // kNm, design midspan moment
    float gamma0Vd = 0;  // kN, design shear at the inner face of the side wall
    // 2018 only: the impact factor 1+μ of the basic combination (buried, open; the vehicle pressure p and
    // M2, V2 are static), and the midspan moments of the frequent and quasi-permanent combinations.
    float impact = 0;
    float Ms = 0;  // kNm
    float Ml = 0;  // kNm

    // Section design and check values.
    float h0 = 0;       // m, effective depth
    float x0 = 0;       // m, trial compression-zone height (0 when the section has no real solution)
    float As0 = 0;      // m2, steel area required by x0 (0 when x0 has no real solution)
    float As = 0;       // m2, area of the chosen bars
    float x = 0;        // m, compression-zone height of the chosen bars
    float Mu = 0;       // kNm, flexural capacity
    float Vc = 0;       // kN, shear bound of the simplified rule for slabs
    float rhoPct = 0;   // %, 100 As / (b h0)
    float rho = 0;      // reinforcement ratio for the crack width, bounded to 0.006 .. 0.02 (2004)
    float sigmaSs = 0;  // MPa, steel stress for the crack width
    float Wfk = 0;      // mm, maximum crack width
    // 2018 only: the upper limit of the section in shear, and the terms of the crack width.
    float Vmax = 0;    // kN, 0.51e-3·√fcu,k·b·h0
    float aS = 0;      // m, from the centroid of the main bars to the tension face
    float rhoTe0 = 0;  // effective reinforcement ratio As/(2·aS·b), unbounded
    float rhoTe = 0;   // the same bounded to 0.01 .. 0.1
    float cw = 0;      // mm, cover in the crack formula, at most 50

    // Stirrup data, written by the stirrup dialog.
    std::int16_t sv = 0;    // cm, stirrup spacing
    float dSv = 0;          // mm, stirrup diameter
    float Asv = 0;          // m2, area of one two-legged stirrup
    float rhoSv = 0;        // stirrup ratio
    std::int16_t fcuk = 0;  // MPa, cube strength of the concrete grade
    std::int16_t fsv = 0;   // MPa, design strength of the stirrup grade
    float Vcs = 0;          // kN, shear capacity of concrete and stirrups

    bool operator==(const CalculationResults&) const = default;
};

}  // namespace tavrel
