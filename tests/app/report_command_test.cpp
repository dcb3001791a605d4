// The report button: every click a new report file in the report folder, opened with the desktop, and
// one message with the reason and the path when the file cannot be written or opened; the stirrup check
// printed only when it was made for the calculation shown.
#include <QDialog>
#include <QFileInfo>
#include <QTest>

#include "app_test_support.h"
#include "zip_entries.h"

using namespace tavrel;
using namespace tavrel::app;
using namespace tavrel::app::test;

class ReportCommandTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<ProgramFixture> f;

    void startAndCalculate() {
        QVERIFY(f->start());
        f->click("Command1");
        QVERIFY(f->get("Command2").isEnabled());
        QVERIFY(f->prompter.messages.empty());
    }

    // Runs the steps of a sequence: "calculate", "press" and "close" (the stirrup dialog's button and
    // close box) and "edit" (the end thickness 90 cm, a section that still fails the shear check).
    void run(const QStringList& steps) {
        for (const QString& step : steps) {
            auto* stirrups = f->window().findChild<QDialog*>("Form3");
            if (step == "calculate") {
                f->click("Command1");
            } else if (step == "edit") {
                f->type("txtBDH", QStringLiteral("90"));
            } else if (step == "press") {
                QVERIFY(stirrups);
                QTest::mouseClick(&ui::control<QAbstractButton>(*stirrups, "Command1"), Qt::LeftButton);
            } else if (step == "close") {
                QVERIFY(stirrups);
                stirrups->close();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
        }
    }

    // The body of the report the last click wrote.
    std::string reportBody() const {
        if (f->prompter.openedDocuments.empty()) {
            return {};
        }
        return tavrel::test::unzip(f->prompter.openedDocuments.back().toStdString())["word/document.xml"];
    }

  private slots:
    void init() { f = std::make_unique<ProgramFixture>(); }
    void cleanup() { f.reset(); }

    void eachClickWritesANewReportAndOpensIt() {
        startAndCalculate();
        f->click("Command2");
        f->click("Command2");
        QVERIFY(f->prompter.messages.empty());
        QCOMPARE(f->prompter.openedDocuments.size(), std::size_t{2});
        const QString first = f->prompter.openedDocuments[0];
        const QString second = f->prompter.openedDocuments[1];
        QVERIFY(first != second);
        for (const QString& path : {first, second}) {
            QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(f->folders.reports).absoluteFilePath());
            QVERIFY(path.endsWith(QStringLiteral(".docx")));
            QVERIFY(readBytes(path).startsWith("PK"));
        }
        QCOMPARE(QDir(f->folders.reports).entryList(QDir::Files | QDir::Hidden).size(), 2);
        QVERIFY(f->get("Command2").isEnabled());
    }

    // fcd 0.5 MPa, ftd 0.1 MPa and three bars under the custom load fail the shear check (Vc 64.13 kN), and
    // R235 10 mm stirrups at 10 cm carry it. Stirrup values count only when pressed for the section shown.
    void theReportPrintsOnlyAStirrupCheckMadeForTheCalculationShown_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("checked");
        QTest::newRow("pressed, closed") << QStringList{"calculate", "press", "close"} << true;
        QTest::newRow("closed unpressed") << QStringList{"calculate", "close"} << false;
        QTest::newRow("pressed, closed, recalculated, closed unpressed")
            << QStringList{"calculate", "press", "close", "edit", "calculate", "close"} << false;
        QTest::newRow("pressed, closed, recalculated, pressed again")
            << QStringList{"calculate", "press", "close", "edit", "calculate", "press", "close"} << true;
        QTest::newRow("pressed, recalculated with the dialog open")
            << QStringList{"calculate", "press", "edit", "calculate"} << false;
    }
    void theReportPrintsOnlyAStirrupCheckMadeForTheCalculationShown() {
        QFETCH(QStringList, steps);
        QFETCH(bool, checked);
        QVERIFY(f->start());
        f->click("Option3");
        f->click("chkHNTKY");
        f->click("chkHNTKL");
        f->type("txtHNTKY", QStringLiteral("0.5"));
        f->type("txtHNTKL", QStringLiteral("0.1"));
        f->type("txtZJGS", QStringLiteral("3"));
        run(steps);
        f->click("Command2");

        const std::string body = reportBody();
        QVERIFY(body.find("斜截面抗剪承载力不满足规范5.2.10要求") != std::string::npos);
        QCOMPARE(body.find("拟用箍筋为R235级钢筋，直径为10mm，箍筋间距为10cm") != std::string::npos, checked);
        QCOMPARE(body.find("斜截面抗剪承载力满足规范要求") != std::string::npos, checked);
        const std::size_t missing =
            body.find("未进行箍筋抗剪承载力验算：请在箍筋信息窗口输入箍筋数据并计算后重新生成计算书");
        QCOMPARE(missing != std::string::npos, !checked);
        if (!checked) {
            const std::size_t run = body.rfind("<w:r>", missing);
            QVERIFY(body.substr(run, missing - run).find("w:val=\"FF0000\"") != std::string::npos);
        }
        QVERIFY(body.find("6.裂缝宽度计算") != std::string::npos);
    }

    void aReportNothingCanOpenGetsOneMessageNamingItsPath() {
        startAndCalculate();
        f->prompter.documentOpens = false;
        f->click("Command2");
        QCOMPARE(f->prompter.messages.size(), std::size_t{1});
        const ui::test::AskedMessage& message = f->prompter.messages[0];
        QCOMPARE(message.title, QStringLiteral("Tavrel"));
        QCOMPARE(message.buttons, ui::MessageButtons::Ok);
        QCOMPARE(f->prompter.openedDocuments.size(), std::size_t{1});
        QVERIFY(message.text.contains(f->prompter.openedDocuments[0]));
        QVERIFY(QFileInfo(f->prompter.openedDocuments[0]).isFile());
    }

    // The report is complete but for its figure, and opens; then one message says which figure and why.
    void aReportWithoutItsFigureOpensAndThenSaysWhichFigureIsMissing() {
        f->folders.figures = f->root.filePath("no figures");
        startAndCalculate();
        f->click("Command2");
        QCOMPARE(f->prompter.openedDocuments.size(), std::size_t{1});
        QCOMPARE(f->prompter.messages.size(), std::size_t{1});
        QCOMPARE(f->prompter.messages[0].text, QStringLiteral("计算书中没有示意图：") + f->folders.figures +
                                                   QStringLiteral("/暗涵盖板.JPG（文件不存在）"));
        QCOMPARE(f->prompter.messages[0].title, QStringLiteral("Tavrel"));
        QVERIFY(reportBody().find("裂缝宽度") != std::string::npos);
    }

    void anUnwritableReportFolderGetsOneMessageAndLeavesTheWindowAsItWas() {
        const QString blocker = f->root.filePath("blocker");
        QVERIFY(writeBytes(blocker, "not a folder"));
        f->folders.reports = blocker + QStringLiteral("/reports");
        startAndCalculate();
        const QString moment = f->text("txtKZWJ");
        f->click("Command2");
        QCOMPARE(f->prompter.messages.size(), std::size_t{1});
        QCOMPARE(f->prompter.messages[0].title, QStringLiteral("Tavrel"));
        QVERIFY(f->prompter.messages[0].text.contains(f->folders.reports));
        QVERIFY(f->prompter.openedDocuments.empty());
        QCOMPARE(readBytes(blocker), QByteArray("not a folder"));
        QCOMPARE(f->text("txtKZWJ"), moment);
        QVERIFY(f->get("Command2").isEnabled());
    }
};

QTEST_MAIN(ReportCommandTest)
#include "report_command_test.moc"
