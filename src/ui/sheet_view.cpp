// The sheet of a drawing painted with QPainter: the entities of each layer in the layer's colour and
// lineweight, y turned to point down, texts narrowed by their width factor.
#include "ui/sheet_view.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tavrel::ui {

namespace {

const QStringList kFontFamilies = {"SimSun", "Noto Serif CJK SC", "Noto Sans CJK SC", "WenQuanYi Micro Hei"};

// Paper millimetres to device pixels.
class PaperMapping {
  public:
    PaperMapping(const drawing::Drawing& sheet, const QRectF& target)
        : m_scale(std::min(target.width() / sheet.widthMm, target.height() / sheet.heightMm)),
          m_left(target.center().x() - sheet.widthMm * m_scale / 2),
          m_top(target.center().y() - sheet.heightMm * m_scale / 2),
          m_height(sheet.heightMm) {}

    QPointF at(drawing::Point p) const {
        return {m_left + p.x * m_scale, m_top + (m_height - p.y) * m_scale};
    }
    double pixels(double mm) const { return mm * m_scale; }
    QRectF paper(double widthMm) const { return {m_left, m_top, widthMm * m_scale, m_height * m_scale}; }

  private:
    double m_scale;
    double m_left;
    double m_top;
    double m_height;
};

QRectF square(QPointF centre, double radius) {
    return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius};
}

class EntityPainter {
  public:
    EntityPainter(QPainter& painter, const PaperMapping& map, const drawing::LayerStyle& style)
        : m_painter(painter),
          m_map(map),
          m_colour(QString::fromUtf8(style.rgb.data(), style.rgb.size())),
          m_lineweight(style.lineweightMm) {}

    void operator()(const drawing::Line& line) {
        usePen(line.lineweightMm > 0 ? line.lineweightMm : m_lineweight);
        m_painter.drawLine(m_map.at(line.from), m_map.at(line.to));
    }

    void operator()(const drawing::Polyline& polyline) {
        if (polyline.vertices.empty()) {
            return;
        }
        usePen(polyline.widthMm > 0 ? polyline.widthMm : m_lineweight);
        QPainterPath path(m_map.at(polyline.vertices.front().at));
        const std::size_t n = polyline.vertices.size();
        for (std::size_t i = 0; i < (polyline.closed ? n : n - 1); ++i) {
            segment(path, polyline.vertices[i], polyline.vertices[(i + 1) % n].at);
        }
        if (polyline.closed) {
            path.closeSubpath();
        }
        m_painter.drawPath(path);
    }

    void operator()(const drawing::Circle& circle) {
        usePen(m_lineweight);
        m_painter.setBrush(circle.filled ? QBrush(m_colour) : Qt::NoBrush);
        m_painter.drawEllipse(square(m_map.at(circle.centre), m_map.pixels(circle.radius)));
        m_painter.setBrush(Qt::NoBrush);
    }

    void operator()(const drawing::Arc& arc) {
        usePen(m_lineweight);
        const double sweep = std::fmod(arc.endDeg - arc.startDeg + 360.0, 360.0);
        m_painter.drawArc(square(m_map.at(arc.centre), m_map.pixels(arc.radius)),
                          static_cast<int>(std::lround(arc.startDeg * 16)),
                          static_cast<int>(std::lround(sweep * 16)));
    }

    // Placed by the baseline as the SVG is: a middle or top aligned text's point lies half or a whole
    // height above its baseline.
    void operator()(const drawing::Text& text) {
        static const double raise[] = {0, 0, 0.5, 1};
        QFont font;
        font.setFamilies(kFontFamilies);
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(m_map.pixels(text.height)))));
        const QString content = QString::fromStdString(text.content);
        const double width = QFontMetricsF(font).horizontalAdvance(content);
        const double dx = text.hAlign == drawing::HAlign::Left     ? 0
                          : text.hAlign == drawing::HAlign::Centre ? -width / 2
                                                                   : -width;
        m_painter.save();
        m_painter.setFont(font);
        m_painter.setPen(m_colour);
        m_painter.translate(m_map.at(text.at));
        m_painter.rotate(-text.angleDeg);
        m_painter.scale(text.widthFactor, 1);
        m_painter.drawText(QPointF(dx, m_map.pixels(raise[static_cast<int>(text.vAlign)] * text.height)),
                           content);
        m_painter.restore();
    }

  private:
    void usePen(double lineweightMm) {
        QPen pen(m_colour, std::max(1.0, m_map.pixels(lineweightMm)));
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        m_painter.setPen(pen);
    }

    // A straight piece, or the arc of bulge b = tan(θ/4) from `from` to `to`.
    void segment(QPainterPath& path, const drawing::Vertex& from, drawing::Point to) const {
        if (from.bulge == 0) {
            path.lineTo(m_map.at(to));
            return;
        }
        const double dx = to.x - from.at.x;
        const double dy = to.y - from.at.y;
        const double chord = std::hypot(dx, dy);
        const double theta = 4 * std::atan(from.bulge);
        const double radius = chord / (2 * std::sin(std::abs(theta) / 2));
        // The centre lies off the chord's middle, to the left of the direction of travel for a positive
        // bulge.
        const double offset = radius * std::cos(theta / 2) * (from.bulge > 0 ? 1 : -1);
        const double mx = (from.at.x + to.x) / 2 - dy / chord * offset;
        const double my = (from.at.y + to.y) / 2 + dx / chord * offset;
        const double start = std::atan2(from.at.y - my, from.at.x - mx) * 180 / std::numbers::pi;
        path.arcTo(square(m_map.at({mx, my}), m_map.pixels(radius)), start, theta * 180 / std::numbers::pi);
    }

    QPainter& m_painter;
    const PaperMapping& m_map;
    QColor m_colour;
    double m_lineweight;
};

}  // namespace

void paintDrawing(QPainter& painter, const drawing::Drawing& sheet, const QRectF& target) {
    const PaperMapping map(sheet, target);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(map.paper(sheet.widthMm), Qt::white);
    for (const drawing::LayerStyle& style : drawing::layerStyles()) {
        EntityPainter entities(painter, map, style);
        for (const drawing::Item& item : sheet.items) {
            if (item.layer == style.layer) {
                std::visit(entities, item.entity);
            }
        }
    }
    painter.restore();
}

SheetView::SheetView(drawing::Drawing sheet, QWidget* parent) : QWidget(parent), m_sheet(std::move(sheet)) {}

void SheetView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintDrawing(painter, m_sheet, QRectF(rect()));
}

}  // namespace tavrel::ui
