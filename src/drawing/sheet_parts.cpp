// The pieces the sheet is built of: dimension chains, ruled tables, wrapped and fitted texts.
#include "drawing/sheet_parts.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>
#include <set>
#include <string_view>

namespace tavrel::drawing {

namespace {

constexpr double kTickHalf = kTickMm / 2 / std::numbers::sqrt2;  // half a 45° tick along each axis
constexpr double kOutsideTextGapMm = 1;  // a text that does not fit its space stands this far outside
constexpr double kCellMarginMm = 1;      // room kept free on both sides of a table text
constexpr std::string_view kEllipsis = "…";
// Marks that close a phrase: kept at the end of a line, never at the start of the next.
constexpr std::string_view kClosingMarks[] = {"，", "。", "、", "；", "：", "）", "”", ")", ",", ".", ";"};

// The UTF-8 characters of a text.
std::vector<std::string> characters(const std::string& text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        out.push_back(text.substr(i, length));
        i += length;
    }
    return out;
}

bool isLatinWordCharacter(const std::string& character) {
    const auto c = static_cast<unsigned char>(character[0]);
    return character.size() == 1 && (std::isalnum(c) || c == '.' || c == '/' || c == '@' || c == '-');
}

bool isClosingMark(const std::string& character) {
    return std::ranges::find(kClosingMarks, character) != std::end(kClosingMarks);
}

// Pieces that a line break may not split: a run of Latin word characters, or one other character with
// the closing marks after it.
std::vector<std::string> unbreakablePieces(const std::string& text) {
    std::vector<std::string> pieces;
    bool lastWasLatin = false;
    for (const std::string& c : characters(text)) {
        const bool latin = isLatinWordCharacter(c);
        const bool joins = !pieces.empty() && ((latin && lastWasLatin) || isClosingMark(c));
        if (joins) {
            pieces.back() += c;
        } else {
            pieces.push_back(c);
        }
        lastWasLatin = latin;
    }
    return pieces;
}

std::set<double> boundaries(const std::vector<Span>& spans) {
    std::set<double> at;
    for (const Span& span : spans) {
        at.insert(span.from);
        at.insert(span.to);
    }
    return at;
}

// Where a chain's text stands along the chain and how it is aligned: centred in its space, or, when the
// space is too narrow, outside the first or the last extension line.
std::pair<double, HAlign> textPlace(const std::vector<Span>& spans, std::size_t i) {
    const Span& span = spans[i];
    const double width = textWidthMm(span.text, kLabelTextMm);
    const double inside = span.from + span.textAt * (span.to - span.from);
    if (width <= std::abs(span.to - span.from) - kCellMarginMm || spans.size() == 1) {
        return {inside, HAlign::Centre};
    }
    if (i == 0) {
        return {span.from - kOutsideTextGapMm, HAlign::Right};
    }
    if (i + 1 == spans.size()) {
        return {span.to + kOutsideTextGapMm, HAlign::Left};
    }
    return {inside, HAlign::Centre};
}

}  // namespace

std::string centimetres(std::int64_t lengthU) {
    const std::int64_t hundredthsOfCm = (lengthU + (lengthU >= 0 ? 5 : -5)) / 10;
    const std::int64_t whole = hundredthsOfCm / 100;
    std::int64_t fraction = std::abs(hundredthsOfCm % 100);
    std::string text = (hundredthsOfCm < 0 && whole == 0 ? "-" : "") + std::to_string(whole);
    if (fraction != 0) {
        text += fraction % 10 == 0 ? "." + std::to_string(fraction / 10)
                                   : (fraction < 10 ? ".0" : ".") + std::to_string(fraction);
    }
    return text;
}

std::string centimetresOfMm(double lengthMm) {
    return centimetres(std::llround(lengthMm * 100));
}

void addText(Drawing& sheet, Layer layer, Point at, const std::string& content, double height, HAlign h,
             VAlign v, double angleDeg) {
    sheet.add(layer, Text{at, content, height, kTextWidthFactor, h, v, angleDeg});
}

void addLine(Drawing& sheet, Layer layer, Point from, Point to) {
    sheet.add(layer, Line{from, to});
}

void horizontalChain(Drawing& sheet, const std::vector<Span>& spans, double lineY, double objectY) {
    const double away = lineY < objectY ? -1 : 1;
    for (const double x : boundaries(spans)) {
        addLine(sheet, Layer::Dimensions, {x, objectY + away * kExtensionGapMm},
                {x, lineY + away * kExtensionBeyondMm});
        addLine(sheet, Layer::Dimensions, {x - kTickHalf, lineY - kTickHalf},
                {x + kTickHalf, lineY + kTickHalf});
    }
    addLine(sheet, Layer::Dimensions, {spans.front().from, lineY}, {spans.back().to, lineY});
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const auto [x, align] = textPlace(spans, i);
        addText(sheet, Layer::Dimensions, {x, lineY + kDimTextRaiseMm}, spans[i].text, kLabelTextMm, align,
                VAlign::Bottom);
    }
}

void verticalChain(Drawing& sheet, const std::vector<Span>& spans, double lineX, double objectX) {
    const double away = lineX < objectX ? -1 : 1;
    for (const double y : boundaries(spans)) {
        addLine(sheet, Layer::Dimensions, {objectX + away * kExtensionGapMm, y},
                {lineX + away * kExtensionBeyondMm, y});
        addLine(sheet, Layer::Dimensions, {lineX - kTickHalf, y - kTickHalf},
                {lineX + kTickHalf, y + kTickHalf});
    }
    addLine(sheet, Layer::Dimensions, {lineX, spans.front().from}, {lineX, spans.back().to});
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const auto [y, align] = textPlace(spans, i);
        addText(sheet, Layer::Dimensions, {lineX - kDimTextRaiseMm, y}, spans[i].text, kLabelTextMm, align,
                VAlign::Bottom, 90);
    }
}

double ruledTable(Drawing& sheet, Point topLeft, const std::vector<double>& columnWidths,
                  const std::vector<Row>& rows) {
    double width = 0;
    for (const double w : columnWidths) {
        width += w;
    }
    double top = topLeft.y;
    addLine(sheet, Layer::Tables, topLeft, {topLeft.x + width, top});
    for (const Row& row : rows) {
        const double bottom = top - kTableRowMm;
        double x = topLeft.x;
        std::size_t column = 0;
        addLine(sheet, Layer::Tables, {x, top}, {x, bottom});
        for (const Cell& cell : row) {
            double cellWidth = 0;
            for (int k = 0; k < cell.columns && column < columnWidths.size(); ++k) {
                cellWidth += columnWidths[column++];
            }
            addText(sheet, Layer::Tables, {x + cellWidth / 2, (top + bottom) / 2},
                    fitted(cell.text, cellWidth - 2 * kCellMarginMm, kTableTextMm), kTableTextMm,
                    HAlign::Centre, VAlign::Middle);
            x += cellWidth;
            addLine(sheet, Layer::Tables, {x, top}, {x, bottom});
        }
        addLine(sheet, Layer::Tables, {topLeft.x, bottom}, {topLeft.x + width, bottom});
        top = bottom;
    }
    return top;
}

std::string fitted(const std::string& text, double widthMm, double height) {
    if (textWidthMm(text, height) <= widthMm) {
        return text;
    }
    std::string cut;
    for (const std::string& c : characters(text)) {
        if (textWidthMm(cut + c + std::string(kEllipsis), height) > widthMm) {
            break;
        }
        cut += c;
    }
    return cut + std::string(kEllipsis);
}

std::vector<std::string> wrapped(const std::string& text, double widthMm, double height) {
    std::vector<std::string> lines(1);
    for (const std::string& piece : unbreakablePieces(text)) {
        if (!lines.back().empty() && textWidthMm(lines.back() + piece, height) > widthMm) {
            lines.emplace_back();
        }
        lines.back() += piece;
    }
    return lines;
}

}  // namespace tavrel::drawing
