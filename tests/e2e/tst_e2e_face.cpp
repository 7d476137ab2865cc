#include "E2eSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

namespace {

// The lamps as designed, in twips inside Frame1.
struct LampRow
{
    const char* name;
    int left, top;
};

const LampRow lampTable[] = {
    {"h12", 120, 1920},  {"h11", 120, 2760},  {"h8", 1080, 240},   {"h4", 1080, 1080},
    {"h2", 1080, 1920},  {"h1", 1080, 2760},  {"m14", 2040, 1080}, {"m12", 2040, 1920},
    {"m11", 2040, 2760}, {"m8", 3000, 240},   {"m4", 3000, 1080},  {"m2", 3000, 1920},
    {"m1", 3000, 2760},  {"s14", 3960, 1080}, {"s12", 3960, 1920}, {"s11", 3960, 2760},
    {"s8", 4920, 240},   {"s4", 4920, 1080},  {"s2", 4920, 1920},  {"s1", 4920, 2760},
};

// Frame1 once the window is shown: Left 840, Top 360 twips.
const QPoint frame(840 / 15, 360 / 15);

QRect lampRect(const LampRow& row)
{
    return {frame + QPoint(row.left / 15, row.top / 15), QSize(855 / 15, 735 / 15)};
}

// The read-out row under the lamps, and the weight legends to their right.
const QRect readoutRow(frame + QPoint(120 / 15, 3600 / 15), QSize((4920 + 855 - 120) / 15, 33));
const QRect legendColumn(frame + QPoint(5880 / 15, 360 / 15), QSize(57, (2880 + 495 - 360) / 15));

const QColor white(255, 255, 255);

// Pixels of the area that differ from the colour.
int countOther(const QImage& image, const QRect& area, const QColor& colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixelColor(x, y) != colour;
    }
    return n;
}

bool centresAsExpected(const QImage& shot, const QStringList& lit, const QColor& litColour)
{
    if (shot.size() != QSize(510, 339))
        return false;
    for (const LampRow& row : lampTable) {
        const QColor want = lit.contains(QLatin1String(row.name)) ? litColour : white;
        // Inside the fill, clear of the border and of any digit drawn over it.
        if (shot.pixelColor(lampRect(row).topLeft() + QPoint(4, 4)) != want)
            return false;
    }
    return true;
}

} // namespace

class tst_E2eFace : public QObject
{
    Q_OBJECT

private slots:
    void face_data();
    void face();
    void damagedSettingsFile();
};

void tst_E2eFace::face_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QStringList>("settings"); // key, text, key, text ...
    QTest::addColumn<QStringList>("lit");
    QTest::addColumn<QColor>("litColour");
    QTest::addColumn<bool>("aids");

    const QDate day(2026, 12, 6);
    QTest::newRow("09:05:07, empty store")
        << QDateTime(day, QTime(9, 5, 7)) << QStringList()
        << QStringList{"h8", "h1", "m4", "m1", "s4", "s2", "s1"} << QColor(0, 0, 255) << false;
    QTest::newRow("23:59:59, empty store")
        << QDateTime(day, QTime(23, 59, 59)) << QStringList()
        << QStringList{"h12", "h2", "h1", "m14", "m11", "m8", "m1", "s14", "s11", "s8", "s1"}
        << QColor(0, 0, 255) << false;
    QTest::newRow("20:45:58, red with both aids")
        << QDateTime(day, QTime(20, 45, 58))
        << QStringList{"Color", "&HFF", "Cheat", "True", "CheatNum", "True"}
        << QStringList{"h12", "m14", "m1", "m4", "s11", "s14", "s8"} << QColor(255, 0, 0) << true;
}

void tst_E2eFace::face()
{
    QFETCH(QDateTime, now);
    QFETCH(QStringList, settings);
    QFETCH(QStringList, lit);
    QFETCH(QColor, litColour);
    QFETCH(bool, aids);
    QVERIFY2(QFile::exists(E2eSupport::binary()), "NIMBEX_BINARY names no program");

    E2eSupport app;
    for (qsizetype i = 0; i + 1 < settings.size(); i += 2)
        app.seedSetting(settings[i], settings[i + 1]);
    app.setFrozenTime(now);
    QVERIFY(app.start());
    const QString window = app.waitForWindow();
    QVERIFY2(!window.isEmpty(), app.output().constData());

    // The first tick follows within a second; give the window manager time to settle too.
    QTest::qWait(1500);
    QImage shot;
    for (int tries = 0; tries < 25; ++tries) {
        shot = E2eSupport::grabClient(window);
        if (centresAsExpected(shot, lit, litColour))
            break;
        QTest::qWait(200);
    }
    const QString name = QString::fromLatin1(QTest::currentDataTag())
                             .replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), "-");
    shot.save(QDir(QCoreApplication::applicationDirPath()).filePath("e2e-face-" + name + ".png"));
    QVERIFY(app.isRunning());
    QCOMPARE(shot.size(), QSize(510, 339));

    for (const LampRow& row : lampTable) {
        const QRect r = lampRect(row);
        const QColor want = lit.contains(QLatin1String(row.name)) ? litColour : white;
        QCOMPARE(shot.pixelColor(r.topLeft() + QPoint(4, 4)), want);
        const QRect inside = r.adjusted(1, 1, -1, -1);
        if (aids) {
            // A "0" or "1" is drawn in every lamp.
            QVERIFY2(countOther(shot, inside, want) > 20, row.name);
        } else {
            QCOMPARE(shot.pixelColor(r.center()), want);
            QCOMPARE(countOther(shot, inside, want), 0);
        }
    }
    if (aids) {
        QVERIFY(countOther(shot, readoutRow, white) > 100);
        QVERIFY(countOther(shot, legendColumn, white) > 50);
    } else {
        QCOMPARE(countOther(shot, readoutRow, white), 0);
        QCOMPARE(countOther(shot, legendColumn, white), 0);
    }
}

void tst_E2eFace::damagedSettingsFile()
{
    E2eSupport app;
    // Half a file of noise and a colour left with an open quote, as a crash or a slip of the
    // hand might leave it.
    QByteArray bytes("[Nimbex]\nColor=\"&HFF\nCheat=maybe\n");
    for (int i = 0; i < 4096; ++i)
        bytes += char((i * 7919) % 251);
    QDir().mkpath(QFileInfo(app.settingsFile()).absolutePath());
    QFile file(app.settingsFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    app.setFrozenTime(QDateTime(QDate(2026, 12, 6), QTime(9, 5, 7)));
    QVERIFY(app.start());
    const QString window = app.waitForWindow();
    QVERIFY2(!window.isEmpty(), app.output().constData());
    const QStringList lit{"h8", "h1", "m4", "m1", "s4", "s2", "s1"};
    QImage shot;
    for (int tries = 0; tries < 25 && !centresAsExpected(shot, lit, QColor(0, 0, 255)); ++tries) {
        QTest::qWait(200);
        shot = E2eSupport::grabClient(window);
    }
    // The default face: blue lamps, no aids.
    QVERIFY(centresAsExpected(shot, lit, QColor(0, 0, 255)));
    QCOMPARE(countOther(shot, readoutRow, white), 0);
    QVERIFY(app.isRunning());
    app.stop();
    // Reading never writes: the file is as it was.
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
}

QTEST_MAIN(tst_E2eFace)
#include "tst_e2e_face.moc"
