// The settings store of the running program: section "Settings" of the application "Tavrel", and a
// store that cannot be written reported as such.
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "ui/qt_prompter.h"

using namespace tavrel::ui;

class QtPrompterTest : public QObject {
    Q_OBJECT

  private slots:
    void aSettingIsKeptAsDecimalTextInTheSettingsSectionOfTavrel() {
        QTemporaryDir store;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
        QtPrompter prompter;
        QVERIFY(prompter.writeSetting(QStringLiteral("MainLeft"), QStringLiteral("1275")));
        QVERIFY(prompter.writeSetting(QStringLiteral("MainTop"), QStringLiteral("2040")));

#ifdef Q_OS_WIN
        // Windows keeps the settings of a user in the registry, as text values (REG_SZ).
        const QSettings registry(QStringLiteral("HKEY_CURRENT_USER\\Software\\Tavrel\\Tavrel"),
                                 QSettings::NativeFormat);
        QCOMPARE(registry.value(QStringLiteral("Settings/MainLeft")), QVariant(QStringLiteral("1275")));
        QCOMPARE(registry.value(QStringLiteral("Settings/MainTop")), QVariant(QStringLiteral("2040")));
#else
        QFile file(store.filePath(QStringLiteral("Tavrel/Tavrel.conf")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[Settings]\nMainLeft=1275\nMainTop=2040\n"));
#endif
    }

    void aStoreThatCannotBeWrittenIsReported() {
#ifdef Q_OS_WIN
        QSKIP("the Windows store is the user's registry, which a test cannot make unwritable");
#endif
        QTemporaryDir root;
        QFile blocker(root.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker.fileName());
        QtPrompter prompter;
        QVERIFY(!prompter.writeSetting(QStringLiteral("MainLeft"), QStringLiteral("1275")));
    }
};

QTEST_MAIN(QtPrompterTest)
#include "qt_prompter_test.moc"
