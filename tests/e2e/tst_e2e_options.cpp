#include "E2eSupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

QMap<QString, QString> nimbexSection(const QString& file)
{
    QFile f(file);
    QMap<QString, QString> keys;
    if (!f.open(QIODevice::ReadOnly))
        return keys;
    bool inSection = false;
    for (const QByteArray& raw : f.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inSection = line == QLatin1String("[Nimbex]");
        else if (inSection && line.contains(QLatin1Char('=')))
            keys.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
    }
    return keys;
}

// 20:45:58 lights these, in twips inside Frame1, which sits at (56, 24) px.
const QPoint litLamps[] = {{120, 1920},  {2040, 1080}, {3000, 2760}, {3000, 1080},
                           {3960, 2760}, {3960, 1080}, {4920, 240}};
const QPoint unlitLamps[] = {{120, 2760}, {1080, 240}, {2040, 1920}, {4920, 2760}};

QPoint lampCorner(const QPoint& twips)
{
    return QPoint(56, 24) + twips / 15 + QPoint(4, 4);
}

} // namespace

// A user who only has the keyboard changes every option and sees it on the clock.
class tst_E2eOptions : public QObject
{
    Q_OBJECT

private slots:
    void chooseOrangeAndBothAidsWithTheKeyboard();
};

void tst_E2eOptions::chooseOrangeAndBothAidsWithTheKeyboard()
{
    E2eSupport app;
    app.setFrozenTime(QDateTime(QDate(2026, 12, 6), QTime(20, 45, 58)));
    QVERIFY(app.start());
    const QString window = app.waitForWindow(QStringLiteral("^Nimbex - "));
    QVERIFY(!window.isEmpty());
    QVERIFY(E2eSupport::xdotool({"windowactivate", "--sync", window}));
    QTest::qWait(1200);

    const auto keys = [](const QStringList& names) {
        return E2eSupport::xdotool(QStringList{"key", "--delay", "80"} + names).has_value();
    };
    // Focus starts on "Full Screen"; Tab goes to "Close", "Hide to Tray", then "Options".
    QVERIFY(keys({"Tab", "Tab", "Tab", "space"}));
    const QString dialog = app.waitForWindow(QStringLiteral("^Nimbex Options$"), 5000);
    QVERIFY(!dialog.isEmpty());
    QTest::qWait(300);
    // The colour list has the focus: "O" picks Orange. Then past Save, Cancel, About and the
    // cheat frame's "No" to its "Yes", and on to the next frame's "Yes".
    QVERIFY(keys({"o", "Tab", "Tab", "Tab", "Tab", "Tab", "space", "Tab", "space"}));
    // Round past "No" and the colour list to "Save and Close".
    QVERIFY(keys({"Tab", "Tab", "Tab", "space"}));
    QTRY_COMPARE_WITH_TIMEOUT(E2eSupport::mapState(dialog), QString(), 5000);

    const QMap<QString, QString> expected{
        {"Cheat", "True"}, {"CheatNum", "True"}, {"Color", "&H000080FF"}};
    QCOMPARE(nimbexSection(app.settingsFile()), expected);

    // The next tick paints in orange, with the weights, the read-out and the digits.
    const QColor orange(255, 128, 0);
    QImage shot;
    for (int tries = 0; tries < 20; ++tries) {
        QTest::qWait(200);
        shot = E2eSupport::grabClient(window);
        if (shot.pixelColor(lampCorner(litLamps[0])) == orange)
            break;
    }
    shot.save(QDir(QCoreApplication::applicationDirPath()).filePath("e2e-options-orange.png"));
    for (const QPoint& lamp : litLamps)
        QCOMPARE(shot.pixelColor(lampCorner(lamp)), orange);
    for (const QPoint& lamp : unlitLamps)
        QCOMPARE(shot.pixelColor(lampCorner(lamp)), QColor(Qt::white));
    // Read-out row and legend column now carry text.
    int dark = 0;
    for (int x = 56 + 8; x < 56 + 385; ++x)
        dark += shot.pixelColor(x, 24 + 240 + 16).lightness() < 128;
    for (int y = 24 + 24; y < 24 + 225; ++y)
        dark += shot.pixelColor(56 + 392 + 28, y).lightness() < 128;
    QVERIFY2(dark > 10, "no aids drawn");
    app.stop();
}

QTEST_MAIN(tst_E2eOptions)
#include "tst_e2e_options.moc"
