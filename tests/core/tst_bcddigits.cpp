#include "app/BcdDigits.h"

#include <QTest>

// One field of the face from its value: the decimal read-out, and the lamps lit in the tens and
// units columns, written as the sum of their weights.
class tst_BcdDigits : public QObject
{
    Q_OBJECT

private slots:
    void field_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("maxTens");   // 2 for hours, 5 for minutes and seconds
        QTest::addColumn<QString>("shown"); // read-out, tens lamps, units lamps
        QTest::newRow("0") << 0 << 5 << "00 0 0";
        QTest::newRow("one digit: a 0 read-out and no tens lamp") << 7 << 5 << "07 0 7";
        QTest::newRow("10") << 10 << 2 << "10 1 0";
        QTest::newRow("units of 8 and 9") << 48 << 5 << "48 4 8";
        QTest::newRow("hours at their highest") << 23 << 2 << "23 2 3";
        QTest::newRow("minutes at their highest") << 59 << 5 << "59 5 9";
        QTest::newRow("a tens digit beyond the column lights nothing") << 37 << 2 << "37 0 7";
    }

    void field()
    {
        QFETCH(int, value);
        QFETCH(int, maxTens);
        QFETCH(QString, shown);
        const BcdField f = BcdDigits::field(value, maxTens);
        QCOMPARE(QString(f.tensReadout) + f.unitsReadout +
                     QStringLiteral(" %1 %2").arg(f.tensWeights).arg(f.unitsWeights),
                 shown);
    }
};

QTEST_GUILESS_MAIN(tst_BcdDigits)
#include "tst_bcddigits.moc"
