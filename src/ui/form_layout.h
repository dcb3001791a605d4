// Building a fixed-layout window from its tables: control kinds, the table row, the drawing surface
// with its outline lines, the caption label that sets two-line captions one em apart, and the small
// placement and colour helpers the windows share.
#pragma once

#include <QColor>
#include <QLabel>
#include <QWidget>

#include <span>
#include <string_view>
#include <vector>

#include "ui/twips.h"

namespace tavrel::ui {

enum class ControlKind {
    Label,         // caption, wrapped at the label's width
    OptionButton,  // one of an exclusive group
    DropDownList,  // fixed-choice list, no typing
    TextBox,       // editable text
    ResultBox,     // read-only text written by the program
    CheckBox,      // with its caption, if any (the override boxes have none)
    Button,
    Picture,  // shows an image at its top-left corner, unscaled
};

// Initial states of a control; the default is enabled, visible and (for option buttons) not selected.
enum ControlState : unsigned {
    kNormal = 0,
    kDisabled = 1u << 0,
    kHidden = 1u << 1,
    kSelected = 1u << 2,
};

// One row of a window's layout table.
struct ControlRow {
    std::string_view name;  // object name: the design name of the control
    ControlKind kind;
    std::string_view caption;  // caption or initial text
    TwipsRect rect;            // left, top, width, height within the client area
    unsigned state = kNormal;
};

// A caption label and the box or list it stands beside: the caption names the control for a screen
// reader, and the label is the control's buddy.
struct CaptionLink {
    std::string_view label;
    std::string_view control;
};

// A group outline: a closed polygon whose first edge is the top edge, left open under the heading
// between x = gapFrom and x = gapTo.
struct GroupOutline {
    std::vector<TwipsPoint> corners;
    int gapFrom, gapTo;
};

// The segments that draw an outline.
std::vector<TwipsLine> outlineSegments(const GroupOutline& outline);

// Default colour of the Windows system colour "application workspace" (index 12), in which the group
// outlines are drawn.
inline const QColor kAppWorkspaceColour{171, 171, 171};

// The font of every window: the 9-point system font the layouts and their blank-padded two-line captions
// were drawn for (12 pixels at 96 dpi), in a CJK face whose Latin letters and blanks are half an em wide.
// The design's 宋体 where the system has it (SimSun on Windows), then Microsoft YaHei, then the faces of a
// Linux desktop. Its pixel size follows the logical resolution as the layout does.
QFont windowFont(double logicalDpi);
inline constexpr double kWindowFontPoints = 9.0;
inline constexpr double kPointsPerInch = 72.0;

// The logical resolution of the screen a window is on (or will open on), at which its twips become pixels.
double logicalDpi(const QWidget& window);

// The client area of a fixed-layout window: holds the controls and draws the thin lines.
class FormSurface : public QWidget {
    Q_OBJECT
  public:
    FormSurface(QSize clientSize, double logicalDpi, QWidget* parent = nullptr);
    double logicalDpi() const { return m_logicalDpi; }
    void addLines(std::span<const TwipsLine> lines, QColor colour);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct ColouredLine {
        QLine line;
        QColor colour;
    };
    double m_logicalDpi;
    std::vector<ColouredLine> m_lines;
};

// A label that wraps its caption at the label's width (spaces kept, CJK text breaking anywhere) and
// sets the lines one em apart, so a two-line caption fits a label 25 pixels high.
class CaptionLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// The layout tables of one window: its controls, its group outlines, its tab order and which caption
// names which control.
struct FormTables {
    std::span<const ControlRow> controls;
    std::span<const GroupOutline> outlines;
    std::span<const std::string_view> tabOrder;
    std::span<const CaptionLink> captions;
};

// Creates the window's client surface from its tables at the window's logical resolution: the controls in
// table order, each named, placed, captioned and in its initial state, the outlines in the workspace
// colour, then the tab order and the names a screen reader says. `clientArea` is the surface's size.
FormSurface& createSurface(QWidget& window, TwipsRect clientArea, const FormTables& tables);

// Centres a window over another, by their outer sizes; it may end partly off the screen.
void centreOver(QWidget& window, const QWidget& owner);

// Sets the colour of a label's caption.
void setTextColour(QLabel& label, const QColor& colour);

// The UTF-8 texts of the tables and the core as Qt text.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A control of the window by its design name, or null. Only the window's own surface is searched: names
// are local to each window, and a dialog owned by the window has controls of the same names (Command1,
// txtJLKL ...) on a surface of its own.
template <typename Widget>
Widget* findControl(const QWidget& window, std::string_view name) {
    const auto* surface = window.findChild<FormSurface*>(QString(), Qt::FindDirectChildrenOnly);
    return surface ? surface->findChild<Widget*>(toQString(name), Qt::FindDirectChildrenOnly) : nullptr;
}

// A control of the window by its design name; the window's layout table guarantees it exists. A name
// that is not in the table, or a control of another kind, is a programming error: it stops the program
// in every build, naming the control and the window, instead of reading through a null pointer.
template <typename Widget>
Widget& control(const QWidget& window, std::string_view name) {
    Widget* widget = findControl<Widget>(window, name);
    if (widget == nullptr) {
        qFatal("control \"%.*s\" of the expected kind is not on window \"%s\"", static_cast<int>(name.size()),
               name.data(), qPrintable(window.objectName()));
    }
    return *widget;
}

}  // namespace tavrel::ui
