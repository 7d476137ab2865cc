#include "ui/ColorValue.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "support/TempStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTest>

namespace {

QString read(const QString& key, const QString& defaultText)
{
    return SettingsStore::Read(Settings::application, Settings::section, key, defaultText);
}

QString readBool(const QString& key, bool defaultValue)
{
    return SettingsStore::Read(Settings::application, Settings::section, key, defaultValue);
}

bool write(const QString& key, const QString& text)
{
    return SettingsStore::Write(Settings::application, Settings::section, key, text);
}

// Where the program keeps its choices: one file per user, named after the application.
QString storeFile(const TempStore& store)
{
    return QDir(store.path()).filePath("Vantrel.conf");
}

void writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readRaw(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray randomBytes(qsizetype size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator random(seed);
    for (char& b : bytes)
        b = char(random.bounded(256));
    return bytes;
}

} // namespace

class tst_SettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void readSeesAnotherWriter();
    void emptyStore_data();
    void emptyStore();
    void location();
    void rewriteReplacesOneKey();
    void handEdited_data();
    void handEdited();
    void unclosedQuote();
    void saveKeepsTheUsersOtherLines_data();
    void saveKeepsTheUsersOtherLines();
    void writeOverFlawedFile_data();
    void writeOverFlawedFile();
};

void tst_SettingsStore::roundTrip_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");

    QTest::newRow("Orange") << Settings::colorKey << "&H000080FF";
    QTest::newRow("Black, the system colour") << Settings::colorKey << "&H80000008";
    QTest::newRow("Cheat True") << Settings::cheatKey << "True";
    QTest::newRow("CheatNum False") << Settings::cheatNumKey << "False";
    QTest::newRow("text with comma") << Settings::colorKey << "a, b";
    QTest::newRow("text that starts with @") << Settings::colorKey << "@Invalid()";
    QTest::newRow("ini punctuation") << Settings::colorKey << "=;#[]\"\\";
    QTest::newRow("blanks around") << Settings::colorKey << "  &HFF  ";
    QTest::newRow("non-ASCII") << Settings::colorKey << QStringLiteral("Bl\u00E4u \u84DD");
    QTest::newRow("empty text") << Settings::colorKey << "";
}

void tst_SettingsStore::roundTrip()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    TempStore store;
    QVERIFY(write(key, text));
    QCOMPARE(store.other()->value(key).toString(), text);
    QCOMPARE(read(key, QStringLiteral("default")), text);
}

void tst_SettingsStore::readSeesAnotherWriter()
{
    TempStore store;
    // A writer that stays open, as the Options dialog of another instance would.
    const auto writer = store.other();
    writer->setValue(Settings::colorKey, QStringLiteral("&HFF"));
    writer->sync();
    QCOMPARE(read(Settings::colorKey, Settings::defaultColor), QStringLiteral("&HFF"));

    writer->setValue(Settings::colorKey, QStringLiteral("&HFF00"));
    writer->setValue(Settings::cheatKey, QStringLiteral("True"));
    writer->sync();
    QCOMPARE(read(Settings::colorKey, Settings::defaultColor), QStringLiteral("&HFF00"));
    QCOMPARE(readBool(Settings::cheatKey, false), QStringLiteral("True"));

    writer->remove(Settings::colorKey);
    writer->sync();
    QCOMPARE(read(Settings::colorKey, Settings::defaultColor), Settings::defaultColor);
}

void tst_SettingsStore::emptyStore_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("defaultValue");
    QTest::addColumn<QString>("expected");

    const QString cheat = Settings::cheatKey, color = Settings::colorKey;
    // clang-format off
    QTest::newRow("Cheat, Boolean false") << cheat << QVariant(false) << "False";
    QTest::newRow("CheatNum, Boolean false") << Settings::cheatNumKey << QVariant(false) << "False";
    QTest::newRow("Boolean true default") << cheat << QVariant(true) << "True";
    QTest::newRow("Color, blue") << color << QVariant("&HFF0000") << "&HFF0000";
    QTest::newRow("text default kept as given") << color << QVariant(" &hzz ") << " &hzz ";
    QTest::newRow("empty text default") << color << QVariant("") << "";
    // clang-format on
}

void tst_SettingsStore::emptyStore()
{
    QFETCH(QString, key);
    QFETCH(QVariant, defaultValue);
    QFETCH(QString, expected);
    TempStore store;
    const QString got = defaultValue.typeId() == QMetaType::Bool
                            ? readBool(key, defaultValue.toBool())
                            : read(key, defaultValue.toString());
    QCOMPARE(got, expected);
    // Reading leaves the store empty until the user saves.
    QVERIFY(!QFileInfo::exists(storeFile(store)));
}

void tst_SettingsStore::location()
{
    TempStore store;
    QVERIFY(write(Settings::cheatKey, QStringLiteral("True")));
    QVERIFY(write(Settings::cheatNumKey, QStringLiteral("False")));
    QVERIFY(write(Settings::colorKey, QStringLiteral("&H000080FF")));

    const QString file = storeFile(store);
    QCOMPARE(QDir(store.path()).entryList(QDir::Files), QStringList{"Vantrel.conf"});
    const QList<QByteArray> lines = readRaw(file).split('\n');
    QVERIFY(lines.contains("[Nimbex]"));
    QVERIFY(lines.contains("Cheat=True"));
    QVERIFY(lines.contains("CheatNum=False"));
    QVERIFY(lines.contains("Color=&H000080FF"));

    // Exactly the three keys, all in the one section.
    QSettings whole(file, QSettings::IniFormat);
    QCOMPARE(whole.childGroups(), QStringList{"Nimbex"});
    QCOMPARE(whole.childKeys(), QStringList());
    QStringList keys = store.other()->childKeys();
    keys.sort();
    QCOMPARE(keys, (QStringList{"Cheat", "CheatNum", "Color"}));
}

void tst_SettingsStore::rewriteReplacesOneKey()
{
    TempStore store;
    QVERIFY(write(Settings::colorKey, QStringLiteral("&HFF")));
    QVERIFY(write(Settings::cheatKey, QStringLiteral("True")));
    QVERIFY(write(Settings::colorKey, QStringLiteral("&HFF00")));
    QCOMPARE(store.other()->value(Settings::colorKey).toString(), QStringLiteral("&HFF00"));
    QCOMPARE(store.other()->value(Settings::cheatKey).toString(), QStringLiteral("True"));
    QCOMPARE(readRaw(storeFile(store)).count("Color="), 1);
}

void tst_SettingsStore::handEdited_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QString blue = Settings::defaultColor;
    QTest::newRow("empty file") << QByteArray() << Settings::colorKey << blue;
    QTest::newRow("value that is a list")
        << QByteArray("[Nimbex]\nColor=a, b\n") << Settings::colorKey << blue;
    QTest::newRow("quoted text with a comma")
        << QByteArray("[Nimbex]\nColor=\"a, b\"\n") << Settings::colorKey << "a, b";
    QTest::newRow("quoted colour")
        << QByteArray("[Nimbex]\nColor=\"&HFF00\"\n") << Settings::colorKey << "&HFF00";
    QTest::newRow("typed number") << QByteArray(
                                         "[Nimbex]\nColor=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n")
                                  << Settings::colorKey << blue;
    QTest::newRow("invalid marker")
        << QByteArray("[Nimbex]\nColor=@Invalid()\n") << Settings::colorKey << blue;
    QTest::newRow("key without =") << QByteArray("[Nimbex]\nColor\n") << Settings::colorKey << blue;
    QTest::newRow("empty value stays a text")
        << QByteArray("[Nimbex]\nColor=\n") << Settings::colorKey << "";
    QTest::newRow("blanks around = and value")
        << QByteArray("[Nimbex]\nColor = &HFF \n") << Settings::colorKey << "&HFF";
    QTest::newRow("CRLF line ends")
        << QByteArray("[Nimbex]\r\nColor=&HFF\r\n") << Settings::colorKey << "&HFF";
    QTest::newRow("UTF-8 byte order mark")
        << QByteArray("\xEF\xBB\xBF[Nimbex]\nColor=&HFF\n") << Settings::colorKey << "&HFF";
    QTest::newRow("section header without ]")
        << QByteArray("[Nimbex\nCheat=True\n") << Settings::cheatKey << "True";
    QTest::newRow("missing section")
        << QByteArray("Color=&HFF\nCheat=True\n") << Settings::cheatKey << "False";
    QTest::newRow("another section")
        << QByteArray("[Other]\nColor=&HFF\n") << Settings::colorKey << blue;
    // Keys and sections are case-sensitive in this file: an odd-case key is not ours.
    QTest::newRow("cheat=True in lower case")
        << QByteArray("[Nimbex]\ncheat=True\n") << Settings::cheatKey << "False";
    QTest::newRow("CHEAT=True in upper case")
        << QByteArray("[Nimbex]\nCHEAT=True\n") << Settings::cheatKey << "False";
    QTest::newRow("section in lower case")
        << QByteArray("[nimbex]\nCheat=True\n") << Settings::cheatKey << "False";
    // The value's own letter case is kept; the readers decide what it means.
    QTest::newRow("hand-edited lower-case true")
        << QByteArray("[Nimbex]\nCheat=true\n") << Settings::cheatKey << "true";
    QTest::newRow("random bytes") << randomBytes(64 * 1024, 7) << Settings::cheatKey << "False";
    QTest::newRow("random bytes, colour")
        << randomBytes(64 * 1024, 11) << Settings::colorKey << blue;

    constexpr qsizetype fiveMB = 5 * 1024 * 1024;
    QTest::newRow("5 MB of random bytes") << randomBytes(fiveMB, 3) << Settings::colorKey << blue;
    QByteArray big("[Other]\n");
    for (int i = 0; big.size() < fiveMB; ++i)
        big += "k" + QByteArray::number(i) + '=' + QByteArray(100, 'x') + '\n';
    big += "[Nimbex]\nColor=&HFFFF\n";
    QTest::newRow("5 MB file, ours at the end") << big << Settings::colorKey << "&HFFFF";
}

void tst_SettingsStore::handEdited()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    TempStore store;
    writeRaw(storeFile(store), bytes);
    const QString defaultText =
        key == Settings::colorKey ? Settings::defaultColor : QStringLiteral("False");
    QCOMPARE(read(key, defaultText), expected);
}

void tst_SettingsStore::unclosedQuote()
{
    TempStore store;
    const QByteArray damaged("[Nimbex]\nCheat=True\nColor=\"&HFF\nCheatNum=True\n");
    writeRaw(storeFile(store), damaged);
    // One bad line hides nothing around it; the line itself reads as absent.
    QCOMPARE(readBool(Settings::cheatKey, false), QStringLiteral("True"));
    QCOMPARE(readBool(Settings::cheatNumKey, false), QStringLiteral("True"));
    QCOMPARE(read(Settings::colorKey, Settings::defaultColor), Settings::defaultColor);

    // Saving a colour mends that line and leaves the others as they were.
    QVERIFY(write(Settings::colorKey, QStringLiteral("&HFF00")));
    QCOMPARE(readRaw(storeFile(store)),
             QByteArray("[Nimbex]\nCheat=True\nColor=&HFF00\nCheatNum=True\n"));
}

void tst_SettingsStore::saveKeepsTheUsersOtherLines_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("comments and another section")
        << QByteArray("; my clock\n[Other]\nk=v ; note\n\n[Nimbex]\n# colour below\nColor=&HFF\n")
        << Settings::colorKey << "&HFF00"
        << QByteArray(
               "; my clock\n[Other]\nk=v ; note\n\n[Nimbex]\n# colour below\nColor=&HFF00\n");
    QTest::newRow("an unchanged value keeps its spelling")
        << QByteArray("[Nimbex]\nCheat = True\n") << Settings::cheatKey << "True"
        << QByteArray("[Nimbex]\nCheat = True\n");
    QTest::newRow("a new key joins its section")
        << QByteArray("[Nimbex]\nCheat=True\n[Other]\nx=1\n") << Settings::colorKey << "&HFF"
        << QByteArray("[Nimbex]\nCheat=True\nColor=&HFF\n[Other]\nx=1\n");
    QTest::newRow("the section is added at the end")
        << QByteArray("[Other]\nx=1\n") << Settings::colorKey << "&HFF"
        << QByteArray("[Other]\nx=1\n\n[Nimbex]\nColor=&HFF\n");
    QTest::newRow("lines it cannot read stay as they are")
        << QByteArray("garbage \x01\x02 line\n[Nimbex]\n=no key\nColor=&HFF\n")
        << Settings::colorKey << "&HFFFF"
        << QByteArray("garbage \x01\x02 line\n[Nimbex]\n=no key\nColor=&HFFFF\n");
    QTest::newRow("a list value is replaced by the saved text")
        << QByteArray("[Nimbex]\nColor=a, b\n") << Settings::colorKey << "&HFF"
        << QByteArray("[Nimbex]\nColor=&HFF\n");
    QTest::newRow("a key in another letter case is another key")
        << QByteArray("[Nimbex]\ncheat=True\n") << Settings::cheatKey << "False"
        << QByteArray("[Nimbex]\ncheat=True\nCheat=False\n");
    QTest::newRow("Windows line ends stay")
        << QByteArray("[Nimbex]\r\nCheat=True\r\n") << Settings::cheatKey << "False"
        << QByteArray("[Nimbex]\r\nCheat=False\r\n");
}

void tst_SettingsStore::saveKeepsTheUsersOtherLines()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(QByteArray, after);
    TempStore store;
    writeRaw(storeFile(store), before);
    QVERIFY(write(key, text));
    QCOMPARE(readRaw(storeFile(store)), after);
    QCOMPARE(store.other()->value(key).toString(), text);
}

void tst_SettingsStore::writeOverFlawedFile_data()
{
    QTest::addColumn<QByteArray>("bytes");

    // Files an editor may leave behind that the store still reads.
    QTest::newRow("UTF-8 byte order mark") << QByteArray("\xEF\xBB\xBF[Nimbex]\nCheat=True\n");
    QTest::newRow("section header without ]") << QByteArray("[Nimbex\nCheat=True\n");
}

void tst_SettingsStore::writeOverFlawedFile()
{
    QFETCH(QByteArray, bytes);
    TempStore store;
    writeRaw(storeFile(store), bytes);
    // The value is saved, so the caller must not be told otherwise.
    QVERIFY(write(Settings::colorKey, QStringLiteral("&HFF00")));
    QCOMPARE(store.other()->value(Settings::colorKey).toString(), QStringLiteral("&HFF00"));
    QCOMPARE(store.other()->value(Settings::cheatKey).toString(), QStringLiteral("True"));
}

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
