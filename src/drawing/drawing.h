// The drawing model: what a sheet holds, in paper millimetres (origin at the lower-left sheet corner, y up),
// each entity on one of the six layers. The DXF and SVG writers and the window's painter read it alike.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tavrel::drawing {

enum class Layer { Outline, Bars, Dimensions, Text, Tables, Frame };

// A layer as the writers show it: its name, AutoCAD colour index, lineweight (mm) and screen colour.
struct LayerStyle {
    Layer layer;
    std::string_view name;
    int aciColour;
    double lineweightMm;
    std::string_view rgb;  // "#RRGGBB"
};

// The six layers in the order they are declared in a file.
const std::vector<LayerStyle>& layerStyles();
const LayerStyle& styleOf(Layer layer);

struct Point {
    double x = 0;
    double y = 0;

    bool operator==(const Point&) const = default;
};

struct Line {
    Point from;
    Point to;
    double lineweightMm = 0;  // 0: the layer's
};

// A vertex of a polyline; `bulge` is tan(θ/4) of the arc to the next vertex (0: straight, 1: half circle,
// positive counter-clockwise).
struct Vertex {
    Point at;
    double bulge = 0;
};

struct Polyline {
    std::vector<Vertex> vertices;
    bool closed = false;
    double widthMm = 0;  // constant width; 0: a hairline of the layer's lineweight
};

struct Circle {
    Point centre;
    double radius = 0;
    bool filled = false;
};

// Counter-clockwise from `startDeg` to `endDeg`.
struct Arc {
    Point centre;
    double radius = 0;
    double startDeg = 0;
    double endDeg = 0;
};

enum class HAlign { Left, Centre, Right };
enum class VAlign { Baseline, Bottom, Middle, Top };

struct Text {
    Point at;             // the alignment point
    std::string content;  // UTF-8, every character GBK-encodable
    double height = 0;
    double widthFactor = 0.7;
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Baseline;
    double angleDeg = 0;
};

using Entity = std::variant<Line, Polyline, Circle, Arc, Text>;

struct Item {
    Layer layer;
    Entity entity;
};

struct Drawing {
    double widthMm = 420;
    double heightMm = 297;
    std::vector<Item> items;

    void add(Layer layer, Entity entity);
};

// The text style every text of a sheet uses: the Chinese engineering font at width factor 0.7.
inline constexpr double kTextWidthFactor = 0.7;

// The advance of a text written in the sheet's style: a Chinese character is as wide as the text is high,
// a Latin one half as wide, both narrowed by the width factor. Wrapping and fitting texts rely on it.
double textWidthMm(std::string_view utf8, double height, double widthFactor = kTextWidthFactor);

}  // namespace tavrel::drawing
