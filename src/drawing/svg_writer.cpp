// The SVG form of a sheet: UTF-8, one <g> per layer with the layer's colour and lineweight, y' = height − y,
// numbers with at most three decimals, texts narrowed by their width factor.
#include "drawing/svg_writer.h"

#include <cmath>
#include <numbers>
#include <sstream>

namespace tavrel::drawing {

namespace {

constexpr const char* kFontFamily =
    "SimSun, 'Noto Serif CJK SC', 'Noto Sans CJK SC', 'WenQuanYi Micro Hei', serif";

// At most three decimals, no trailing zeros, never "-0".
std::string number(double value) {
    const double rounded = std::round(value * 1000) / 1000;
    std::ostringstream text;
    text.precision(3);
    text << std::fixed << (rounded == 0 ? 0.0 : rounded);
    std::string s = text.str();
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') {
        s.pop_back();
    }
    return s;
}

std::string escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

class SvgBuilder {
  public:
    explicit SvgBuilder(double heightMm) : m_height(heightMm) {}

    std::string x(double value) const { return number(value); }
    std::string y(double value) const { return number(m_height - value); }
    std::string xy(Point p) const { return x(p.x) + "," + y(p.y); }

    void operator()(const Line& line) {
        m_out << "<line x1=\"" << x(line.from.x) << "\" y1=\"" << y(line.from.y) << "\" x2=\"" << x(line.to.x)
              << "\" y2=\"" << y(line.to.y) << "\"" << ownWeight(line.lineweightMm) << "/>\n";
    }

    void operator()(const Polyline& polyline) {
        if (polyline.vertices.empty()) {
            return;
        }
        m_out << "<path d=\"M" << xy(polyline.vertices.front().at);
        const std::size_t n = polyline.vertices.size();
        const std::size_t segments = polyline.closed ? n : n - 1;
        for (std::size_t i = 0; i < segments; ++i) {
            segment(polyline.vertices[i], polyline.vertices[(i + 1) % n].at);
        }
        m_out << (polyline.closed ? "Z" : "") << "\"" << ownWeight(polyline.widthMm) << "/>\n";
    }

    void operator()(const Circle& circle) {
        m_out << "<circle cx=\"" << x(circle.centre.x) << "\" cy=\"" << y(circle.centre.y) << "\" r=\""
              << number(circle.radius) << "\"" << (circle.filled ? " fill=\"currentColor\"" : "") << "/>\n";
    }

    void operator()(const Arc& arc) {
        const Point from = onCircle(arc.centre, arc.radius, arc.startDeg);
        const Point to = onCircle(arc.centre, arc.radius, arc.endDeg);
        double sweep = std::fmod(arc.endDeg - arc.startDeg + 360.0, 360.0);
        // Counter-clockwise on paper stays counter-clockwise on the screen, where SVG's y points down and
        // its positive sweep turns clockwise: sweep flag 0.
        m_out << "<path d=\"M" << xy(from) << "A" << number(arc.radius) << "," << number(arc.radius) << " 0 "
              << (sweep > 180 ? 1 : 0) << ",0 " << xy(to) << "\"/>\n";
    }

    // SVG places a text by its baseline; the point of a middle or top aligned text lies half or a whole
    // text height above it, across the text's direction.
    void operator()(const Text& text) {
        static const char* anchors[] = {"start", "middle", "end"};
        static const double raise[] = {0, 0, 0.5, 1};
        const double a = text.angleDeg * std::numbers::pi / 180;
        const double k = raise[static_cast<int>(text.vAlign)] * text.height;
        const Point baseline{text.at.x + k * std::sin(a), text.at.y - k * std::cos(a)};
        m_texts << "<text transform=\"translate(" << xy(baseline) << ")";
        if (text.angleDeg != 0) {
            m_texts << " rotate(" << number(-text.angleDeg) << ")";
        }
        m_texts << " scale(" << number(text.widthFactor) << ",1)\" font-size=\"" << number(text.height)
                << "\" text-anchor=\"" << anchors[static_cast<int>(text.hAlign)] << "\">"
                << escaped(text.content) << "</text>\n";
    }

    std::string shapes() const { return m_out.str(); }
    std::string texts() const { return m_texts.str(); }

  private:
    static Point onCircle(Point centre, double radius, double degrees) {
        const double a = degrees * std::numbers::pi / 180;
        return {centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)};
    }

    static std::string ownWeight(double widthMm) {
        return widthMm > 0 ? " stroke-width=\"" + number(widthMm) + "\"" : "";
    }

    // A straight piece or an arc of bulge b: radius from the chord, large when |θ| > 180°.
    void segment(const Vertex& from, Point to) {
        if (from.bulge == 0) {
            m_out << "L" << xy(to);
            return;
        }
        const double chord = std::hypot(to.x - from.at.x, to.y - from.at.y);
        const double radius = chord * (1 + from.bulge * from.bulge) / (4 * std::abs(from.bulge));
        const int large = std::abs(from.bulge) > 1 ? 1 : 0;
        const int sweep = from.bulge > 0 ? 0 : 1;
        m_out << "A" << number(radius) << "," << number(radius) << " 0 " << large << "," << sweep << " "
              << xy(to);
    }

    double m_height;
    std::ostringstream m_out;
    std::ostringstream m_texts;
};

}  // namespace

std::string svgText(const Drawing& drawing) {
    std::ostringstream out;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << number(drawing.widthMm) << "mm\" height=\""
        << number(drawing.heightMm) << "mm\" viewBox=\"0 0 " << number(drawing.widthMm) << " "
        << number(drawing.heightMm) << "\">\n"
        << "<rect width=\"100%\" height=\"100%\" fill=\"#FFFFFF\"/>\n";
    for (const LayerStyle& style : layerStyles()) {
        SvgBuilder builder(drawing.heightMm);
        for (const Item& item : drawing.items) {
            if (item.layer == style.layer) {
                std::visit(builder, item.entity);
            }
        }
        out << "<g id=\"" << style.name << "\" color=\"" << style.rgb << "\" stroke=\"" << style.rgb
            << "\" stroke-width=\"" << number(style.lineweightMm)
            << "\" fill=\"none\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n"
            << builder.shapes() << "<g font-family=\"" << kFontFamily << "\" fill=\"" << style.rgb
            << "\" stroke=\"none\">\n"
            << builder.texts() << "</g>\n</g>\n";
    }
    out << "</svg>\n";
    return out.str();
}

}  // namespace tavrel::drawing
