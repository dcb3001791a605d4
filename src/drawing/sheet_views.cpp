// The four views of the sheet. Each view maps real millimetres to paper at the sheet's scale and is
// centred in its box, so the elevation and the plan line up along the span.
#include "drawing/sheet_views.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tavrel::drawing {

namespace {

constexpr double kHookRadiusD = 1.75;  // centreline radius of a 180° hook bent round 2.5d
constexpr double kHookTailD = 3;       // straight tail of a 180° hook
constexpr double kRingLineMm = 0.7;    // a lifting loop seen from above, drawn as a heavy stroke
constexpr double kLeaderRiseMm = 7;    // a bar label stands this far from its bar
constexpr double kSectionMarkMm = 5;   // cutting-plane stroke of a section mark
constexpr double kSectionArrowMm = 3;
constexpr double kSectionMarkWidthMm = 0.5;
constexpr double kBesideSectionMark = 0.3;  // the plan's chain text stands clear of the mid-span mark

double mm(std::int64_t u) {
    return static_cast<double>(u) / static_cast<double>(kUPerMm);
}

std::string scaleText(int scale) {
    return "1:" + std::to_string(scale);
}

void viewTitle(Drawing& sheet, const Box& box, const std::string& name, int scale) {
    addText(sheet, Layer::Text, {box.centreX(), box.top() + kViewTitleGapMm}, name + "  " + scaleText(scale),
            kTitleTextMm, HAlign::Centre);
}

Vertex mapped(const View& view, double x, double y, double bulge = 0) {
    return {view.at(x, y), bulge};
}

Polyline mappedPolyline(const View& view, const std::vector<Vertex>& real, double widthMm = 0) {
    Polyline line{{}, false, widthMm};
    for (const Vertex& v : real) {
        line.vertices.push_back(mapped(view, v.at.x, v.at.y, v.bulge));
    }
    return line;
}

// A bar along x at height z from `fromX` to `toX` (outer surfaces), bent up into a 180° hook at each end
// when `hooked` (bend centreline radius 1.75d, tail 3d). Real millimetres.
std::vector<Vertex> barAlong(double fromX, double toX, double z, double d, bool hooked) {
    if (!hooked) {
        return {{{fromX, z}}, {{toX, z}}};
    }
    const double r = kHookRadiusD * d;
    const double left = fromX + d / 2 + r;  // the bends' centres
    const double right = toX - d / 2 - r;
    const double tail = kHookTailD * d;
    return {{{left + tail, z + 2 * r}}, {{left, z + 2 * r}, 1},     {{left, z}}, {{right, z}, 1},
            {{right, z + 2 * r}},       {{right - tail, z + 2 * r}}};
}

// Centres of equally spaced items: `count` of them from `first` at `spacing`.
std::vector<double> positions(double first, double spacing, int count) {
    std::vector<double> at;
    for (int i = 0; i < count; ++i) {
        at.push_back(first + i * spacing);
    }
    return at;
}

// One space of a chain; `k` equal spaces of `each` read "k×each".
Span span(const View& view, double fromMm, double toMm, const std::string& text) {
    return {view.paper(fromMm), view.paper(toMm), text};
}

std::string equalSpaces(int k, std::int64_t eachU) {
    return k == 1 ? centimetres(eachU) : std::to_string(k) + "×" + centimetres(eachU);
}

// A chain "edge | k×spacing | edge" over `totalU`, in real mm along the chain's own axis.
std::vector<Span> equalChain(const View& view, std::int64_t totalU, std::int64_t firstU,
                             std::int64_t spacingU, int count, double originPaper) {
    const std::int64_t lastU = firstU + (count - 1) * spacingU;
    std::vector<Span> spans = {span(view, 0, mm(firstU), centimetres(firstU))};
    if (count > 1) {
        spans.push_back(span(view, mm(firstU), mm(lastU), equalSpaces(count - 1, spacingU)));
    }
    spans.push_back(span(view, mm(lastU), mm(totalU), centimetres(totalU - lastU)));
    for (Span& s : spans) {
        s.from += originPaper;
        s.to += originPaper;
    }
    return spans;
}

std::vector<Span> shifted(std::vector<Span> spans, double by) {
    for (Span& s : spans) {
        s.from += by;
        s.to += by;
    }
    return spans;
}

void leader(Drawing& sheet, Point from, Point to, const std::string& label) {
    addLine(sheet, Layer::Dimensions, from, to);
    sheet.add(Layer::Dimensions, Circle{from, 0.3, true});
    addText(sheet, Layer::Text, {to.x + 0.5, to.y}, label, kLabelTextMm, HAlign::Left, VAlign::Middle);
}

// Where the parts of a lifting ring lie in the elevation, real mm: the loop over the top face, the legs
// down 35d from the top face and, when the N2 layer is reached first, along it away from the loop.
struct RingShape {
    double topZ;  // top face at the ring
    double loopCentreZ;
    double radius;  // centreline radius of the loop
    double legBottomZ;
    double tail;  // horizontal run on the N2 layer
    double d;
};

RingShape ringShape(const SheetContent& c, double x) {
    const RingFigure& ring = *c.rings;
    const double d = ring.diameterMm;
    RingShape s{};
    s.d = d;
    s.topZ = mm(c.slab.thicknessAtU(x * static_cast<double>(kUPerMm)));
    s.radius = (ring.innerDiameterMm + d) / 2;
    s.loopCentreZ = s.topZ + kRingLoopHeightMm - s.radius;
    const double n2Top = mm(c.slab.coverU) + c.main.outerDiameterMm + c.distribution.diameterMm;
    s.legBottomZ = std::max(s.topZ - ring.embedmentMm, n2Top + d / 2);
    s.tail = ring.embedmentMm - (s.topZ - s.legBottomZ);
    return s;
}

// A ring in the elevation at x: hook, tail, leg, loop, leg, tail, hook.
std::vector<Vertex> ringInElevation(const RingShape& s, double x) {
    const double r = kHookRadiusD * s.d;
    const double hookTail = kHookTailD * s.d;
    const double left = x - s.radius - s.tail;
    const double right = x + s.radius + s.tail;
    return {{{left + hookTail, s.legBottomZ + 2 * r}},
            {{left, s.legBottomZ + 2 * r}, 1},
            {{left, s.legBottomZ}},
            {{x - s.radius, s.legBottomZ}},
            {{x - s.radius, s.loopCentreZ}, -1},
            {{x + s.radius, s.loopCentreZ}},
            {{x + s.radius, s.legBottomZ}},
            {{right, s.legBottomZ}, 1},
            {{right, s.legBottomZ + 2 * r}},
            {{right - hookTail, s.legBottomZ + 2 * r}}};
}

double thickestMm(const SlabFigure& slab) {
    return mm(std::max(slab.endThicknessU, slab.midThicknessU));
}

}  // namespace

std::int64_t SlabFigure::thicknessAtU(double xU) const {
    const double half = static_cast<double>(lengthU()) / 2;
    const double fromEnd = std::min(xU, static_cast<double>(lengthU()) - xU);
    return endThicknessU + std::llround(static_cast<double>(midThicknessU - endThicknessU) * fromEnd / half);
}

namespace {

// Heights of the bar layers above the bottom face, real mm: the main bars' centres and the distribution
// bars' centres, which lie on them.
struct BarLevels {
    double cover;
    double main;
    double distribution;
};

BarLevels barLevels(const SheetContent& c) {
    const double cover = mm(c.slab.coverU);
    return {cover, cover + c.main.outerDiameterMm / 2,
            cover + c.main.outerDiameterMm + c.distribution.diameterMm / 2.0};
}

// A view of `widthMm` by `heightMm` real millimetres centred in its box.
View centredView(const Box& box, double widthMm, double heightMm, int scale) {
    return {{box.centreX() - widthMm / scale / 2, box.centreY() - heightMm / scale / 2}, scale};
}

void closedOutline(Drawing& sheet, const View& view, const std::vector<Vertex>& corners) {
    Polyline outline = mappedPolyline(view, corners);
    outline.closed = true;
    sheet.add(Layer::Outline, outline);
}

std::vector<double> distributionPositions(const SheetContent& c) {
    return positions(mm(c.distribution.firstU), mm(c.distribution.spacingU), c.distribution.count);
}

std::vector<double> mainBarPositions(const SheetContent& c) {
    return positions(mm(c.main.edgeU), mm(c.main.spacingU), c.main.count);
}

// N1 along the span with its hooks, N2 cut across as dots on it, and their labels.
void elevationBars(Drawing& sheet, const SheetContent& c, const View& view) {
    const double ls = mm(c.slab.lengthU());
    const BarLevels z = barLevels(c);
    sheet.add(Layer::Bars, mappedPolyline(view, barAlong(z.cover, ls - z.cover, z.main, c.main.diameterMm,
                                                         c.main.hooked)));
    const std::vector<double> n2At = distributionPositions(c);
    for (const double x : n2At) {
        sheet.add(Layer::Bars, Circle{view.at(x, z.distribution), kDotDiameterMm / 2, true});
    }
    const Point n1At = view.at(ls * 0.3, z.main);
    leader(sheet, n1At, {n1At.x + 4, n1At.y + kLeaderRiseMm}, "N1");
    if (!n2At.empty()) {
        const Point n2Dot = view.at(n2At[n2At.size() * 2 / 3], z.distribution);
        leader(sheet, n2Dot, {n2Dot.x + 4, n2Dot.y + kLeaderRiseMm + 3}, "N2");
    }
}

// The two rings of the elevation, their label and the chain "a | Ls − 2a | a" above them.
void elevationRings(Drawing& sheet, const SheetContent& c, const View& view) {
    const double ls = mm(c.slab.lengthU());
    const double a = mm(c.rings->fromEndU);
    double top = view.at(0, thickestMm(c.slab)).y;
    Point apex;
    for (const double x : {a, ls - a}) {
        const RingShape shape = ringShape(c, x);
        sheet.add(Layer::Bars, mappedPolyline(view, ringInElevation(shape, x)));
        apex = view.at(x, shape.loopCentreZ + shape.radius);
        top = std::max(top, apex.y);
    }
    leader(sheet, apex, {apex.x + 4, apex.y + 3}, "N3");
    const std::int64_t aU = c.rings->fromEndU;
    horizontalChain(sheet,
                    shifted({span(view, 0, a, centimetres(aU)),
                             span(view, a, ls - a, centimetres(c.slab.lengthU() - 2 * aU)),
                             span(view, ls - a, ls, centimetres(aU))},
                            view.origin.x),
                    top + kDimRowMm, view.at(0, mm(c.slab.endThicknessU)).y);
}

// Below: "Lseat | L0 | Lseat" and Ls; d1 at the left end and d2 at mid-span.
void elevationDimensions(Drawing& sheet, const SlabFigure& slab, const View& view) {
    const double ls = mm(slab.lengthU());
    const double seat = mm(slab.seatU);
    const double bottom = view.origin.y;
    horizontalChain(sheet,
                    shifted({span(view, 0, seat, centimetres(slab.seatU)),
                             span(view, seat, ls - seat, centimetres(slab.clearSpanU)),
                             span(view, ls - seat, ls, centimetres(slab.seatU))},
                            view.origin.x),
                    bottom - kDimRowMm, bottom);
    horizontalChain(sheet, {{view.origin.x, view.at(ls, 0).x, centimetres(slab.lengthU())}},
                    bottom - 2 * kDimRowMm, bottom);
    verticalChain(sheet, {{bottom, view.at(0, mm(slab.endThicknessU)).y, centimetres(slab.endThicknessU)}},
                  view.origin.x - kDimRowMm, view.origin.x);
    const double mid = view.at(ls / 2, 0).x;
    verticalChain(sheet, {{bottom, view.at(0, mm(slab.midThicknessU)).y, centimetres(slab.midThicknessU)}},
                  mid, mid - kExtensionGapMm - kExtensionBeyondMm);
}

// N1 along the span, N2 across it, and the rings as heavy strokes where they stand.
void planBars(Drawing& sheet, const SheetContent& c, const View& view) {
    const double ls = mm(c.slab.lengthU());
    const double b = mm(c.slab.widthU);
    const double cover = mm(c.slab.coverU);
    for (const double y : mainBarPositions(c)) {
        addLine(sheet, Layer::Bars, view.at(cover, y), view.at(ls - cover, y));
    }
    for (const double x : distributionPositions(c)) {
        addLine(sheet, Layer::Bars, view.at(x, cover), view.at(x, b - cover));
    }
    if (!c.rings) {
        return;
    }
    const double a = mm(c.rings->fromEndU);
    const double e = mm(c.rings->fromEdgeU);
    for (const double x : {a, ls - a}) {
        const RingShape shape = ringShape(c, x);
        const double half = shape.radius + shape.tail;
        for (const double y : {e, b - e}) {
            sheet.add(Layer::Bars,
                      Polyline{{{view.at(x - half, y)}, {view.at(x + half, y)}}, false, kRingLineMm});
        }
    }
}

// The cutting plane of section Ⅰ-Ⅰ at mid-span: a heavy stroke outside each long edge, an arrow towards
// the left end and the section's name.
void sectionMark(Drawing& sheet, double x, double edgeY, double outward) {
    const Point inner{x, edgeY + outward * kExtensionGapMm};
    const Point outer{x, edgeY + outward * (kExtensionGapMm + kSectionMarkMm)};
    const Point tip{x - kSectionArrowMm, outer.y};
    sheet.add(Layer::Dimensions, Polyline{{{inner}, {outer}}, false, kSectionMarkWidthMm});
    sheet.add(
        Layer::Dimensions,
        Polyline{
            {{{tip.x + 1.2, tip.y + 0.5}}, {tip}, {outer}, {tip}, {{tip.x + 1.2, tip.y - 0.5}}}, false, 0});
    addText(sheet, Layer::Dimensions, {tip.x - 0.8, tip.y}, "Ⅰ", kLabelTextMm, HAlign::Right, VAlign::Middle);
}

// Below: the N2 chain and Ls; left: the N1 chain and b; right: the rings' distances from the edges.
void planDimensions(Drawing& sheet, const SheetContent& c, const View& view) {
    const SlabFigure& slab = c.slab;
    const double left = view.origin.x;
    const double right = view.at(mm(slab.lengthU()), 0).x;
    const double bottom = view.origin.y;
    const double top = view.at(0, mm(slab.widthU)).y;
    std::vector<Span> n2Chain = equalChain(view, slab.lengthU(), c.distribution.firstU,
                                           c.distribution.spacingU, c.distribution.count, left);
    for (Span& s : n2Chain) {
        s.textAt = kBesideSectionMark;
    }
    horizontalChain(sheet, n2Chain, bottom - kDimRowMm, bottom);
    horizontalChain(sheet, {{left, right, centimetres(slab.lengthU())}}, bottom - 2 * kDimRowMm, bottom);
    verticalChain(sheet, equalChain(view, slab.widthU, c.main.edgeU, c.main.spacingU, c.main.count, bottom),
                  left - kDimRowMm, left);
    verticalChain(sheet, {{bottom, top, centimetres(slab.widthU)}}, left - 2 * kDimRowMm, left);
    if (c.rings) {
        const std::int64_t eU = c.rings->fromEdgeU;
        const double e = view.paper(mm(eU));
        verticalChain(sheet,
                      {{bottom, bottom + e, centimetres(eU)},
                       {bottom + e, top - e, centimetres(slab.widthU - 2 * eU)},
                       {top - e, top, centimetres(eU)}},
                      right + kDimRowMm, right);
    }
}

}  // namespace

void drawElevation(Drawing& sheet, const SheetContent& c) {
    const SlabFigure& slab = c.slab;
    const double ls = mm(slab.lengthU());
    const double height = thickestMm(slab) + (c.rings ? kRingLoopHeightMm : 0);
    const View view = centredView(kElevationBox, ls, height, c.scale);
    viewTitle(sheet, kElevationBox, "立面", c.scale);
    const double d1 = mm(slab.endThicknessU);
    closedOutline(sheet, view,
                  {{{0, 0}}, {{ls, 0}}, {{ls, d1}}, {{ls / 2, mm(slab.midThicknessU)}}, {{0, d1}}});
    elevationBars(sheet, c, view);
    if (c.rings) {
        elevationRings(sheet, c, view);
    }
    elevationDimensions(sheet, slab, view);
}

void drawPlan(Drawing& sheet, const SheetContent& c) {
    const double ls = mm(c.slab.lengthU());
    const double b = mm(c.slab.widthU);
    const View view = centredView(kPlanBox, ls, b, c.scale);
    viewTitle(sheet, kPlanBox, "平面", c.scale);
    closedOutline(sheet, view, {{{0, 0}}, {{ls, 0}}, {{ls, b}}, {{0, b}}});
    planBars(sheet, c, view);
    const double mid = view.at(ls / 2, 0).x;
    sectionMark(sheet, mid, view.origin.y, -1);
    sectionMark(sheet, mid, view.at(0, b).y, 1);
    planDimensions(sheet, c, view);
}

void drawSection(Drawing& sheet, const SheetContent& c) {
    const SlabFigure& slab = c.slab;
    const double b = mm(slab.widthU);
    const double d2 = mm(slab.midThicknessU);
    const View view = centredView(kSectionBox, b, d2, c.scale);
    viewTitle(sheet, kSectionBox, "Ⅰ-Ⅰ断面", c.scale);
    closedOutline(sheet, view, {{{0, 0}}, {{b, 0}}, {{b, d2}}, {{0, d2}}});

    const BarLevels z = barLevels(c);
    const double dot = std::max(kDotDiameterMm, view.paper(c.main.outerDiameterMm));
    for (const double y : mainBarPositions(c)) {
        sheet.add(Layer::Bars, Circle{view.at(y, z.main), dot / 2, true});
    }
    sheet.add(Layer::Bars, mappedPolyline(view, barAlong(z.cover, b - z.cover, z.distribution,
                                                         c.distribution.diameterMm, true)));
    const Point n1Label = view.at(mm(c.main.edgeU) + mm(c.main.spacingU) * (c.main.count / 3), z.main);
    leader(sheet, n1Label, {n1Label.x + 3, n1Label.y + kLeaderRiseMm}, "N1");
    const Point n2Label = view.at(b * 0.7, z.distribution);
    leader(sheet, n2Label, {n2Label.x + 3, n2Label.y + kLeaderRiseMm + 3}, "N2");

    const double left = view.origin.x;
    const double bottom = view.origin.y;
    horizontalChain(sheet, equalChain(view, slab.widthU, c.main.edgeU, c.main.spacingU, c.main.count, left),
                    bottom - kDimRowMm, bottom);
    horizontalChain(sheet, {{left, view.at(b, 0).x, centimetres(slab.widthU)}}, bottom - 2 * kDimRowMm,
                    bottom);
    const double coverTop = view.at(0, z.cover).y;
    const double top = view.at(0, d2).y;
    verticalChain(sheet,
                  {{bottom, coverTop, centimetres(slab.coverU)},
                   {coverTop, top, centimetres(slab.midThicknessU - slab.coverU)}},
                  left - kDimRowMm, left);
    verticalChain(sheet, {{bottom, top, centimetres(slab.midThicknessU)}}, left - 2 * kDimRowMm, left);
}

}  // namespace tavrel::drawing

namespace tavrel::drawing {

namespace {

constexpr double kDetailHookMm = 2;       // radius of a hook in the details, which are not to scale
constexpr double kDetailTitleDropMm = 8;  // from the top of a detail's column to its title
constexpr double kDetailBarRaiseMm = 40;  // a straight bar of the details above the bottom of its column

// A bar of the details: straight between x0 and x1 at y, with a hook at both ends when `hooked`, the
// straight length above it and the hook allowance beside each hook.
void straightDetail(Drawing& sheet, double x0, double x1, double y, bool hooked, const std::string& straight,
                    const std::string& hook) {
    const double r = kDetailHookMm;
    if (hooked) {
        sheet.add(Layer::Bars, Polyline{{{{x0 + r + 3, y + 2 * r}},
                                         {{x0 + r, y + 2 * r}, 1},
                                         {{x0 + r, y}},
                                         {{x1 - r, y}, 1},
                                         {{x1 - r, y + 2 * r}},
                                         {{x1 - r - 3, y + 2 * r}}},
                                        false,
                                        0});
        addText(sheet, Layer::Text, {x0 - 0.5, y + r}, hook, kLabelTextMm, HAlign::Right, VAlign::Middle);
        addText(sheet, Layer::Text, {x1 + 0.5, y + r}, hook, kLabelTextMm, HAlign::Left, VAlign::Middle);
    } else {
        addLine(sheet, Layer::Bars, {x0, y}, {x1, y});
    }
    addText(sheet, Layer::Text, {(x0 + x1) / 2, y - 1.2}, straight, kLabelTextMm, HAlign::Centre,
            VAlign::Top);
}

// The ring's detail: the loop above a line standing for the top face, the legs below it ending in hooks.
void ringDetail(Drawing& sheet, const Box& column, const RingFigure& ring) {
    const double cx = column.centreX();
    const double face = column.bottom + 36;
    const double radius = 5;
    const double loopCentre = face + 10 - radius;
    const double legBottom = face - 20;
    const double r = kDetailHookMm / 2;
    sheet.add(Layer::Bars, Polyline{{{{cx - radius + 2 * r, legBottom + 2}},
                                     {{cx - radius + 2 * r, legBottom}, -1},
                                     {{cx - radius, legBottom}},
                                     {{cx - radius, loopCentre}, -1},
                                     {{cx + radius, loopCentre}},
                                     {{cx + radius, legBottom}, -1},
                                     {{cx + radius - 2 * r, legBottom}},
                                     {{cx + radius - 2 * r, legBottom + 2}}},
                                    false,
                                    0});
    addLine(sheet, Layer::Outline, {cx - 14, face}, {cx + 14, face});
    addText(sheet, Layer::Text, {cx, face + 10 + 1.5}, "D=" + centimetresOfMm(ring.innerDiameterMm),
            kLabelTextMm, HAlign::Centre, VAlign::Bottom);
    verticalChain(sheet, {{face, face + 10, "10"}}, cx + radius + 5, cx + radius + 1);
    addText(sheet, Layer::Text, {cx + radius + 1.5, (face + legBottom) / 2},
            "35d=" + centimetresOfMm(ring.embedmentMm), kLabelTextMm, HAlign::Left, VAlign::Middle);
}

}  // namespace

void drawDetails(Drawing& sheet, const SheetContent& c) {
    addText(sheet, Layer::Text, {kDetailsBox.centreX(), kDetailsBox.top() + 2}, "钢筋大样（示意）",
            kTitleTextMm, HAlign::Centre);
    const std::vector<double> widths =
        c.details.size() == 3 ? std::vector<double>{80, 65, 65} : std::vector<double>{110, 100};
    double left = kDetailsBox.left;
    for (std::size_t i = 0; i < c.details.size() && i < widths.size(); ++i) {
        const Box column{left, kDetailsBox.bottom, widths[i], kDetailsBox.height};
        const BarDetail& bar = c.details[i];
        addText(sheet, Layer::Text, {column.centreX(), column.top() - kDetailTitleDropMm},
                bar.mark + " " + bar.size + " L=" + std::to_string(bar.lengthCm), kTableTextMm,
                HAlign::Centre);
        if (bar.mark == "N3" && c.rings) {
            ringDetail(sheet, column, *c.rings);
        } else {
            straightDetail(sheet, column.left + 12, column.right() - 12, column.bottom + kDetailBarRaiseMm,
                           !bar.hook.empty(), bar.straight, bar.hook);
        }
        left += widths[i];
    }
}

}  // namespace tavrel::drawing
