#include "settings/Settings.h"
#include "support/TempStore.h"

#include <QFile>
#include <QTest>

// The settings file as a user may have edited it by hand: what is read from it, and what a save
// leaves of it.
class tst_ConfFile : public QObject
{
    Q_OBJECT

private slots:
    void handEdited_data();
    void handEdited();
};

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

void tst_ConfFile::handEdited_data()
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

void tst_ConfFile::handEdited()
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

QTEST_GUILESS_MAIN(tst_ConfFile)
#include "tst_conffile.moc"
