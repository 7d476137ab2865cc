#include "app/TickSchedule.h"
#include "settings/Settings.h"
#include "support/TempStore.h"
#include "support/Texts.h"

#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

// The store's file, read or replaced whole.
QByteArray raw(const TempStore& store, const QByteArray& replacement = {})
{
    QFile file(store.file());
    if (replacement.isNull())
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    return file.open(QIODevice::WriteOnly) && file.write(replacement) ? replacement : "unwritten";
}

} // namespace

class tst_Core : public QObject
{
    Q_OBJECT

private slots:
    void tickLandsJustPastTheNextSecond_data();
    void tickLandsJustPastTheNextSecond();
    void handEdited_data();
    void handEdited();
    void versionWithoutADisplay();
};

void tst_Core::tickLandsJustPastTheNextSecond_data()
{
    QTest::addColumn<qint64>("second");
    QTest::newRow("2026-12-06 12:34:56") << qint64(1796560496000);
    QTest::newRow("before the epoch") << qint64(-86'400'000);
}

void tst_Core::tickLandsJustPastTheNextSecond()
{
    QFETCH(qint64, second);
    // Read at any moment of a second, the tick lands just past the next boundary: never before
    // it (the old second again), never a second later (one skipped).
    // The wall-clock timer aims at the boundary itself, the millisecond timer just past it.
    for (int ms = 0; ms < 1000; ++ms) {
        const qint64 landing = second + ms + TickSchedule::msUntilNextTick(second + ms);
        QVERIFY2(landing > second + 1000 && landing < second + 1020,
                 qPrintable(QString::number(ms)));
        const qint64 ns = (second + ms) * 1'000'000 + 999'999;
        QCOMPARE(ns + TickSchedule::nsUntilNextSecond(ns), (second + 1000) * 1'000'000);
    }
}

void tst_Core::handEdited_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("color"); // as read before the save
    QTest::addColumn<bool>("cheat");
    QTest::addColumn<QByteArray>("after"); // once Color is saved; empty: not compared

    const QString blue = QStringLiteral("&HFF0000");
    // clang-format off
    QTest::newRow("comments and another section") << QByteArray("; my clock\n[Other]\nk=v ; note\n\n[Nimbex]\n# colour\nColor=&HFF\n") << "&HFF" << false
        << QByteArray("; my clock\n[Other]\nk=v ; note\n\n[Nimbex]\n# colour\nColor=&HFFFF\n");
    QTest::newRow("a new key joins its section") << QByteArray("[Nimbex]\nCheat=True\n[Other]\nx=1\n") << blue << true
        << QByteArray("[Nimbex]\nCheat=True\nColor=&HFFFF\n[Other]\nx=1\n");
    QTest::newRow("lines it cannot read stay and hide nothing") << QByteArray("bad \x01 line\n[Nimbex]\n=no key\nColor=\"&HFF\nCheat=True\n") << blue << true
        << QByteArray("bad \x01 line\n[Nimbex]\n=no key\nColor=&HFFFF\nCheat=True\n");
    QTest::newRow("blanks, Windows line ends") << QByteArray("[Nimbex]\r\nColor = &HFF \r\n") << "&HFF" << false << QByteArray("[Nimbex]\r\nColor=&HFFFF\r\n");
    QTest::newRow("a list") << QByteArray("[Nimbex]\nColor=a, b\n") << blue << false << QByteArray("[Nimbex]\nColor=&HFFFF\n");
    QTest::newRow("quoted") << QByteArray("[Nimbex]\nColor=\"&HFF00\"\n") << "&HFF00" << false << QByteArray();
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[Nimbex]\nColor=&HFF\n") << "&HFF" << false << QByteArray();
    QTest::newRow("header without ]") << QByteArray("[Nimbex\nCheat=True\n") << blue << true << QByteArray();
    QTest::newRow("another section") << QByteArray("[Other]\nColor=&HFF\n") << blue << false << QByteArray();
    QTest::newRow("a key in another case") << QByteArray("[Nimbex]\ncheat=True\n") << blue << false << QByteArray();
    // clang-format on
}

void tst_Core::handEdited()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, color);
    QFETCH(bool, cheat);
    QFETCH(QByteArray, after);
    TempStore store;
    QCOMPARE(raw(store, before), before);
    QCOMPARE(Settings::color(), color);
    QCOMPARE(Settings::cheat(), cheat);
    QVERIFY(Settings::setColor(QStringLiteral("&HFFFF")));
    QCOMPARE(Settings::color(), QStringLiteral("&HFFFF"));
    if (!after.isEmpty())
        QCOMPARE(raw(store), after);
    // Qt's own reader finds in the saved file every value the program finds there.
    QSettings ours(store.file(), ConfFile::format()), qt(store.file(), QSettings::IniFormat);
    for (const QString& key : ours.allKeys())
        QCOMPARE(qt.value(key), ours.value(key));
}

void tst_Core::versionWithoutADisplay()
{
    // Told on a platform no window could open on (this suite opens none).
    qputenv("QT_QPA_PLATFORM", "none");
    QProcess nimbex;
    nimbex.start(qEnvironmentVariable("NIMBEX_BINARY"), {"--version"});
    QVERIFY(nimbex.waitForFinished());
    QCOMPARE(nimbex.readAll(), Texts::versionOption);
}

QTEST_GUILESS_MAIN(tst_Core)
#include "tst_core.moc"
