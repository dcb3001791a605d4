// The windows at 100 %, 125 % and 150 % logical resolution: the twips conversion and captions that fit.
#include <QApplication>
#include <QFontMetrics>
#include <QStyle>
#include <QTest>
#include <QTextLayout>

#include "ui/layouts.h"

using namespace tavrel::ui;

namespace {

// The resolutions a Windows display gives at 100 %, 125 % and 150 % scaling when the program itself scales.
const double kDpis[] = {96.0, 120.0, 144.0};

// The lines a caption takes in a label of `width` pixels, wrapped as the caption label wraps it.
int captionLines(const QString& caption, const QFont& font, int width) {
    QTextLayout layout(caption, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    int lines = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        ++lines;
    }
    layout.endLayout();
    return lines;
}

// The width beside the caption of a check box or option button: its indicator and the gap after it.
int indicatorWidth(ControlKind kind) {
    const QStyle* style = QApplication::style();
    const bool option = kind == ControlKind::OptionButton;
    return style->pixelMetric(option ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth) +
           style->pixelMetric(option ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing);
}

// Why a control's caption does not fit its rectangle at `dpi`, or empty when it fits.
QString cutOff(const ControlRow& row, double dpi) {
    const QString caption = toQString(row.caption).trimmed();
    const QRect rect = toPixels(row.rect, dpi);
    const QFont font = windowFont(dpi);
    const int em = QFontInfo(font).pixelSize();
    switch (row.kind) {
        case ControlKind::Label: {
            const int lines = captionLines(caption, font, rect.width());
            return lines * em <= rect.height() ? QString() : QStringLiteral("%1 lines").arg(lines);
        }
        case ControlKind::OptionButton:
        case ControlKind::CheckBox: {
            const int needed = indicatorWidth(row.kind) + QFontMetrics(font).horizontalAdvance(caption);
            return caption.isEmpty() || needed <= rect.width() ? QString()
                                                               : QStringLiteral("%1 px").arg(needed);
        }
        case ControlKind::Button: {
            const int needed = QFontMetrics(font).horizontalAdvance(caption);
            return needed <= rect.width() && em <= rect.height() ? QString()
                                                                 : QStringLiteral("%1 px").arg(needed);
        }
        default:
            return {};
    }
}

}  // namespace

class WindowScalingTest : public QObject {
    Q_OBJECT

  private slots:
    // Lengths from the layouts: the main window's width, a two-line caption's height, the status bar's
    // height and a button's left edge, each rounded on its own.
    void twipsBecomePixelsAtTheLogicalResolution_data() {
        QTest::addColumn<int>("twips");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("pixels");
        // clang-format off
        QTest::newRow("window width at 96")    << 12360 << 96.0  << 824;
        QTest::newRow("window width at 120")   << 12360 << 120.0 << 1030;
        QTest::newRow("window width at 144")   << 12360 << 144.0 << 1236;
        QTest::newRow("status bar at 96")      << 375   << 96.0  << 25;
        QTest::newRow("status bar at 120")     << 375   << 120.0 << 31;
        QTest::newRow("status bar at 144")     << 375   << 144.0 << 38;
        QTest::newRow("button left at 96")     << 4245  << 96.0  << 283;
        QTest::newRow("button left at 120")    << 4245  << 120.0 << 354;
        QTest::newRow("button left at 144")    << 4245  << 144.0 << 425;
        // clang-format on
    }
    void twipsBecomePixelsAtTheLogicalResolution() {
        QFETCH(int, twips);
        QFETCH(double, dpi);
        QFETCH(int, pixels);
        QCOMPARE(toPixels(twips, dpi), pixels);
    }

    // The recorded window place: the main window's width in pixels gives its width in twips back.
    void pixelsBecomeTwipsAtTheLogicalResolution_data() {
        QTest::addColumn<int>("pixels");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("twips");
        QTest::newRow("96") << 824 << 96.0 << 12360;
        QTest::newRow("120") << 1030 << 120.0 << 12360;
        QTest::newRow("144") << 1236 << 144.0 << 12360;
    }
    void pixelsBecomeTwipsAtTheLogicalResolution() {
        QFETCH(int, pixels);
        QFETCH(double, dpi);
        QFETCH(int, twips);
        QCOMPARE(toTwips(pixels, dpi), twips);
    }

    // The 9-point window font: 12, 15 and 18 pixels.
    void theWindowFontIsNinePointsAtTheLogicalResolution_data() {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("pixels");
        QTest::newRow("96") << 96.0 << 12;
        QTest::newRow("120") << 120.0 << 15;
        QTest::newRow("144") << 144.0 << 18;
    }
    void theWindowFontIsNinePointsAtTheLogicalResolution() {
        QFETCH(double, dpi);
        QFETCH(int, pixels);
        QCOMPARE(windowFont(dpi).pixelSize(), pixels);
    }

    // Every caption of the four windows fits its control at each resolution: the label's wrapped lines
    // one em apart within its height, a check box's or option's indicator and caption within its width.
    void noCaptionIsCutOffAtAnyResolution() {
        QStringList cut;
        for (const FormTables& tables :
             {mainWindowTables(), stirrupDialogTables(), designDialogTables(), aboutDialogTables()}) {
            for (const ControlRow& row : tables.controls) {
                for (const double dpi : kDpis) {
                    if (const QString why = cutOff(row, dpi); !why.isEmpty()) {
                        cut << QStringLiteral("%1 at %2 dpi: %3").arg(toQString(row.name)).arg(dpi).arg(why);
                    }
                }
            }
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(WindowScalingTest)
#include "window_scaling_test.moc"
