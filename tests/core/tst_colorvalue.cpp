#include "ui/ColorValue.h"

#include <QTest>

// A colour text as the store holds it, or as a hand edit left it, to the 32-bit colour it names:
// red in the low byte, then green, then blue; the top bit names a system colour.
class tst_ColorValue : public QObject
{
    Q_OBJECT

private slots:
    void fromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("color"); // -1: none
        // clang-format off
        QTest::newRow("Blue") << "&HFF0000" << qint64(0xFF0000);
        QTest::newRow("Orange, with leading zeros") << "&H000080FF" << qint64(0x80FF);
        QTest::newRow("lower case") << "&h80ff" << qint64(0x80FF);
        QTest::newRow("decimal green") << "65280" << qint64(0xFF00);
        QTest::newRow("blanks around") << " &HFF\t" << qint64(0xFF);
        QTest::newRow("window text, a system colour") << "&H80000008" << qint64(0x80000008);
        QTest::newRow("the largest, decimal") << "4294967295" << qint64(0xFFFFFFFF);
        QTest::newRow("empty") << "" << qint64(-1);
        QTest::newRow("a word") << "xyz" << qint64(-1);
        QTest::newRow("&H alone") << "&H" << qint64(-1);
        QTest::newRow("a blank inside") << "&H FF" << qint64(-1);
        QTest::newRow("a sign") << "-1" << qint64(-1);
        QTest::newRow("beyond 32 bits") << "&H100000000" << qint64(-1);
        QTest::newRow("beyond 32 bits, decimal") << "4294967296" << qint64(-1);
        // clang-format on
    }

    void fromText()
    {
        QFETCH(QString, text);
        QFETCH(qint64, color);
        const std::optional<quint32> value = ColorValue::fromText(text);
        QCOMPARE(value ? qint64(*value) : -1, color);
    }
};

QTEST_GUILESS_MAIN(tst_ColorValue)
#include "tst_colorvalue.moc"
