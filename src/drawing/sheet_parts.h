// The pieces the sheet is built of: a view's mapping from slab millimetres to paper, exploded dimension
// chains, ruled tables, wrapped notes and texts cut to a cell.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "drawing/drawing.h"
#include "drawing/sheet_layout.h"

namespace tavrel::drawing {

// Centimetres of a length in u (hundredths of a mm), shortest form with at most two decimals ("410",
// "4.65", "6.9"), rounded half up.
std::string centimetres(std::int64_t lengthU);

// Centimetres of a length in mm, as `centimetres`.
std::string centimetresOfMm(double lengthMm);

// A view at 1:scale: real millimetres (x along, y up) to paper millimetres from `origin`.
struct View {
    Point origin;
    int scale = 1;

    Point at(double xMm, double yMm) const { return {origin.x + xMm / scale, origin.y + yMm / scale}; }
    double paper(double mm) const { return mm / scale; }
};

// One space of a dimension chain: from `from` to `to` (paper mm along the chain) and what it reads.
struct Span {
    double from;
    double to;
    std::string text;
    double textAt = 0.5;  // where the text stands, as a fraction of the space (clear of a section mark)
};

// A horizontal chain at height `lineY`; the extension lines start at `objectY` (below or above it).
void horizontalChain(Drawing& sheet, const std::vector<Span>& spans, double lineY, double objectY);

// A vertical chain at `lineX`; the extension lines start at `objectX`. Its texts read from the left.
void verticalChain(Drawing& sheet, const std::vector<Span>& spans, double lineX, double objectX);

// A ruled table from the top-left corner: each row a list of cells, each cell its text and the number of
// columns it spans. Texts are centred in their cells.
struct Cell {
    std::string text;
    int columns = 1;
};
using Row = std::vector<Cell>;

// Draws the table and gives the y of its bottom line.
double ruledTable(Drawing& sheet, Point topLeft, const std::vector<double>& columnWidths,
                  const std::vector<Row>& rows);

// The text, cut at the end with "…" so that it is no wider than `widthMm` at `height`.
std::string fitted(const std::string& text, double widthMm, double height);

// The text broken into lines no wider than `widthMm` at `height`: anywhere between Chinese characters,
// never inside a run of Latin letters and digits ("1130mm2/m"), and never before a closing punctuation
// mark, which stays at the end of its line.
std::vector<std::string> wrapped(const std::string& text, double widthMm, double height);

void addText(Drawing& sheet, Layer layer, Point at, const std::string& content, double height,
             HAlign h = HAlign::Left, VAlign v = VAlign::Baseline, double angleDeg = 0);
void addLine(Drawing& sheet, Layer layer, Point from, Point to);

}  // namespace tavrel::drawing
