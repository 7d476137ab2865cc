#include "ui/ColorValue.h"

#include <QTest>
#include <optional>

class tst_ColorValue : public QObject
{
    Q_OBJECT

private slots:
    void colours_data();
    void colours();
    void notColours_data();
    void notColours();
};

void tst_ColorValue::colours_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("value");

    // The eight texts the Options dialog stores.
    QTest::newRow("Blue &HFF0000") << "&HFF0000" << 0x00FF0000u;
    QTest::newRow("Red &HFF") << "&HFF" << 0x000000FFu;
    QTest::newRow("Green &HFF00") << "&HFF00" << 0x0000FF00u;
    QTest::newRow("Yellow &HFFFF") << "&HFFFF" << 0x0000FFFFu;
    QTest::newRow("Purple &HFF00FF") << "&HFF00FF" << 0x00FF00FFu;
    QTest::newRow("Black is window text, not 0") << "&H80000008" << 0x80000008u;
    QTest::newRow("Orange with leading zeros") << "&H000080FF" << 0x000080FFu;
    QTest::newRow("LightBlue &HFFFF00") << "&HFFFF00" << 0x00FFFF00u;

    QTest::newRow("all 32 bits") << "&HFFFFFFFF" << 0xFFFFFFFFu;
    QTest::newRow("zero") << "&H0" << 0u;
    QTest::newRow("more leading zeros than 32 bits hold") << "&H0000000000FF" << 0x000000FFu;
    QTest::newRow("lower-case &h") << "&hFF00" << 0x0000FF00u;
    QTest::newRow("lower-case hex digits") << "&Hff00ff" << 0x00FF00FFu;
    QTest::newRow("mixed-case hex digits") << "&HaBcDeF" << 0x00ABCDEFu;
    QTest::newRow("blanks around hex") << "  &HFF \t" << 0x000000FFu;

    QTest::newRow("decimal blue") << "16711680" << 0x00FF0000u;
    QTest::newRow("decimal zero") << "0" << 0u;
    QTest::newRow("decimal with leading zeros") << "000255" << 0x000000FFu;
    QTest::newRow("decimal largest 32-bit") << "4294967295" << 0xFFFFFFFFu;
    QTest::newRow("decimal system colour") << "2147483656" << 0x80000008u;
    QTest::newRow("blanks around decimal") << " 65535 " << 0x0000FFFFu;
}

void tst_ColorValue::colours()
{
    QFETCH(QString, text);
    QFETCH(quint32, value);
    const std::optional<quint32> got = ColorValue::fromText(text);
    QVERIFY2(got.has_value(), qPrintable(text));
    QCOMPARE(*got, value);
}

void tst_ColorValue::notColours_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << "";
    QTest::newRow("blanks only") << "   ";
    QTest::newRow("&H without digits") << "&H";
    QTest::newRow("& alone") << "&";
    QTest::newRow("not a hex digit") << "&HG1";
    QTest::newRow("hex digits without &H") << "FF00";
    QTest::newRow("decimal with letters after") << "12abc";
    QTest::newRow("negative") << "-5";
    QTest::newRow("plus sign") << "+5";
    QTest::newRow("blank inside hex") << "&H FF";
    QTest::newRow("blank inside decimal") << "12 34";
    QTest::newRow("octal form") << "&O17";
    QTest::newRow("C hex form") << "0xFF";
    QTest::newRow("trailing &") << "&HFF0000&";
    QTest::newRow("colour name") << "Blue";
    QTest::newRow("full-width digits") << QStringLiteral("\uFF11\uFF12");
    QTest::newRow("200 decimal digits") << QString(200, QLatin1Char('1'));
    QTest::newRow("200 hex digits") << QStringLiteral("&H") + QString(200, QLatin1Char('F'));
    QTest::newRow("decimal one over 32 bits") << "4294967296";
    QTest::newRow("hex one over 32 bits") << "&H100000000";
    QTest::newRow("more than 64 bits") << "&H1FFFFFFFFFFFFFFFF";
}

void tst_ColorValue::notColours()
{
    QFETCH(QString, text);
    QCOMPARE(ColorValue::fromText(text), std::nullopt);
}

QTEST_GUILESS_MAIN(tst_ColorValue)
#include "tst_colorvalue.moc"
