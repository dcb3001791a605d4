// The A3 reinforcement drawing of one cover slab: what the sheet shows, and the builder that lays it out.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "drawing/drawing.h"
#include "drawing/sheet_parts.h"

namespace tavrel::drawing {

// The texts of the title block; empty fields stay empty cells.
struct TitleBlockTexts {
    std::string designUnit;     // 设计单位
    std::string projectName;    // 项目名称
    std::string structureName;  // 构造物
    std::string designer;       // 设计
    std::string reviewer;       // 审核
    std::string checker;        // 复核
    std::string date;           // "YYYY.MM"
    // 图号: the number within the project's set of drawings, which the engineer writes in; the report's
    // number is another document's.
    std::string drawingNumber;
};

// The slab and its bars as drawn. Lengths in u (hundredths of a millimetre), bar sizes in mm.
struct SlabFigure {
    std::int64_t clearSpanU = 0;     // L0
    std::int64_t seatU = 0;          // Lseat
    std::int64_t widthU = 0;         // b
    std::int64_t endThicknessU = 0;  // d1
    std::int64_t midThicknessU = 0;  // d2
    std::int64_t coverU = 0;         // c, to the main bars' outer surface

    std::int64_t lengthU() const { return clearSpanU + 2 * seatU; }  // Ls
    std::int64_t thicknessAtU(double xU) const;                      // t(x), straight to mid-span
};

struct MainBarsFigure {
    int count = 0;
    int diameterMm = 0;
    double outerDiameterMm = 0;  // dOut, over the ribs
    std::int64_t spacingU = 0;   // s1
    std::int64_t edgeU = 0;      // e1, centre of an edge bar from the long edge
    bool hooked = false;         // plain bars end in 180° hooks
};

struct DistributionFigure {
    int diameterMm = 0;
    int count = 0;
    std::int64_t spacingU = 0;
    std::int64_t firstU = 0;  // first bar from the slab end
};

struct RingFigure {
    int diameterMm = 0;
    std::int64_t fromEndU = 0;   // a
    std::int64_t fromEdgeU = 0;  // e
    double innerDiameterMm = 0;  // Di of the loop
    double embedmentMm = 0;      // 35d below the top face
};

// A bar as the details show it: "N1 Φ25 L=404".
struct BarDetail {
    std::string mark;
    std::string size;  // symbol and diameter
    int lengthCm = 0;
    std::string straight;  // straight part, cm (N1, N2)
    std::string hook;      // each hook, cm; empty without hooks
};

struct SheetContent {
    int scale = 0;
    SlabFigure slab;
    MainBarsFigure main;
    DistributionFigure distribution;
    std::optional<RingFigure> rings;
    std::vector<BarDetail> details;
    std::vector<Row> scheduleRows;  // header, bar lines and totals, as printed
    std::vector<Row> materialRows;  // header and lines
    std::vector<std::string> notes;
    TitleBlockTexts title;
};

inline constexpr const char* kDrawingName = "盖板钢筋构造图";

Drawing buildSheet(const SheetContent& content);

}  // namespace tavrel::drawing
