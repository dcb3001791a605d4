// The drawing dialog frmDrawing: the slab's reinforcement drawing painted from the drawing model, and the
// buttons that save it as DXF or SVG.
#pragma once

#include <QDialog>

#include "design/bar_schedule.h"
#include "drawing/drawing.h"
#include "drawing/drawing_files.h"
#include "model/project_info.h"
#include "ui/prompter.h"

namespace tavrel::ui {

// The default file name of the drawing: "{input base name}_钢筋构造图.dxf" beside the input, or
// "盖板钢筋构造图.dxf" for an unnamed input.
QString defaultDrawingName(const QString& inputPath, drawing::DrawingFormat format);

class DrawingDialog : public QDialog {
    Q_OBJECT
  public:
    // `schedule` is drawn (no refusal); `project` fills the title block; `inputPath` names the input
    // file, empty when it has none.
    DrawingDialog(const BarSchedule& schedule, const ProjectInfo& project, const QString& inputPath,
                  Prompter& prompter, QWidget* mainWindow);

  public slots:
    void cmdSaveDxf_Click();
    void cmdSaveSvg_Click();

  private:
    void save(drawing::DrawingFormat format);

    drawing::Drawing m_sheet;
    QString m_inputPath;
    Prompter& m_prompter;
};

}  // namespace tavrel::ui
