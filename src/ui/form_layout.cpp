// Builds fixed-layout windows from their tables and draws their outline lines and captions.
#include "ui/form_layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextLayout>

#include <cmath>

#include "ui/accessible_names.h"

namespace tavrel::ui {

namespace {

QWidget* createWidget(const ControlRow& row, QWidget& surface) {
    const QString caption = toQString(row.caption);
    switch (row.kind) {
        case ControlKind::Label:
            return new CaptionLabel(caption, &surface);
        case ControlKind::OptionButton: {
            auto* option = new QRadioButton(caption, &surface);
            option->setChecked((row.state & kSelected) != 0);
            return option;
        }
        case ControlKind::DropDownList:
            return new QComboBox(&surface);
        case ControlKind::TextBox:
            return new QLineEdit(caption, &surface);
        case ControlKind::ResultBox: {
            auto* box = new QLineEdit(caption, &surface);
            box->setReadOnly(true);
            return box;
        }
        case ControlKind::CheckBox:
            return new QCheckBox(caption, &surface);
        case ControlKind::Button: {
            auto* button = new QPushButton(caption, &surface);
            button->setAutoDefault(false);
            return button;
        }
        case ControlKind::Picture: {
            auto* picture = new QLabel(&surface);
            picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return picture;
        }
    }
    return nullptr;
}

// The controls of a table as children of the surface, in table order.
void createControls(FormSurface& surface, std::span<const ControlRow> table) {
    for (const ControlRow& row : table) {
        QWidget* widget = createWidget(row, surface);
        widget->setObjectName(toQString(row.name));
        widget->setGeometry(toPixels(row.rect, surface.logicalDpi()));
        widget->setEnabled((row.state & kDisabled) == 0);
        widget->setHidden((row.state & kHidden) != 0);
        if (auto* label = qobject_cast<CaptionLabel*>(widget)) {
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(true);
        }
    }
}

// Sets the focus order of the named children of a window.
void applyTabOrder(QWidget& window, std::span<const std::string_view> names) {
    for (std::size_t i = 1; i < names.size(); ++i) {
        QWidget::setTabOrder(&control<QWidget>(window, names[i - 1]), &control<QWidget>(window, names[i]));
    }
}

}  // namespace

std::vector<TwipsLine> outlineSegments(const GroupOutline& outline) {
    std::vector<TwipsLine> segments;
    const auto& corners = outline.corners;
    if (corners.size() < 2) {
        return segments;
    }
    const TwipsPoint topLeft = corners[0];
    const TwipsPoint topRight = corners[1];
    segments.push_back({topLeft, {outline.gapFrom, topLeft.y}});
    segments.push_back({{outline.gapTo, topRight.y}, topRight});
    for (std::size_t i = 1; i < corners.size(); ++i) {
        segments.push_back({corners[i], corners[(i + 1) % corners.size()]});
    }
    return segments;
}

QFont windowFont(double logicalDpi) {
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("Microsoft YaHei"),
                      QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("WenQuanYi Zen Hei Mono")});
    font.setPixelSize(static_cast<int>(std::lround(kWindowFontPoints * logicalDpi / kPointsPerInch)));
    // A scaled window draws unhinted glyphs, which keep their fractional advances (a half-width letter
    // is 7.5 pixels at 15), so a caption drawn for 96 dpi still fits its label: hinted advances round
    // each letter up to whole pixels and at 120 dpi push the last letters of the tightest captions onto
    // a third line. At 96 dpi the advances are whole pixels anyway and the glyphs stay hinted.
    if (logicalDpi != kDesignDpi) {
        font.setHintingPreference(QFont::PreferNoHinting);
    }
    return font;
}

double logicalDpi(const QWidget& window) {
    const QScreen* screen = window.screen();
    return screen != nullptr ? screen->logicalDotsPerInch() : kDesignDpi;
}

FormSurface::FormSurface(QSize clientSize, double logicalDpi, QWidget* parent)
    : QWidget(parent), m_logicalDpi(logicalDpi) {
    setFixedSize(clientSize);
}

void FormSurface::addLines(std::span<const TwipsLine> lines, QColor colour) {
    for (const TwipsLine& line : lines) {
        m_lines.push_back({toPixels(line, m_logicalDpi), colour});
    }
    update();
}

void FormSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (const ColouredLine& line : m_lines) {
        painter.setPen(QPen(line.colour, 0));
        painter.drawLine(line.line);
    }
}

void CaptionLabel::paintEvent(QPaintEvent*) {
    // CJK glyphs fill the em box, about 0.88 em above the baseline; the font's own line height (1.45 em
    // for the CJK faces) would push a second caption line out of the label.
    const int em = QFontInfo(font()).pixelSize();
    const qreal lineAscent = 0.88 * em;

    QTextOption option(alignment());
    option.setWrapMode(wordWrap() ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    QTextLayout layout(text(), font());
    layout.setTextOption(option);
    layout.beginLayout();
    qreal baseline = lineAscent;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width());
        line.setPosition(QPointF(0, baseline - line.ascent()));
        baseline += em;
    }
    layout.endLayout();

    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    layout.draw(&painter, QPointF(0, 0));
}

FormSurface& createSurface(QWidget& window, TwipsRect clientArea, const FormTables& tables) {
    const double dpi = logicalDpi(window);
    auto* surface = new FormSurface(toPixels(clientArea, dpi).size(), dpi, &window);
    createControls(*surface, tables.controls);
    for (const GroupOutline& outline : tables.outlines) {
        surface->addLines(outlineSegments(outline), kAppWorkspaceColour);
    }
    applyTabOrder(window, tables.tabOrder);
    nameControls(*surface, tables.controls, tables.captions);
    return *surface;
}

// A window not yet shown has no frame; its title bar and borders are taken to be the owner's.
void centreOver(QWidget& window, const QWidget& owner) {
    const QRect ownerFrame = owner.frameGeometry();
    const QSize decoration = ownerFrame.size() - owner.size();
    const QSize outer = window.isVisible() ? window.frameGeometry().size() : window.size() + decoration;
    window.move(ownerFrame.left() + ownerFrame.width() / 2 - outer.width() / 2,
                ownerFrame.top() + ownerFrame.height() / 2 - outer.height() / 2);
}

void setTextColour(QLabel& label, const QColor& colour) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, colour);
    label.setPalette(palette);
}

}  // namespace tavrel::ui
