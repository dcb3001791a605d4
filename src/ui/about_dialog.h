// The About dialog frmAbout: program title, version and a few lines about the program.
#pragma once

#include <QDialog>

namespace tavrel::ui {

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* mainWindow);

  private:
    void Form_Load();
};

}  // namespace tavrel::ui
