// The sheet of a drawing painted on a widget: fitted, on white paper, from the same model the DXF and SVG
// writers read.
#pragma once

#include <QWidget>

#include "drawing/drawing.h"

class QPainter;

namespace tavrel::ui {

// Paints the drawing into `target` (device pixels), fitted and centred, on white paper.
void paintDrawing(QPainter& painter, const drawing::Drawing& sheet, const QRectF& target);

class SheetView : public QWidget {
  public:
    SheetView(drawing::Drawing sheet, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    drawing::Drawing m_sheet;
};

}  // namespace tavrel::ui
