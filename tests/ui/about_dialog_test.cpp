// Widget tests of the About dialog: its texts, the codes of the edition in force, its place over the main
// window, Enter and Esc.
#include <QDialog>
#include <QPushButton>
#include <QTimer>

#include "ui_test_support.h"

using namespace tavrel::ui;
using namespace tavrel::ui::test;

class AboutDialogTest : public QObject {
    Q_OBJECT

  private:
    MainWindowFixture f;

    // Runs the Help menu's About command; `whileOpen` sees the modal dialog and must close it.
    void showAbout(const std::function<void(QDialog&)>& whileOpen) { f.showModal("mnuHelpAbout", whileOpen); }

  private slots:
    void init() { QVERIFY(f.restart()); }
    void cleanup() { f.window.reset(); }

    void theDialogShowsTitleVersionAndItsButton() {
        showAbout([](QDialog& dialog) {
            QCOMPARE(dialog.objectName(), QStringLiteral("frmAbout"));
            QVERIFY(dialog.isModal());
            QCOMPARE(dialog.windowTitle(), QStringLiteral("关于 Tavrel"));
            QCOMPARE(control<QLabel>(dialog, "lblTitle").text(), QStringLiteral("Tavrel"));
            QCOMPARE(control<QLabel>(dialog, "lblVersion").text(), QStringLiteral("版本 0.2"));
            QCOMPARE(control<QPushButton>(dialog, "cmdOK").text(), QStringLiteral("确定"));
            QVERIFY(control<QPushButton>(dialog, "cmdOK").isDefault());
            QCOMPARE(control<QWidget>(dialog, "cmdOK").geometry(), QRect(283, 192, 98, 23));
            QCOMPARE(dialog.size(), QSize(397, 225));
            dialog.accept();
        });
    }

    void theCodeLinesNameTheEditionInForce_data() {
        QTest::addColumn<QString>("editionItem");
        QTest::addColumn<QString>("loads");
        QTest::addColumn<QString>("members");
        QTest::newRow("2004 pair") << "mnuCode2004"
                                   << "荷载组合：JTG D60-2004"
                                   << "构件验算：JTG D62-2004";
        QTest::newRow("2018 pair") << "mnuCode2018"
                                   << "荷载组合：JTG D60-2015"
                                   << "构件验算：JTG 3362-2018";
    }
    void theCodeLinesNameTheEditionInForce() {
        QFETCH(QString, editionItem);
        QFETCH(QString, loads);
        QFETCH(QString, members);
        f.window->findChild<QAction*>(editionItem)->trigger();
        showAbout([&](QDialog& dialog) {
            QCOMPARE(control<QLabel>(dialog, "Label1").text(), loads);
            QCOMPARE(control<QLabel>(dialog, "Label3").text(), members);
            dialog.accept();
        });
    }

    void theDialogOpensCentredOverTheMovedMainWindow() {
        const QPoint moved = f.window->pos() + QPoint(200, 60);
        f.window->move(moved);
        QTRY_COMPARE(f.window->pos(), moved);
        showAbout([this](QDialog& dialog) {
            const QPoint offset = dialog.frameGeometry().center() - f.window->frameGeometry().center();
            QVERIFY(offset.manhattanLength() <= 2);
            dialog.accept();
        });
    }

    void aKeyClosesTheDialog_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void aKeyClosesTheDialog() {
        QFETCH(int, key);
        showAbout([key](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key(key)); });
    }
};

QTEST_MAIN(AboutDialogTest)
#include "about_dialog_test.moc"
