// The About dialog frmAbout, built from its layout table; modal, closed by its one button.
#include "ui/about_dialog.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "base/version.h"
#include "calc/design_code.h"
#include "ui/control_names.h"
#include "ui/form_layout.h"
#include "ui/layouts.h"

namespace tavrel::ui {

namespace {

const QColor kIconBackground{192, 192, 192};
const QColor kSeparatorColour{128, 128, 128};
constexpr int kIconPixels = 32;

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The program icon: a cover slab resting on two side walls, seen along the culvert.
QPixmap programIcon() {
    QPixmap icon(kIconPixels, kIconPixels);
    icon.fill(kIconBackground);
    QPainter painter(&icon);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(90, 90, 90));
    painter.drawRect(3, 9, 26, 5);    // slab
    painter.drawRect(5, 14, 5, 14);   // left side wall
    painter.drawRect(22, 14, 5, 14);  // right side wall
    painter.setBrush(QColor(150, 110, 60));
    painter.drawRect(1, 4, 30, 5);  // earth fill over the slab
    return icon;
}

// The icon box at its designed place, on the grey of the icon's own background.
QLabel& addIconBox(FormSurface& surface) {
    auto* icon = new QLabel(&surface);
    icon->setObjectName(toQString(frmAbout::picIcon));
    icon->setGeometry(toPixels(kAboutIcon, surface.logicalDpi()));
    icon->setAutoFillBackground(true);
    QPalette palette = icon->palette();
    palette.setColor(QPalette::Window, kIconBackground);
    icon->setPalette(palette);
    icon->setAlignment(Qt::AlignCenter);
    icon->setPixmap(programIcon());
    return *icon;
}

}  // namespace

AboutDialog::AboutDialog(QWidget* mainWindow, Edition edition) : QDialog(mainWindow), m_edition(edition) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("关于 ") + QString::fromUtf8(kProgramTitle));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(windowFont(logicalDpi(*this)));
    setModal(true);

    FormSurface& surface = createSurface(*this, kAboutClientArea, aboutDialogTables());
    const TwipsLine separator[] = {kAboutSeparator};
    surface.addLines(separator, kSeparatorColour);
    setFixedSize(surface.size());
    const QLabel& icon = addIconBox(surface);

    // The labels are black; the version keeps the system text colour.
    for (QLabel* label : surface.findChildren<QLabel*>()) {
        if (label != &icon && label->objectName() != toQString(frmAbout::lblVersion)) {
            setTextColour(*label, Qt::black);
        }
    }

    auto& ok = control<QPushButton>(*this, frmAbout::cmdOK);
    ok.setDefault(true);  // Enter; Esc rejects the dialog, the same as the button
    connect(&ok, &QPushButton::clicked, this, &QDialog::accept);
    ok.setFocus();

    Form_Load();
}

void AboutDialog::Form_Load() {
    if (parentWidget()) {
        centreOver(*this, *parentWidget());
    }
    const DesignCode& code = designCode(m_edition);
    control<QLabel>(*this, frmAbout::lblTitle).setText(QString::fromUtf8(kProgramTitle));
    control<QLabel>(*this, frmAbout::lblVersion)
        .setText(QStringLiteral("版本 ") + QString::fromUtf8(kVersion));
    control<QLabel>(*this, frmAbout::Label1)
        .setText(QStringLiteral("荷载组合：") + text(code.titles.loadsCode));
    control<QLabel>(*this, frmAbout::Label3)
        .setText(QStringLiteral("构件验算：") + text(code.titles.membersCode));
}

}  // namespace tavrel::ui
