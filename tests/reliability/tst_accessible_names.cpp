#include "about/frmAbout.h"
#include "app/Lamp.h"
#include "app/SecondTimer.h"
#include "app/frmNimbex.h"
#include "settings/frmOptions.h"
#include "support/TempStore.h"
#include "support/TestClock.h"
#include "ui/Fonts.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QTest>

// What a screen reader can say about every control a user can reach in each window.
namespace {

QString accessibleName(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// Controls the user can reach: the window, whatever takes the focus, text and captions on show,
// and the lamps.
bool reachable(const QWidget* w)
{
    if (w->isWindow())
        return true;
    if (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w) ||
        qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QGroupBox*>(w) ||
        qobject_cast<const Lamp*>(w))
        return true;
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return !label->text().isEmpty();
    return false;
}

// The reachable controls that are on show but have no name, as "objectName (class)".
QStringList unnamed(QWidget* window)
{
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    QStringList missing;
    for (QWidget* w : widgets) {
        // A scroll area's bars and viewport belong to it.
        if (qobject_cast<QAbstractScrollArea*>(w->parentWidget()) ||
            (w->parentWidget() &&
             qobject_cast<QAbstractScrollArea*>(w->parentWidget()->parentWidget())))
            continue;
        if (w->isWindow() && w != window)
            continue;
        if (!w->isVisible() || !reachable(w))
            continue;
        if (accessibleName(w).trimmed().isEmpty())
            missing << QStringLiteral("%1 (%2)").arg(w->objectName(),
                                                     QLatin1String(w->metaObject()->className()));
    }
    return missing;
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class tst_AccessibleNames : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void everyControlHasAName_data();
    void everyControlHasAName();
    void faceSaysTheTimeShown();
};

void tst_AccessibleNames::initTestCase()
{
    Fonts::install();
}

void tst_AccessibleNames::everyControlHasAName_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("settings"); // key, text, key, text ...

    const QStringList bothAids{"Cheat", "True", "CheatNum", "True"};
    QTest::newRow("clock window") << "frmNimbex" << QStringList();
    QTest::newRow("clock window with both aids") << "frmNimbex" << bothAids;
    QTest::newRow("Options dialog") << "frmOptions" << QStringList();
    // A colour put in the file by hand selects no entry of the list.
    QTest::newRow("Options dialog, a colour it does not list")
        << "frmOptions" << QStringList{"Color", "&H808080"};
    QTest::newRow("About box") << "frmAbout" << QStringList();
}

void tst_AccessibleNames::everyControlHasAName()
{
    QFETCH(QString, window);
    QFETCH(QStringList, settings);
    TempStore store;
    for (qsizetype i = 0; i + 1 < settings.size(); i += 2)
        store.seed(settings[i], settings[i + 1]);
    TestClock clock(QDateTime(QDate(2026, 12, 6), QTime(9, 5, 7)));
    frmNimbex clockWindow(clock);
    clockWindow.Timer1_Timer();
    clockWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&clockWindow));

    QPointer<QWidget> shown;
    if (window == QLatin1String("frmNimbex")) {
        shown = &clockWindow;
    } else if (window == QLatin1String("frmOptions")) {
        frmOptions* options = frmOptions::load(&clockWindow);
        options->showModeless();
        shown = options;
    } else {
        frmAbout* about = frmAbout::load(&clockWindow);
        about->show();
        shown = about;
    }
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    // The labels the aids bring up are among the controls.
    if (settings.contains(QStringLiteral("CheatNum")) && shown == &clockWindow)
        QVERIFY(clockWindow.lblh2->isVisible() && clockWindow.lblh22->isVisible());

    const QStringList missing = unnamed(shown);
    if (shown != &clockWindow) {
        shown->close();
        flushDeletes();
    }
    QVERIFY2(missing.isEmpty(),
             qPrintable(QStringLiteral("no name: ") + missing.join(QStringLiteral(", "))));
}

void tst_AccessibleNames::faceSaysTheTimeShown()
{
    TempStore store;
    TestClock clock(QDateTime(QDate(2026, 12, 6), QTime(9, 5, 7)));
    frmNimbex w(clock);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w.Frame1);
    QVERIFY(face);

    int ticks = 0;
    connect(w.Timer1, &SecondTimer::Timer, this, [&] { ++ticks; });

    QTRY_VERIFY_WITH_TIMEOUT(ticks == 1, 3000);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("09:05:07"));
    clock.setTime(QTime(9, 5, 8));
    QTRY_VERIFY_WITH_TIMEOUT(ticks == 2, 3000);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("09:05:08"));
}

QTEST_MAIN(tst_AccessibleNames)
#include "tst_accessible_names.moc"
