#include "app/Variant.h"
#include "settings/BoolText.h"
#include "settings/ColorTable.h"

#include <QSet>
#include <QTest>

class tst_SettingsTexts : public QObject
{
    Q_OBJECT

private slots:
    void boolToText();
    void textToBool_data();
    void textToBool();
    void textForName_data();
    void textForName();
    void nameForText_data();
    void nameForText();
    void tableIsOneToOne();
    void dialogOrder();
    void variantEqualsTrue_data();
    void variantEqualsTrue();
};

void tst_SettingsTexts::boolToText()
{
    // Other programs and hand edits expect exactly these letters.
    QCOMPARE(BoolText::fromBool(true), QStringLiteral("True"));
    QCOMPARE(BoolText::fromBool(false), QStringLiteral("False"));
    QVERIFY(BoolText::toBool(BoolText::fromBool(true)));
    QVERIFY(!BoolText::toBool(BoolText::fromBool(false)));
}

void tst_SettingsTexts::textToBool_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("value");

    QTest::newRow("True as written") << "True" << true;
    QTest::newRow("False as written") << "False" << false;
    QTest::newRow("hand-edited lower-case true") << "true" << true;
    QTest::newRow("hand-edited upper-case TRUE") << "TRUE" << true;
    QTest::newRow("blanks around True") << " True " << true;
    QTest::newRow("hand-edited lower-case false") << "false" << false;
    QTest::newRow("yes") << "yes" << false;
    QTest::newRow("1") << "1" << false;
    QTest::newRow("-1, the numeric True") << "-1" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("Truee") << "Truee" << false;
    QTest::newRow("True with a dot") << "True." << false;
    QTest::newRow("two words") << "True False" << false;
}

void tst_SettingsTexts::textToBool()
{
    QFETCH(QString, text);
    QFETCH(bool, value);
    QCOMPARE(BoolText::toBool(text), value);
}

void tst_SettingsTexts::textForName_data()
{
    // clang-format off
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    QTest::newRow("Blue") << "Blue" << "&HFF0000";
    QTest::newRow("Red") << "Red" << "&HFF";
    QTest::newRow("Green") << "Green" << "&HFF00";
    QTest::newRow("Yellow") << "Yellow" << "&HFFFF";
    QTest::newRow("Purple") << "Purple" << "&HFF00FF";
    QTest::newRow("Black") << "Black" << "&H80000008";
    QTest::newRow("Orange") << "Orange" << "&H000080FF";
    QTest::newRow("LightBlue") << "LightBlue" << "&HFFFF00";
    // An empty text means "write nothing for the colour".
    QTest::newRow("no name chosen") << "" << "";
    QTest::newRow("lower-case blue") << "blue" << "";
    QTest::newRow("upper-case BLUE") << "BLUE" << "";
    QTest::newRow("Light Blue with a blank") << "Light Blue" << "";
    QTest::newRow("blank before Blue") << " Blue" << "";
    QTest::newRow("a colour text is not a name") << "&HFF0000" << "";
    // clang-format on
}

void tst_SettingsTexts::textForName()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QCOMPARE(ColorTable::textForName(name), text);
}

void tst_SettingsTexts::nameForText_data()
{
    // clang-format off
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");

    // Every table text finding its own name is covered by tableIsOneToOne.
    QTest::newRow("&H80000008") << "&H80000008" << "Black";
    // Whole texts are compared, not the colours they name.
    QTest::newRow("lower-case &h") << "&hFF0000" << "";
    QTest::newRow("lower-case digits") << "&Hff0000" << "";
    QTest::newRow("extra leading zeros") << "&H00FF0000" << "";
    QTest::newRow("orange without its leading zeros") << "&H80FF" << "";
    QTest::newRow("decimal blue") << "16711680" << "";
    QTest::newRow("the mixture black") << "&H0" << "";
    QTest::newRow("a name is not a text") << "blue" << "";
    QTest::newRow("trailing blank") << "&HFF0000 " << "";
    QTest::newRow("empty") << "" << "";
    // clang-format on
}

void tst_SettingsTexts::nameForText()
{
    QFETCH(QString, text);
    QFETCH(QString, name);
    QCOMPARE(ColorTable::nameForText(text), name);
}

void tst_SettingsTexts::tableIsOneToOne()
{
    QSet<QString> texts;
    for (const QString& name : ColorTable::dialogOrder()) {
        const QString text = ColorTable::textForName(name);
        QVERIFY2(!text.isEmpty(), qPrintable(name));
        QCOMPARE(ColorTable::nameForText(text), name);
        texts.insert(text);
    }
    QCOMPARE(texts.size(), 8);
}

void tst_SettingsTexts::dialogOrder()
{
    // The list's order differs on purpose from the order the lookups test.
    const QStringList expected{"Red",    "Blue",  "Yellow", "Green",
                               "Purple", "Black", "Orange", "LightBlue"};
    QCOMPARE(ColorTable::dialogOrder(), expected);
}

void tst_SettingsTexts::variantEqualsTrue_data()
{
    QTest::addColumn<Variant>("value");
    QTest::addColumn<bool>("equalsTrue");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << Variant() << false << "";
    QTest::newRow("Boolean True") << Variant(true) << true << "True";
    QTest::newRow("Boolean False") << Variant(false) << false << "False";
    QTest::newRow("text True") << Variant(QStringLiteral("True")) << true << "True";
    QTest::newRow("text False") << Variant(QStringLiteral("False")) << false << "False";
    QTest::newRow("hand-edited lower-case true")
        << Variant(QStringLiteral("true")) << true << "true";
    QTest::newRow("text -1") << Variant(QStringLiteral("-1")) << false << "-1";
    QTest::newRow("empty text") << Variant(QString()) << false << "";
}

void tst_SettingsTexts::variantEqualsTrue()
{
    QFETCH(Variant, value);
    QFETCH(bool, equalsTrue);
    QFETCH(QString, text);
    QCOMPARE(value.equalsTrue(), equalsTrue);
    // A text is kept as read, so it is written back unchanged.
    QCOMPARE(value.text(), text);
}

QTEST_GUILESS_MAIN(tst_SettingsTexts)
#include "tst_settingstexts.moc"
