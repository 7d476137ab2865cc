#include "ui/ColorValue.h"

#include <QTest>

// A colour text as the store holds it, or as a hand edit left it, to the colour it names.
class tst_ColorValue : public QObject
{
    Q_OBJECT

private slots:
    void fromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("color"); // red green blue, a system colour's index, or none
        QTest::newRow("Blue") << "&HFF0000"
                              << "0 0 255";
        QTest::newRow("Orange: bytes blue-green-red, leading zeros") << "&H000080FF"
                                                                     << "255 128 0";
        QTest::newRow("lower case") << "&h80ff"
                                    << "255 128 0";
        QTest::newRow("decimal green") << "65280"
                                       << "0 255 0";
        QTest::newRow("blanks around") << " &HFF\t"
                                       << "255 0 0";
        QTest::newRow("window text, a system colour") << "&H80000008"
                                                      << "system 8";
        QTest::newRow("the largest value") << "4294967295"
                                           << "system 255";
        QTest::newRow("empty") << ""
                               << "none";
        QTest::newRow("a word") << "xyz"
                                << "none";
        QTest::newRow("&H alone") << "&H"
                                  << "none";
        QTest::newRow("a blank inside") << "&H FF"
                                        << "none";
        QTest::newRow("a sign") << "-1"
                                << "none";
        QTest::newRow("beyond 32 bits") << "&H100000000"
                                        << "none";
        QTest::newRow("beyond 32 bits, decimal") << "4294967296"
                                                 << "none";
    }

    void fromText()
    {
        QFETCH(QString, text);
        QFETCH(QString, color);
        const std::optional<quint32> v = ColorValue::fromText(text);
        const auto name = [](quint32 c) {
            return ColorValue::isSystemColor(c) ? QStringLiteral("system %1").arg(c & 0xFF)
                                                : QStringLiteral("%1 %2 %3")
                                                      .arg(ColorValue::red(c))
                                                      .arg(ColorValue::green(c))
                                                      .arg(ColorValue::blue(c));
        };
        QCOMPARE(v ? name(*v) : QStringLiteral("none"), color);
    }
};

QTEST_GUILESS_MAIN(tst_ColorValue)
#include "tst_colorvalue.moc"
