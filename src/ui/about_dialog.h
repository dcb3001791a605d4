// The About dialog frmAbout: program title, version and a few lines about the program.
#pragma once

#include <QDialog>

#include "base/edition.h"

namespace tavrel::ui {

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    // Two of its lines name the codes of `edition`, the edition in force on the main window.
    AboutDialog(QWidget* mainWindow, Edition edition);

  private:
    void Form_Load();

    Edition m_edition;
};

}  // namespace tavrel::ui
