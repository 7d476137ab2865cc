#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "support/TempStore.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

namespace {

QString read(const QString& key, const QString& defaultText)
{
    return SettingsStore::Read(Settings::application, Settings::section, key, defaultText);
}

bool write(const QString& key, const QString& text)
{
    return SettingsStore::Write(Settings::application, Settings::section, key, text);
}

// The store's file, read or replaced whole.
QByteArray raw(const TempStore& store, const QByteArray& replacement = {})
{
    QFile file(QDir(store.path()).filePath(QStringLiteral("Vantrel.conf")));
    if (replacement.isNull())
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    return file.open(QIODevice::WriteOnly) && file.write(replacement) ? replacement : "unwritten";
}

} // namespace

class tst_SettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void location();
    void saveKeepsTheUsersOtherLines_data();
    void saveKeepsTheUsersOtherLines();
    void handEdited_data();
    void handEdited();
};

void tst_SettingsStore::location()
{
    TempStore store;
    // Reading an empty store gives the defaults and writes nothing.
    QCOMPARE(read(Settings::colorKey, QStringLiteral("&HFF0000")), QStringLiteral("&HFF0000"));
    QCOMPARE(
        SettingsStore::Read(Settings::application, Settings::section, Settings::cheatKey, false),
        QStringLiteral("False"));
    QVERIFY(QDir(store.path()).isEmpty());

    QVERIFY(write(Settings::cheatKey, QStringLiteral("True")));
    QVERIFY(write(Settings::cheatNumKey, QStringLiteral("False")));
    QVERIFY(write(Settings::colorKey, QStringLiteral("&H000080FF")));
    QCOMPARE(QDir(store.path()).entryList(QDir::Files), QStringList{"Vantrel.conf"});
    QList<QByteArray> lines = raw(store).split('\n');
    std::sort(lines.begin(), lines.end());
    QCOMPARE(lines, (QList<QByteArray>{"", "Cheat=True", "CheatNum=False", "Color=&H000080FF",
                                       "[Nimbex]"}));
    QCOMPARE(read(Settings::colorKey, QString()), QStringLiteral("&H000080FF"));
}

void tst_SettingsStore::saveKeepsTheUsersOtherLines_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after"); // Color saved as &HFFFF

    QTest::newRow("comments and another section")
        << QByteArray("; my clock\n[Other]\nk=v ; note\n\n[Nimbex]\n# colour\nColor=&HFF\n")
        << QByteArray("; my clock\n[Other]\nk=v ; note\n\n[Nimbex]\n# colour\nColor=&HFFFF\n");
    QTest::newRow("a new key joins its section")
        << QByteArray("[Nimbex]\nCheat=True\n[Other]\nx=1\n")
        << QByteArray("[Nimbex]\nCheat=True\nColor=&HFFFF\n[Other]\nx=1\n");
    QTest::newRow("lines it cannot read stay")
        << QByteArray("garbage \x01\x02 line\n[Nimbex]\n=no key\nColor=\"&HFF\n")
        << QByteArray("garbage \x01\x02 line\n[Nimbex]\n=no key\nColor=&HFFFF\n");
    QTest::newRow("Windows line ends stay")
        << QByteArray("[Nimbex]\r\nColor=&HFF\r\n") << QByteArray("[Nimbex]\r\nColor=&HFFFF\r\n");
}

void tst_SettingsStore::saveKeepsTheUsersOtherLines()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    TempStore store;
    QCOMPARE(raw(store, before), before);
    QVERIFY(write(Settings::colorKey, QStringLiteral("&HFFFF")));
    QCOMPARE(raw(store), after);
}

void tst_SettingsStore::handEdited_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected"); // "-" for the default

    const QString color = Settings::colorKey, cheat = Settings::cheatKey;
    // clang-format off
    QTest::newRow("a list") << QByteArray("[Nimbex]\nColor=a, b\n") << color << "-";
    QTest::newRow("quoted") << QByteArray("[Nimbex]\nColor=\"&HFF00\"\n") << color << "&HFF00";
    QTest::newRow("blanks, CRLF") << QByteArray("[Nimbex]\r\nColor = &HFF \r\n") << color << "&HFF";
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[Nimbex]\nColor=&HFF\n") << color << "&HFF";
    QTest::newRow("header without ]") << QByteArray("[Nimbex\nCheat=True\n") << cheat << "True";
    QTest::newRow("unclosed quote hides nothing after it") << QByteArray("[Nimbex]\nColor=\"&HFF\nCheat=True\n") << cheat << "True";
    QTest::newRow("another section") << QByteArray("[Other]\nColor=&HFF\n") << color << "-";
    QTest::newRow("a key in another case") << QByteArray("[Nimbex]\ncheat=True\n") << cheat << "-";
    // clang-format on
    QByteArray noise(64 * 1024, Qt::Uninitialized);
    QRandomGenerator random(7);
    for (char& b : noise)
        b = char(random.bounded(256));
    QTest::newRow("random bytes") << noise << color << "-";
}

void tst_SettingsStore::handEdited()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    TempStore store;
    QCOMPARE(raw(store, bytes), bytes);
    QCOMPARE(read(key, QStringLiteral("-")), expected);
}

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
