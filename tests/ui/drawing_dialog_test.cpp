// Widget tests of the drawing dialog: the Tools menu entry follows the report button, a refused slab gets
// its reason in a message box, and the preview saves the drawing in both formats through the scripted
// file dialogs, signed and dated by the window's project, with the lifting-ring warning once and the
// platform's message when a save fails.
#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>

#include "ui/drawing_dialog.h"
#include "ui_test_support.h"

using namespace tavrel;
using namespace tavrel::ui;
using namespace tavrel::ui::test;

class DrawingDialogTest : public QObject {
    Q_OBJECT

  private:
    MainWindowFixture f;

    QAction& drawingItem() const { return *f.window->findChild<QAction*>("mnuToolsDrawing"); }
    static void click(QDialog& dialog, std::string_view name) {
        QTest::mouseClick(&control<QAbstractButton>(dialog, name), Qt::LeftButton);
    }
    int messagesContaining(const QString& part) const {
        return static_cast<int>(std::ranges::count_if(
            f.prompter.messages, [&](const AskedMessage& asked) { return asked.text.contains(part); }));
    }

    static QByteArray fileText(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

  private slots:
    void init() { QVERIFY(f.restart()); }
    void cleanup() { f.window.reset(); }

    void theEntryStandsBelowDesignAndFollowsTheReportButton() {
        QCOMPARE(drawingItem().text(), QStringLiteral("钢筋构造图(&R)..."));
        const QList<QAction*> tools = f.window->findChild<QMenu*>("mnuTools")->actions();
        QCOMPARE(tools.indexOf(&drawingItem()),
                 tools.indexOf(f.window->findChild<QAction*>("mnuToolsDesign")) + 1);
        QVERIFY(!drawingItem().isEnabled());
        f.calculate();
        QVERIFY(f.get("Command2").isEnabled());
        QVERIFY(drawingItem().isEnabled());
        f.window->findChild<QAction*>("mnuCode2018")->trigger();  // another edition greys the results
        QVERIFY(!f.get("Command2").isEnabled());
        QVERIFY(!drawingItem().isEnabled());
    }

    void aRefusedSlabGetsItsReasonInAMessageBoxAndNoDialog() {
        f.enterSectionFailingShear();
        f.calculate();
        const std::size_t before = f.prompter.messages.size();
        drawingItem().trigger();
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(f.prompter.messages.size(), before + 1);
        const AskedMessage& asked = f.prompter.messages.back();
        QVERIFY2(asked.text.contains(QStringLiteral("不能出图")) ||
                     asked.text.contains(QStringLiteral("本版本不绘制")),
                 qPrintable(asked.text));
        QCOMPARE(asked.title, QString::fromUtf8(kMessageTitle));
        QCOMPARE(asked.buttons, MessageButtons::Ok);
    }

    void thePreviewSavesBothFormatsAndSaysWhenASaveFails() {
        QTemporaryDir folder;
        const QString dxf = folder.filePath(QStringLiteral("sheet.dxf"));
        const QString svg = folder.filePath(QStringLiteral("sheet.svg"));
        const QString taken = folder.filePath(QStringLiteral("taken.dxf"));
        QVERIFY(QDir().mkdir(taken));
        f.prompter.fileNames = {dxf, svg, taken};
        ProjectInfo project;
        project.calculatedBy = "张三";
        project.issueDate = "2024-05-06";
        f.window->setProject(project, ReportFormat::Original);
        f.calculate();
        f.showModal("mnuToolsDrawing", [](QDialog& dialog) {
            QCOMPARE(dialog.objectName(), QStringLiteral("frmDrawing"));
            QCOMPARE(dialog.windowTitle(), QStringLiteral("钢筋构造图"));
            QVERIFY(dialog.findChild<QWidget*>("picSheet")->isVisible());
            click(dialog, "cmdSaveDxf");
            click(dialog, "cmdSaveSvg");
            click(dialog, "cmdSaveDxf");
            click(dialog, "cmdClose");
        });
        QCOMPARE(f.prompter.fileDialogs.size(), std::size_t{3});
        QCOMPARE(f.prompter.fileDialogs[0].initialName, QStringLiteral("盖板钢筋构造图.dxf"));
        QCOMPARE(f.prompter.fileDialogs[1].initialName, QStringLiteral("盖板钢筋构造图.svg"));
        QVERIFY(fileText(dxf).contains("AC1015"));
        QVERIFY(fileText(svg).contains("viewBox=\"0 0 420 297\""));
        QVERIFY(fileText(svg).contains(">张三</text>"));  // the window's project signs the title block
        QVERIFY(fileText(svg).contains(">2024.05</text>"));
        QCOMPARE(messagesContaining(QStringLiteral("本图未设吊环")), 1);  // the default slab is too heavy
        QCOMPARE(messagesContaining(QStringLiteral("钢筋构造图文件无法保存为")), 1);
    }

    void theDefaultNameFollowsTheInputFile() {
        QCOMPARE(defaultDrawingName(QStringLiteral("/work/涵洞/K1+200.tvrl"), drawing::DrawingFormat::Svg),
                 QStringLiteral("/work/涵洞/K1+200_钢筋构造图.svg"));
    }
};

QTEST_MAIN(DrawingDialogTest)
#include "drawing_dialog_test.moc"
