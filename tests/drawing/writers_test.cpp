// The DXF and SVG writers on one entity at a time: the turn of arcs and bulges, filled dots, text
// alignment, angle, style and encoding, escaping and lineweights. Each row of data/writer_cases.json names
// what the files must hold.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "drawing/dxf_writer.h"
#include "drawing/svg_writer.h"
#include "model/gbk.h"
#include "temporary_folder.h"
#include "test_support.h"

namespace {

using namespace tavrel::drawing;
using Json = nlohmann::json;

Point pointOf(const Json& xy) {
    return {xy[0].get<double>(), xy[1].get<double>()};
}

Layer layerOf(const std::string& name) {
    const std::pair<const char*, Layer> layers[] = {
        {"Outline", Layer::Outline}, {"Bars", Layer::Bars},     {"Dimensions", Layer::Dimensions},
        {"Text", Layer::Text},       {"Tables", Layer::Tables}, {"Frame", Layer::Frame}};
    for (const auto& [text, layer] : layers) {
        if (name == text) {
            return layer;
        }
    }
    throw std::invalid_argument(name);
}

Entity entityOf(const Json& e) {
    if (e.contains("arc")) {
        const Json& a = e["arc"];
        return Arc{pointOf(a["centre"]), a["radius"], a["startDeg"], a["endDeg"]};
    }
    if (e.contains("polyline")) {
        Polyline line;
        for (const Json& v : e["polyline"]) {
            line.vertices.push_back({{v[0], v[1]}, v[2]});
        }
        return line;
    }
    if (e.contains("circle")) {
        const Json& c = e["circle"];
        return Circle{pointOf(c["centre"]), c["radius"], c["filled"]};
    }
    if (e.contains("line")) {
        const Json& l = e["line"];
        return Line{pointOf(l["from"]), pointOf(l["to"]), l.value("lineweightMm", 0.0)};
    }
    const Json& t = e["text"];
    return Text{pointOf(t["at"]),
                t["content"],
                t["height"],
                kTextWidthFactor,
                static_cast<HAlign>(t.value("hAlign", 0)),
                static_cast<VAlign>(t.value("vAlign", 0)),
                t.value("angleDeg", 0.0)};
}

TEST(Writers, putEachEntityInTheFilesAsTheReadersExpect) {
    const Json cases =
        Json::parse(tavrel::test::readFile(tavrel::test::sourcePath("tests/drawing/data/writer_cases.json")));
    for (const Json& row : cases) {
        Drawing sheet;
        sheet.add(layerOf(row["entity"]["layer"]), entityOf(row["entity"]));
        const std::string svg = svgText(sheet);
        const std::string dxf = dxfBytes(sheet);
        for (const Json& part : row.value("svg", Json::array())) {
            EXPECT_NE(svg.find(part.get<std::string>()), std::string::npos) << row["name"] << "\n" << svg;
        }
        for (const Json& part : row.value("dxf", Json::array())) {
            EXPECT_NE(dxf.find(part.get<std::string>()), std::string::npos) << row["name"] << ": " << part;
        }
        // Texts and layer names beyond ASCII stand in the file as their GBK bytes.
        for (const Json& part : row.value("dxfGbk", Json::array())) {
            EXPECT_NE(dxf.find(*tavrel::gbk::encode(part.get<std::string>())), std::string::npos)
                << row["name"];
        }
    }
}

TEST(Writers, refuseATextWithoutAGbkFormInsteadOfWritingAQuestionMark) {
    Drawing sheet;
    sheet.add(Layer::Text, Text{{0, 0}, "m³ ✓", 3});
    EXPECT_THROW(dxfBytes(sheet), std::logic_error);
}

}  // namespace
