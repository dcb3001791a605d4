// The DXF form of a sheet through dxflib, with its gaps filled by plain group codes: the text styles with
// their Chinese big font, the LWPOLYLINE with a constant width, and the GBK strings an AutoCAD 2000 file
// read under code page 936 expects.
#include "drawing/dxf_writer.h"

#include <dxflib/dl_dxf.h>
#include <dxflib/dl_writer_ascii.h>

#include <charconv>
#include <cmath>
#include <numbers>
#include <stdexcept>

#include "model/gbk.h"

namespace tavrel::drawing {

namespace {

constexpr const char* kTextStyle = "GB";
constexpr const char* kTextFont = "gbenor.shx";  // the Chinese engineering Latin font
constexpr const char* kBigFont = "gbcbig.shx";   // its GB 2312 companion for Chinese characters
constexpr int kInsUnitsMillimetres = 4;          // $INSUNITS 4: millimetres
constexpr int kColourByLayer = 256;
constexpr int kLineweightByLayer = -1;
constexpr int kLayerCount = 7;
constexpr double kSmallestRealMm =
    5e-10;  // below half the last decimal written: zero  // layer "0" and the six of the sheet

std::string gbkOf(std::string_view utf8) {
    std::optional<std::string> bytes = gbk::encode(utf8);
    if (!bytes) {
        throw std::logic_error("a drawing text has no GBK form: " + std::string(utf8));
    }
    return *bytes;
}

// dxflib's ASCII writer, kept in memory instead of its own file: the finished bytes are then put in place
// in one step by the caller, so a failed write never leaves half a drawing under the user's name. Every
// output call of the writer is virtual and overridden here; the file stream of the base stays unopened.
class MemoryWriter : public DL_WriterA {
  public:
    MemoryWriter() : DL_WriterA("", DL_Codes::AC1015) {}

    void dxfReal(int gc, double value) const override { put(gc, realText(value)); }
    void dxfInt(int gc, int value) const override { put(gc, std::to_string(value)); }
    void dxfHex(int gc, int value) const override {
        char text[16];
        const auto end = std::to_chars(text, text + sizeof text, static_cast<unsigned>(value), 16).ptr;
        std::string hex(text, end);
        for (char& c : hex) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        put(gc, hex);
    }
    void dxfString(int gc, const char* value) const override { put(gc, value); }
    void dxfString(int gc, const std::string& value) const override { put(gc, value); }

    const std::string& bytes() const { return m_bytes; }

  private:
    // Plain decimals, at most nine of them: paper millimetres need no more, and some readers of old
    // drawings take no exponent ("1.2e-16" of a cosine of 90°).
    static std::string realText(double value) {
        char text[64];
        const double rounded = std::abs(value) < kSmallestRealMm ? 0.0 : value;
        const auto end = std::to_chars(text, text + sizeof text, rounded, std::chars_format::fixed, 9).ptr;
        std::string s(text, end);
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.') {
            s += '0';
        }
        return s;
    }

    void put(int gc, std::string_view value) const {
        const std::string code = std::to_string(gc);
        m_bytes.append(3 - std::min<std::size_t>(3, code.size()), ' ').append(code).append("\r\n");
        m_bytes.append(value).append("\r\n");
    }

    mutable std::string m_bytes;
};

class DxfBuilder {
  public:
    std::string build(const Drawing& drawing) {
        writeHeader(drawing);
        writeTables();
        writeBlocks();
        m_out.sectionEntities();
        for (const Item& item : drawing.items) {
            m_layer = gbkOf(styleOf(item.layer).name);
            std::visit(*this, item.entity);
        }
        m_out.sectionEnd();
        m_dxf.writeObjects(m_out);
        m_dxf.writeObjectsEnd(m_out);
        m_out.dxfEOF();
        return m_out.bytes();
    }

    void operator()(const Line& line) {
        m_dxf.writeLine(m_out, DL_LineData(line.from.x, line.from.y, 0, line.to.x, line.to.y, 0),
                        attributes(line.lineweightMm));
    }

    // dxflib's polyline has no constant width, which the filled dots need: written by group codes.
    void operator()(const Polyline& polyline) {
        m_out.dxfString(0, "LWPOLYLINE");
        m_out.handle();
        m_out.dxfString(100, "AcDbEntity");
        m_out.dxfString(8, m_layer);
        m_out.dxfString(100, "AcDbPolyline");
        m_out.dxfInt(90, static_cast<int>(polyline.vertices.size()));
        m_out.dxfInt(70, polyline.closed ? 1 : 0);
        m_out.dxfReal(43, polyline.widthMm);
        for (const Vertex& vertex : polyline.vertices) {
            m_out.dxfReal(10, vertex.at.x);
            m_out.dxfReal(20, vertex.at.y);
            if (vertex.bulge != 0) {
                m_out.dxfReal(42, vertex.bulge);
            }
        }
    }

    // A filled circle is a donut: a closed polyline of two half circles whose width covers the centre.
    void operator()(const Circle& circle) {
        if (!circle.filled) {
            m_dxf.writeCircle(m_out, DL_CircleData(circle.centre.x, circle.centre.y, 0, circle.radius),
                              attributes());
            return;
        }
        const double r = circle.radius / 2;
        (*this)(Polyline{
            {{{circle.centre.x - r, circle.centre.y}, 1}, {{circle.centre.x + r, circle.centre.y}, 1}},
            true,
            circle.radius});
    }

    void operator()(const Arc& arc) {
        m_dxf.writeArc(m_out, DL_ArcData(arc.centre.x, arc.centre.y, 0, arc.radius, arc.startDeg, arc.endDeg),
                       attributes());
    }

    // TEXT with the alignment codes 72 (left, centre, right) and 73 (baseline, bottom, middle, top).
    void operator()(const Text& text) {
        m_dxf.writeText(
            m_out,
            DL_TextData(text.at.x, text.at.y, 0, text.at.x, text.at.y, 0, text.height, text.widthFactor, 0,
                        static_cast<int>(text.hAlign), static_cast<int>(text.vAlign), gbkOf(text.content),
                        kTextStyle, text.angleDeg * std::numbers::pi / 180),
            attributes());
    }

  private:
    DL_Attributes attributes(double lineweightMm = 0) const {
        const int weight =
            lineweightMm > 0 ? static_cast<int>(std::lround(lineweightMm * 100)) : kLineweightByLayer;
        return DL_Attributes(m_layer, kColourByLayer, weight, "BYLAYER", 1.0);
    }

    void writeHeader(const Drawing& drawing) {
        m_out.sectionHeader();
        m_out.dxfString(9, "$ACADVER");
        m_out.dxfString(1, "AC1015");
        m_out.dxfString(9, "$HANDSEED");
        m_out.dxfHex(5, 0xFFFF);
        m_out.dxfString(9, "$DWGCODEPAGE");
        m_out.dxfString(3, "ANSI_936");
        m_out.dxfString(9, "$INSUNITS");
        m_out.dxfInt(70, kInsUnitsMillimetres);
        m_out.dxfString(9, "$TEXTSTYLE");
        m_out.dxfString(7, kTextStyle);
        m_out.dxfString(9, "$EXTMIN");
        point(0, 0);
        m_out.dxfString(9, "$EXTMAX");
        point(drawing.widthMm, drawing.heightMm);
        m_out.dxfString(9, "$LIMMIN");
        m_out.dxfReal(10, 0);
        m_out.dxfReal(20, 0);
        m_out.dxfString(9, "$LIMMAX");
        m_out.dxfReal(10, drawing.widthMm);
        m_out.dxfReal(20, drawing.heightMm);
        m_out.sectionEnd();
    }

    void point(double x, double y) {
        m_out.dxfReal(10, x);
        m_out.dxfReal(20, y);
        m_out.dxfReal(30, 0);
    }

    void writeTables() {
        m_out.sectionTables();
        m_dxf.writeVPort(m_out);
        m_out.tableLinetypes(3);
        m_dxf.writeLinetype(m_out, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
        m_dxf.writeLinetype(m_out, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
        m_dxf.writeLinetype(m_out, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
        m_out.tableEnd();
        writeLayers();
        writeStyles();
        m_dxf.writeView(m_out);
        m_dxf.writeUcs(m_out);
        m_out.tableAppid(1);
        m_dxf.writeAppid(m_out, "ACAD");
        m_out.tableEnd();
        m_dxf.writeDimStyle(m_out, 2.5, 2.0, 1.0, 1.0, 2.5);
        m_dxf.writeBlockRecord(m_out);
        m_out.tableEnd();
        m_out.sectionEnd();
    }

    void writeLayers() {
        m_out.tableLayers(kLayerCount);
        m_dxf.writeLayer(m_out, DL_LayerData("0", 0), DL_Attributes("", 7, 25, "CONTINUOUS", 1.0));
        for (const LayerStyle& style : layerStyles()) {
            const int weight = static_cast<int>(std::lround(style.lineweightMm * 100));
            m_dxf.writeLayer(m_out, DL_LayerData(gbkOf(style.name), 0),
                             DL_Attributes("", style.aciColour, weight, "CONTINUOUS", 1.0));
        }
        m_out.tableEnd();
    }

    // dxflib's own style record leaves the font codes 3 and 4 empty and drops the big font, so both
    // records are written by group codes.
    void writeStyles() {
        m_out.tableStyle(2);
        writeStyle("Standard", 1.0, "txt", "");
        writeStyle(kTextStyle, kTextWidthFactor, kTextFont, kBigFont);
        m_out.tableEnd();
    }

    void writeStyle(const char* name, double widthFactor, const char* font, const char* bigFont) {
        m_out.dxfString(0, "STYLE");
        m_out.handle();
        m_out.dxfString(100, "AcDbSymbolTableRecord");
        m_out.dxfString(100, "AcDbTextStyleTableRecord");
        m_out.dxfString(2, name);
        m_out.dxfInt(70, 0);
        m_out.dxfReal(40, 0);
        m_out.dxfReal(41, widthFactor);
        m_out.dxfReal(50, 0);
        m_out.dxfInt(71, 0);
        m_out.dxfReal(42, 2.5);
        m_out.dxfString(3, font);
        m_out.dxfString(4, bigFont);
    }

    void writeBlocks() {
        m_out.sectionBlocks();
        for (const char* name : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
            m_dxf.writeBlock(m_out, DL_BlockData(name, 0, 0.0, 0.0, 0.0));
            m_dxf.writeEndBlock(m_out, name);
        }
        m_out.sectionEnd();
    }

    DL_Dxf m_dxf;
    MemoryWriter m_out;
    std::string m_layer;
};

}  // namespace

std::string dxfBytes(const Drawing& drawing) {
    return DxfBuilder().build(drawing);
}

}  // namespace tavrel::drawing
