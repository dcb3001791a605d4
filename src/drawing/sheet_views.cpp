// The four views of the sheet. Each view maps real millimetres to paper at the sheet's scale and is
// centred in its box, so the elevation and the plan line up along the span.
#include "drawing/sheet_views.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tavrel::drawing {

namespace {

constexpr double kUPerMm = 100;
constexpr double kHookRadiusD = 1.75;  // centreline radius of a 180° hook bent round 2.5d
constexpr double kHookTailD = 3;       // straight tail of a 180° hook
constexpr double kRingLineMm = 0.7;    // a lifting loop seen from above, drawn as a heavy stroke
constexpr double kLeaderRiseMm = 7;    // a bar label stands this far from its bar
constexpr double kSectionMarkMm = 5;   // cutting-plane stroke of a section mark
constexpr double kSectionArrowMm = 3;
constexpr double kSectionMarkWidthMm = 0.5;
constexpr double kBesideSectionMark = 0.3;  // the plan's chain text stands clear of the mid-span mark

double mm(std::int64_t u) {
    return static_cast<double>(u) / kUPerMm;
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
    s.topZ = mm(c.slab.thicknessAtU(x * kUPerMm));
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

void drawElevation(Drawing& sheet, const SheetContent& c) {
    const SlabFigure& slab = c.slab;
    const double ls = mm(slab.lengthU());
    const double height = thickestMm(slab) + (c.rings ? kRingLoopHeightMm : 0);
    const View view{
        {kElevationBox.centreX() - ls / c.scale / 2, kElevationBox.centreY() - height / c.scale / 2},
        c.scale};
    viewTitle(sheet, kElevationBox, "立面", c.scale);
    const double d1 = mm(slab.endThicknessU);
    const double d2 = mm(slab.midThicknessU);
    Polyline outline = mappedPolyline(view, {{{0, 0}}, {{ls, 0}}, {{ls, d1}}, {{ls / 2, d2}}, {{0, d1}}});
    outline.closed = true;
    sheet.add(Layer::Outline, outline);

    const double cover = mm(slab.coverU);
    const double mainZ = cover + c.main.outerDiameterMm / 2;
    sheet.add(Layer::Bars,
              mappedPolyline(view, barAlong(cover, ls - cover, mainZ, c.main.diameterMm, c.main.hooked)));
    const double n2Z = cover + c.main.outerDiameterMm + c.distribution.diameterMm / 2.0;
    const std::vector<double> n2At =
        positions(mm(c.distribution.firstU), mm(c.distribution.spacingU), c.distribution.count);
    for (const double x : n2At) {
        sheet.add(Layer::Bars, Circle{view.at(x, n2Z), kDotDiameterMm / 2, true});
    }
    double top = view.at(0, thickestMm(slab)).y;
    if (c.rings) {
        const double a = mm(c.rings->fromEndU);
        for (const double x : {a, ls - a}) {
            const RingShape shape = ringShape(c, x);
            sheet.add(Layer::Bars, mappedPolyline(view, ringInElevation(shape, x)));
            top = std::max(top, view.at(x, shape.loopCentreZ + shape.radius).y);
        }
        const Point apex = view.at(ls - a, ringShape(c, ls - a).loopCentreZ + ringShape(c, ls - a).radius);
        leader(sheet, apex, {apex.x + 4, apex.y + 3}, "N3");
        const double chainY = top + kDimRowMm;
        horizontalChain(sheet,
                        shifted({span(view, 0, a, centimetres(c.rings->fromEndU)),
                                 span(view, a, ls - a, centimetres(slab.lengthU() - 2 * c.rings->fromEndU)),
                                 span(view, ls - a, ls, centimetres(c.rings->fromEndU))},
                                view.origin.x),
                        chainY, view.at(0, d1).y);
    }
    const Point n1At = view.at(ls * 0.3, mainZ);
    leader(sheet, n1At, {n1At.x + 4, n1At.y + kLeaderRiseMm}, "N1");
    if (!n2At.empty()) {
        const Point n2Dot = view.at(n2At[n2At.size() * 2 / 3], n2Z);
        leader(sheet, n2Dot, {n2Dot.x + 4, n2Dot.y + kLeaderRiseMm + 3}, "N2");
    }

    const double bottom = view.origin.y;
    const double seat = mm(slab.seatU);
    horizontalChain(sheet,
                    shifted({span(view, 0, seat, centimetres(slab.seatU)),
                             span(view, seat, ls - seat, centimetres(slab.clearSpanU)),
                             span(view, ls - seat, ls, centimetres(slab.seatU))},
                            view.origin.x),
                    bottom - kDimRowMm, bottom);
    horizontalChain(sheet, {{view.origin.x, view.at(ls, 0).x, centimetres(slab.lengthU())}},
                    bottom - 2 * kDimRowMm, bottom);
    verticalChain(sheet, {{bottom, view.at(0, d1).y, centimetres(slab.endThicknessU)}},
                  view.origin.x - kDimRowMm, view.origin.x);
    const double mid = view.at(ls / 2, 0).x;
    verticalChain(sheet, {{bottom, view.at(0, d2).y, centimetres(slab.midThicknessU)}}, mid, mid);
}

void drawPlan(Drawing& sheet, const SheetContent& c) {
    const SlabFigure& slab = c.slab;
    const double ls = mm(slab.lengthU());
    const double b = mm(slab.widthU);
    const View view{{kPlanBox.centreX() - ls / c.scale / 2, kPlanBox.centreY() - b / c.scale / 2}, c.scale};
    viewTitle(sheet, kPlanBox, "平面", c.scale);
    Polyline outline = mappedPolyline(view, {{{0, 0}}, {{ls, 0}}, {{ls, b}}, {{0, b}}});
    outline.closed = true;
    sheet.add(Layer::Outline, outline);

    const double cover = mm(slab.coverU);
    for (const double y : positions(mm(c.main.edgeU), mm(c.main.spacingU), c.main.count)) {
        addLine(sheet, Layer::Bars, view.at(cover, y), view.at(ls - cover, y));
    }
    for (const double x :
         positions(mm(c.distribution.firstU), mm(c.distribution.spacingU), c.distribution.count)) {
        addLine(sheet, Layer::Bars, view.at(x, cover), view.at(x, b - cover));
    }
    const double left = view.origin.x;
    const double right = view.at(ls, 0).x;
    const double bottom = view.origin.y;
    const double topY = view.at(0, b).y;
    if (c.rings) {
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
        verticalChain(
            sheet,
            {{bottom, view.at(0, e).y, centimetres(c.rings->fromEdgeU)},
             {view.at(0, e).y, view.at(0, b - e).y, centimetres(slab.widthU - 2 * c.rings->fromEdgeU)},
             {view.at(0, b - e).y, topY, centimetres(c.rings->fromEdgeU)}},
            right + kDimRowMm, right);
    }
    const double mid = view.at(ls / 2, 0).x;
    for (const double edge : {bottom, topY}) {
        const double out = edge == bottom ? -1 : 1;
        const Point inner{mid, edge + out * kExtensionGapMm};
        const Point outer{mid, edge + out * (kExtensionGapMm + kSectionMarkMm)};
        sheet.add(Layer::Dimensions, Polyline{{{inner}, {outer}}, false, kSectionMarkWidthMm});
        sheet.add(Layer::Dimensions, Polyline{{{outer}, {{mid - kSectionArrowMm, outer.y}}}, false, 0});
        sheet.add(Layer::Dimensions, Polyline{{{{mid - kSectionArrowMm, outer.y}},
                                               {{mid - kSectionArrowMm + 1.2, outer.y + 0.5}}},
                                              false,
                                              0});
        sheet.add(Layer::Dimensions, Polyline{{{{mid - kSectionArrowMm, outer.y}},
                                               {{mid - kSectionArrowMm + 1.2, outer.y - 0.5}}},
                                              false,
                                              0});
        addText(sheet, Layer::Dimensions, {mid - kSectionArrowMm - 0.8, outer.y}, "Ⅰ", kLabelTextMm,
                HAlign::Right, VAlign::Middle);
    }
    std::vector<Span> n2Chain = equalChain(view, slab.lengthU(), c.distribution.firstU,
                                           c.distribution.spacingU, c.distribution.count, left);
    for (Span& s : n2Chain) {
        s.textAt = kBesideSectionMark;
    }
    horizontalChain(sheet, n2Chain, bottom - kDimRowMm, bottom);
    horizontalChain(sheet, {{left, right, centimetres(slab.lengthU())}}, bottom - 2 * kDimRowMm, bottom);
    verticalChain(sheet, equalChain(view, slab.widthU, c.main.edgeU, c.main.spacingU, c.main.count, bottom),
                  left - kDimRowMm, left);
    verticalChain(sheet, {{bottom, topY, centimetres(slab.widthU)}}, left - 2 * kDimRowMm, left);
}

void drawSection(Drawing& sheet, const SheetContent& c) {
    const SlabFigure& slab = c.slab;
    const double b = mm(slab.widthU);
    const double d2 = mm(slab.midThicknessU);
    const View view{{kSectionBox.centreX() - b / c.scale / 2, kSectionBox.centreY() - d2 / c.scale / 2},
                    c.scale};
    viewTitle(sheet, kSectionBox, "Ⅰ-Ⅰ断面", c.scale);
    Polyline outline = mappedPolyline(view, {{{0, 0}}, {{b, 0}}, {{b, d2}}, {{0, d2}}});
    outline.closed = true;
    sheet.add(Layer::Outline, outline);

    const double cover = mm(slab.coverU);
    const double mainZ = cover + c.main.outerDiameterMm / 2;
    const double dot = std::max(kDotDiameterMm, view.paper(c.main.outerDiameterMm));
    for (const double y : positions(mm(c.main.edgeU), mm(c.main.spacingU), c.main.count)) {
        sheet.add(Layer::Bars, Circle{view.at(y, mainZ), dot / 2, true});
    }
    const double n2Z = cover + c.main.outerDiameterMm + c.distribution.diameterMm / 2.0;
    sheet.add(Layer::Bars,
              mappedPolyline(view, barAlong(cover, b - cover, n2Z, c.distribution.diameterMm, true)));

    const double left = view.origin.x;
    const double bottom = view.origin.y;
    const Point n1Label = view.at(mm(c.main.edgeU) + mm(c.main.spacingU) * (c.main.count / 3), mainZ);
    leader(sheet, n1Label, {n1Label.x + 3, n1Label.y + kLeaderRiseMm}, "N1");
    const Point n2Label = view.at(b * 0.7, n2Z);
    leader(sheet, n2Label, {n2Label.x + 3, n2Label.y + kLeaderRiseMm + 3}, "N2");
    horizontalChain(sheet, equalChain(view, slab.widthU, c.main.edgeU, c.main.spacingU, c.main.count, left),
                    bottom - kDimRowMm, bottom);
    horizontalChain(sheet, {{left, view.at(b, 0).x, centimetres(slab.widthU)}}, bottom - 2 * kDimRowMm,
                    bottom);
    const double coverTop = view.at(0, cover).y;
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
