// The stirrup dialog Form3, built from its layout table; the check itself is StirrupDesign's.
#include "ui/stirrup_dialog.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "base/numbers.h"
#include "base/tables.h"
#include "ui/control_names.h"
#include "ui/form_layout.h"
#include "ui/layouts.h"

namespace tavrel::ui {

namespace {

constexpr const char* kCaption = "箍筋信息";

}  // namespace

StirrupDialog::StirrupDialog(StirrupDesign& design, Prompter& prompter,
                             std::function<std::string()> mainConcreteGrade, QWidget* mainWindow)
    : QDialog(mainWindow),
      m_design(design),
      m_prompter(prompter),
      m_mainConcreteGrade(std::move(mainConcreteGrade)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QString::fromUtf8(kCaption));
    setFont(windowFont(logicalDpi(*this)));
    setModal(false);

    resize(createSurface(*this, kStirrupClientArea, stirrupDialogTables()).size());

    connect(&control<QComboBox>(*this, Form3::CboGJDJ), &QComboBox::currentIndexChanged, this,
            &StirrupDialog::CboGJDJ_Click);
    connect(&control<QComboBox>(*this, Form3::CboGJZJ), &QComboBox::currentIndexChanged, this,
            &StirrupDialog::CboGJZJ_Click);
    connect(&control<QPushButton>(*this, Form3::Command1), &QPushButton::clicked, this,
            &StirrupDialog::Command1_Click);

    Form_Load();
}

// Centre, fill the two lists (the grades of the edition in force), select their defaults, then the
// design's own load step.
void StirrupDialog::Form_Load() {
    if (parentWidget()) {
        centreOver(*this, *parentWidget());
    }
    auto& grades = control<QComboBox>(*this, Form3::CboGJDJ);
    auto& diameters = control<QComboBox>(*this, Form3::CboGJZJ);
    for (const StirrupGrade& grade : m_design.gradeEntries()) {
        grades.addItem(toQString(grade.name));
    }
    for (const StirrupSize& size : stirrupSizes()) {
        diameters.addItem(QString::fromStdString(formatGeneral(size.diameter)));
    }
    grades.setCurrentIndex(grades.findText(toQString(m_design.defaultGrade())));
    diameters.setCurrentIndex(diameters.findText(toQString(kDefaultStirrupDiameter)));
    control<QLineEdit>(*this, Form3::txtZDJL).setText(QString::fromStdString(m_design.load()));
}

void StirrupDialog::CboGJDJ_Click() {
    m_design.selectGrade(control<QComboBox>(*this, Form3::CboGJDJ).currentText().toStdString());
}

void StirrupDialog::CboGJZJ_Click() {
    m_design.selectDiameter(control<QComboBox>(*this, Form3::CboGJZJ).currentText().toStdString());
}

void StirrupDialog::Command1_Click() {
    QLineEdit& spacing = control<QLineEdit>(*this, Form3::txtGJJJ);
    const Expected<std::string, Refusal> vcsText =
        m_design.press(spacing.text().toStdString(), m_mainConcreteGrade());
    if (!vcsText) {
        m_prompter.message(QString::fromStdString(vcsText.error().message), QString::fromUtf8(kMessageTitle),
                           MessageButtons::Ok);
        spacing.setEnabled(true);
        spacing.setFocus();
        return;
    }
    control<QLineEdit>(*this, Form3::txtJLKL).setText(QString::fromStdString(*vcsText));
}

void StirrupDialog::done(int result) {
    if (!m_unloaded) {
        m_unloaded = true;
        emit unloaded(m_design.close(control<QLineEdit>(*this, Form3::txtJLKL).text().toStdString()));
    }
    QDialog::done(result);
    deleteLater();
}

// The dialog has no cancel button: Esc does not close it.
void StirrupDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace tavrel::ui
