#include "about/AppVersion.h"

#include <QTest>

class tst_AppVersion : public QObject
{
    Q_OBJECT

private slots:
    void versionLine_data();
    void versionLine();
    void currentIsTheBuildsRecord();
};

void tst_AppVersion::versionLine_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("line");

    QTest::newRow("first release") << 1 << 0 << 0 << "Version: 1.0 - Build 0";
    QTest::newRow("two-digit revision in full") << 1 << 0 << 45 << "Version: 1.0 - Build 45";
    QTest::newRow("no padding anywhere") << 2 << 7 << 3 << "Version: 2.7 - Build 3";
    QTest::newRow("large numbers") << 10 << 12 << 9999 << "Version: 10.12 - Build 9999";
    QTest::newRow("zero major") << 0 << 9 << 100 << "Version: 0.9 - Build 100";
}

void tst_AppVersion::versionLine()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QFETCH(QString, line);

    const AppVersion version{major, minor, revision};
    QCOMPARE(version.versionLine(), line);
}

void tst_AppVersion::currentIsTheBuildsRecord()
{
    // The numbers the build stamps in, not ones of the record's own.
    const AppVersion current = AppVersion::current();
    QCOMPARE(current.Major, NIMBEX_VERSION_MAJOR);
    QCOMPARE(current.Minor, NIMBEX_VERSION_MINOR);
    QCOMPARE(current.Revision, NIMBEX_VERSION_REVISION);
}

QTEST_GUILESS_MAIN(tst_AppVersion)
#include "tst_appversion.moc"
