#include "UrlCatcher.h"
#include "about/ShellExecute.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QTest>
#include <QUrl>

class tst_ShellExecute : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init() { m_catcher.opened.clear(); }

    void open_data();
    void open();

private:
    UrlCatcher m_catcher;
};

void tst_ShellExecute::initTestCase()
{
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_catcher, "open");
}

void tst_ShellExecute::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void tst_ShellExecute::open_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("opens");

    const QString address = QStringLiteral("https://vantrel.example/");
    QTest::newRow("Open") << "Open" << address << true;
    QTest::newRow("open in lower case") << "open" << address << true;
    QTest::newRow("OPEN in upper case") << "OPEN" << address << true;
    QTest::newRow("a page below the address") << "Open"
                                              << "https://vantrel.example/a?b=c" << true;
    QTest::newRow("another operation") << "print" << address << false;
    QTest::newRow("no operation") << "" << address << false;
    QTest::newRow("operation with blanks") << " Open" << address << false;
    QTest::newRow("nothing to open") << "Open"
                                     << "" << false;
}

void tst_ShellExecute::open()
{
    QFETCH(QString, operation);
    QFETCH(QString, file);
    QFETCH(bool, opens);

    const long result = ShellExecuteA(0, operation, file, QString(),
                                      QCoreApplication::applicationDirPath(), SW_SHOWNORMAL);

    QCOMPARE(result > 32, opens);
    QVERIFY(result > 0);
    if (opens)
        QCOMPARE(m_catcher.opened, QList<QUrl>{QUrl(file)});
    else
        QVERIFY(m_catcher.opened.isEmpty());
}

QTEST_MAIN(tst_ShellExecute)
#include "tst_shellexecute.moc"
