// The drawing dialog frmDrawing, built from its layout table; the sheet is the drawing room's, the
// saving the report's atomic replacement.
#include "ui/drawing_dialog.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>

#include "drawing/dxf_writer.h"
#include "drawing/sheet_content.h"
#include "drawing/svg_writer.h"
#include "report/report_files.h"
#include "ui/control_names.h"
#include "ui/form_layout.h"
#include "ui/layouts.h"
#include "ui/sheet_view.h"

namespace tavrel::ui {

namespace {

constexpr const char* kCaption = "钢筋构造图";

struct SaveFormat {
    const char* extension;
    const char* dialogTitle;
    const char* filter;
};

SaveFormat saveFormat(drawing::DrawingFormat format) {
    if (format == drawing::DrawingFormat::Svg) {
        return {".svg", "保存SVG", "SVG图形(*.svg)"};
    }
    return {".dxf", "保存DXF", "AutoCAD 2000 DXF(*.dxf)"};
}

// The title block of a drawing made in the window: the project's, dated by its fixed issue date, else
// this month.
drawing::TitleBlockTexts windowTitleBlock(const ProjectInfo& project) {
    const std::string month = project.issueDate.empty()
                                  ? QDate::currentDate().toString(QStringLiteral("yyyy.MM")).toStdString()
                                  : drawing::titleBlockMonth(project.issueDate);
    return drawing::titleBlockOf(project, month);
}

}  // namespace

QString defaultDrawingName(const QString& inputPath, drawing::DrawingFormat format) {
    const QString extension = QString::fromUtf8(saveFormat(format).extension);
    if (inputPath.isEmpty()) {
        return QString::fromUtf8(drawing::kDrawingName) + extension;
    }
    const QFileInfo input(inputPath);
    return input.dir().filePath(input.completeBaseName() + QLatin1Char('_') +
                                QString::fromUtf8(drawing::kDrawingFileKind) + extension);
}

DrawingDialog::DrawingDialog(const BarSchedule& schedule, const ProjectInfo& project,
                             const QString& inputPath, Prompter& prompter, QWidget* mainWindow)
    : QDialog(mainWindow),
      m_sheet(drawing::drawingOf(schedule, windowTitleBlock(project))),
      m_inputPath(inputPath),
      m_prompter(prompter) {
    setObjectName(QStringLiteral("frmDrawing"));
    setWindowTitle(QString::fromUtf8(kCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(windowFont(logicalDpi(*this)));
    setModal(true);
    const FormSurface& surface = createSurface(*this, kDrawingClientArea, drawingDialogTables());
    resize(surface.size());
    auto* view = new SheetView(m_sheet, this);
    view->setObjectName(QStringLiteral("picSheet"));
    view->setGeometry(toPixels(kDrawingSheetArea, surface.logicalDpi()));
    view->setAccessibleName(QString::fromUtf8(drawing::kDrawingName));
    connect(&control<QPushButton>(*this, frmDrawing::cmdSaveDxf), &QPushButton::clicked, this,
            &DrawingDialog::cmdSaveDxf_Click);
    connect(&control<QPushButton>(*this, frmDrawing::cmdSaveSvg), &QPushButton::clicked, this,
            &DrawingDialog::cmdSaveSvg_Click);
    connect(&control<QPushButton>(*this, frmDrawing::cmdClose), &QPushButton::clicked, this,
            &QDialog::reject);
    if (mainWindow) {
        centreOver(*this, *mainWindow);
    }
}

void DrawingDialog::cmdSaveDxf_Click() {
    save(drawing::DrawingFormat::Dxf);
}

void DrawingDialog::cmdSaveSvg_Click() {
    save(drawing::DrawingFormat::Svg);
}

void DrawingDialog::save(drawing::DrawingFormat format) {
    const SaveFormat f = saveFormat(format);
    const QString path =
        m_prompter.saveFileName(QString::fromUtf8(f.dialogTitle), QString::fromUtf8(f.filter),
                                defaultDrawingName(m_inputPath, format));
    if (path.isEmpty()) {
        return;
    }
    const std::string bytes =
        format == drawing::DrawingFormat::Svg ? drawing::svgText(m_sheet) : drawing::dxfBytes(m_sheet);
    if (const Expected<void> written =
            replaceFileAtomically(path.toStdString(), bytes, drawing::kDrawingFileKind);
        !written) {
        m_prompter.message(QString::fromStdString(written.error().message), QString::fromUtf8(kMessageTitle),
                           MessageButtons::Ok);
    }
}

}  // namespace tavrel::ui
