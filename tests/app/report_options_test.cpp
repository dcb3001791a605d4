// The report options dialog (设置 → 计算书选项): its fields typed, saved with the input and opened again;
// a value the file cannot hold refused where it is typed; the design office and the calculating engineer
// offered to the next file; the report command writing the chosen format.
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "app_test_support.h"
#include "zip_entries.h"

using namespace tavrel;
using namespace tavrel::app;
using namespace tavrel::app::test;

namespace {

// Box -> text typed, with spaces and full-width characters that must come back unchanged.
const std::pair<const char*, QString> kTyped[] = {
    {"txtProject", QStringLiteral("  G15 沈海高速　改扩建  ")},
    {"txtStructure", QStringLiteral("K12+345 1-3.0 m 盖板涵")},
    {"txtStage", QStringLiteral("初步设计")},
    {"txtReportNumber", QStringLiteral("JS-2024-017")},
    {"txtRevision", QStringLiteral("Ｂ")},
    {"txtCompany", QStringLiteral("某某交通规划设计院")},
    {"txtCalculatedBy", QStringLiteral("张 三")},
    {"txtCheckedBy", QStringLiteral("李四")},
    {"txtApprovedBy", QStringLiteral("王五")},
    {"txtIssueDate", QStringLiteral("2024-05-06")},
};

QLineEdit& box(QDialog& dialog, const char* name) {
    return ui::control<QLineEdit>(dialog, name);
}

}  // namespace

class ReportOptionsTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<ProgramFixture> f;

    // Opens the dialog from its menu entry; `whileOpen` sees it and must close it.
    void withDialog(const std::function<void(QDialog&)>& whileOpen) {
        bool closed = true;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            whileOpen(*dialog);
            if (dialog->isVisible()) {
                closed = false;
                dialog->reject();
            }
        });
        f->trigger("mnuReportOptions");
        QVERIFY2(closed, "the dialog was still open");
    }

    void typeEveryField() {
        withDialog([](QDialog& dialog) {
            for (const auto& [name, text] : kTyped) {
                box(dialog, name).setText(text);
            }
            QTest::mouseClick(&ui::control<QRadioButton>(dialog, "optFull"), Qt::LeftButton);
            QTest::mouseClick(&ui::control<QAbstractButton>(dialog, "cmdOK"), Qt::LeftButton);
        });
    }

  private slots:
    void init() {
        f = std::make_unique<ProgramFixture>();
        QVERIFY(f->start());
    }
    void cleanup() { f.reset(); }

    void fieldsAndFormatComeBackUnchangedAfterSaveAndOpen() {
        typeEveryField();
        const QString path = f->file("涵洞.tvrl");
        f->prompter.fileNames.push_back(path);
        f->trigger("mnuFileSave");
        QVERIFY(readBytes(path).startsWith(referenceBytes()));
        QVERIFY(f->restart());  // the last input carries them too; open the file over other options
        withDialog([](QDialog& dialog) {
            box(dialog, "txtProject").setText(QStringLiteral("另一个项目"));
            QTest::mouseClick(&ui::control<QAbstractButton>(dialog, "cmdOK"), Qt::LeftButton);
        });
        f->prompter.answers.push_back(ui::Answer::Yes);
        f->prompter.fileNames.push_back(path);
        f->trigger("mnuFileOpen");
        withDialog([](QDialog& dialog) {
            for (const auto& [name, text] : kTyped) {
                QCOMPARE(box(dialog, name).text(), text);
            }
            QVERIFY(ui::control<QRadioButton>(dialog, "optFull").isChecked());
            dialog.reject();
        });
    }

    void aCharacterTheFileCannotHoldIsRefusedByNameAndTheDialogStaysOpen() {
        withDialog([this](QDialog& dialog) {
            box(dialog, "txtCompany").setText(QStringLiteral("某某院😀"));
            QTest::mouseClick(&ui::control<QAbstractButton>(dialog, "cmdOK"), Qt::LeftButton);
            QVERIFY(dialog.isVisible());
            QCOMPARE(f->prompter.messages.size(), std::size_t{1});
            QVERIFY(f->prompter.messages[0].text.contains(QStringLiteral("设计单位")));
            QVERIFY(f->prompter.messages[0].text.contains(QStringLiteral("😀")));
            QCOMPARE(dialog.focusWidget(), &box(dialog, "txtCompany"));
            dialog.reject();
        });
        QCOMPARE(f->window().designInput().project, ProjectInfo{});
    }

    void theDesignOfficeAndTheCalculatingEngineerAreOfferedToTheNextFile() {
        typeEveryField();
        f->prompter.answers.push_back(ui::Answer::Yes);
        f->prompter.fileNames.push_back(f->file("plain.tvrl"));
        writeBytes(f->file("plain.tvrl"), referenceBytes());
        f->trigger("mnuFileOpen");
        QCOMPARE(f->window().designInput().project, ProjectInfo{});
        withDialog([](QDialog& dialog) {
            QCOMPARE(box(dialog, "txtCompany").text(), QStringLiteral("某某交通规划设计院"));
            QCOMPARE(box(dialog, "txtCalculatedBy").text(), QStringLiteral("张 三"));
            QCOMPARE(box(dialog, "txtStage").text(), QStringLiteral("施工图设计"));
            QCOMPARE(box(dialog, "txtRevision").text(), QStringLiteral("A"));
            QCOMPARE(box(dialog, "txtCheckedBy").text(), QString());
            dialog.reject();
        });
    }

    void theReportButtonWritesTheFormatChosen() {
        typeEveryField();
        f->click("Command1");
        f->click("Command2");
        QCOMPARE(f->prompter.openedDocuments.size(), std::size_t{1});
        tavrel::test::Package package = tavrel::test::unzip(f->prompter.openedDocuments[0].toStdString());
        QVERIFY(package.count("word/fontTable.xml"));
        QVERIFY(
            QString::fromStdString(package["word/document.xml"]).contains(QStringLiteral("验算结果汇总表")));
    }
};

QTEST_MAIN(ReportOptionsTest)
#include "report_options_test.moc"
