// The six layers of a sheet and the width of a text in the sheet's style.
#include "drawing/drawing.h"

#include <stdexcept>

namespace tavrel::drawing {

const std::vector<LayerStyle>& layerStyles() {
    static const std::vector<LayerStyle> styles = {
        {Layer::Outline, "轮廓", 4, 0.25, "#0080A0"},    {Layer::Bars, "钢筋", 1, 0.50, "#E00000"},
        {Layer::Dimensions, "标注", 3, 0.18, "#008000"}, {Layer::Text, "文字", 7, 0.18, "#000000"},
        {Layer::Tables, "表格", 2, 0.25, "#806000"},     {Layer::Frame, "图框", 7, 0.25, "#000000"},
    };
    return styles;
}

const LayerStyle& styleOf(Layer layer) {
    for (const LayerStyle& style : layerStyles()) {
        if (style.layer == layer) {
            return style;
        }
    }
    throw std::logic_error("layer without a style");
}

double textWidthMm(std::string_view utf8, double height, double widthFactor) {
    double ems = 0;
    for (const char byte : utf8) {
        const auto b = static_cast<unsigned char>(byte);
        if (b < 0x80) {
            ems += 0.5;
        } else if (b >= 0xC0) {
            ems += 1.0;  // a character beyond ASCII starts here: full width in the big font
        }
    }
    return ems * height * widthFactor;
}

// Out of line: inlined into every caller, GCC 12 at -O3 takes the moved variant's members for
// uninitialised (-Wmaybe-uninitialized, a false positive).
void Drawing::add(Layer layer, Entity entity) {
    items.push_back({layer, std::move(entity)});
}

}  // namespace tavrel::drawing
