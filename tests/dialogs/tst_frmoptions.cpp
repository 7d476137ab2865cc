#include "about/frmAbout.h"
#include "ui/Fonts.h"
#include "dialogs/ModalDriver.h"
#include "settings/Settings.h"
#include "settings/frmOptions.h"
#include "support/TempStore.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

using Entries = QList<QPair<QString, QString>>;

namespace {

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Seeds the store from alternating keys and texts.
void seed(const TempStore& store, const QStringList& keysAndTexts)
{
    for (qsizetype i = 0; i + 1 < keysAndTexts.size(); i += 2)
        store.seed(keysAndTexts.at(i), keysAndTexts.at(i + 1));
}

// Everything in the program's section, as another process sees it, sorted by key.
Entries contents(const TempStore& store)
{
    const auto settings = store.other();
    QStringList keys = settings->childKeys();
    keys.sort();
    Entries entries;
    for (const QString& key : keys)
        entries.append({key, settings->value(key).toString()});
    return entries;
}

Entries entriesOf(const QStringList& keysAndTexts)
{
    Entries entries;
    for (qsizetype i = 0; i + 1 < keysAndTexts.size(); i += 2)
        entries.append({keysAndTexts.at(i), keysAndTexts.at(i + 1)});
    std::sort(entries.begin(), entries.end());
    return entries;
}

QRadioButton* option(frmOptions* dialog, QChar number)
{
    switch (number.unicode()) {
    case '1':
        return dialog->Option1;
    case '2':
        return dialog->Option2;
    case '3':
        return dialog->Option3;
    default:
        return dialog->Option4;
    }
}

// A user's click on the round mark of an option button.
void clickOption(QRadioButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(7, button->height() / 2));
}

frmOptions* showLoaded(QWidget* owner = nullptr)
{
    frmOptions* dialog = frmOptions::load(owner);
    dialog->showModeless();
    if (!QTest::qWaitForWindowActive(dialog))
        qWarning("the Options dialog did not become active");
    return dialog;
}

} // namespace

class tst_frmOptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Fonts::install(); }
    void init() { m_store = std::make_unique<TempStore>(); }
    void cleanup();

    void loadsTheStoredChoices_data();
    void loadsTheStoredChoices();
    void listsTheEightColoursUnsorted();
    void typingChoosesOnlyEntries_data();
    void typingChoosesOnlyEntries();

    void saveAndClose_data();
    void saveAndClose();
    void closingOtherwiseWritesNothing_data();
    void closingOtherwiseWritesNothing();

    void optionPairs_data();
    void optionPairs();

    void existsOnce();
    void showModalWaitsForTheClose_data();
    void showModalWaitsForTheClose();
    void showModalOnAnOpenDialogUsesIt();

    void enterAndEscapePressNothing_data();
    void enterAndEscapePressNothing();
    void accessKeys_data();
    void accessKeys();
    void tabOrder();
    void everyControlUsesTheDialogFont();

    void centredOverAVisibleOwner();
    void centredOnTheScreenWhileTheOwnerIsHidden();

    void aboutOpensModallyAbove();

private:
    std::unique_ptr<TempStore> m_store;
};

void tst_frmOptions::cleanup()
{
    while (QWidget* w = QApplication::activeModalWidget())
        w->close();
    if (frmAbout* about = frmAbout::loaded())
        about->close();
    if (frmOptions* dialog = frmOptions::loaded())
        dialog->close();
    flushDeletes();
    QVERIFY(!frmOptions::loaded());
    m_store.reset();
}

void tst_frmOptions::loadsTheStoredChoices_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<bool>("cheat");
    QTest::addColumn<bool>("cheatNum");

    QTest::newRow("empty store") << QStringList() << "Blue" << false << false;

    QTest::newRow("Blue") << QStringList{"Color", "&HFF0000"} << "Blue" << false << false;
    QTest::newRow("Red") << QStringList{"Color", "&HFF"} << "Red" << false << false;
    QTest::newRow("Green") << QStringList{"Color", "&HFF00"} << "Green" << false << false;
    QTest::newRow("Yellow") << QStringList{"Color", "&HFFFF"} << "Yellow" << false << false;
    QTest::newRow("Purple") << QStringList{"Color", "&HFF00FF"} << "Purple" << false << false;
    QTest::newRow("Black, the window-text colour")
        << QStringList{"Color", "&H80000008"} << "Black" << false << false;
    QTest::newRow("Orange") << QStringList{"Color", "&H000080FF"} << "Orange" << false << false;
    QTest::newRow("LightBlue") << QStringList{"Color", "&HFFFF00"} << "LightBlue" << false << false;

    QTest::newRow("colour outside the table")
        << QStringList{"Color", "&H123456"} << "" << false << false;
    QTest::newRow("colour with lower-case digits")
        << QStringList{"Color", "&Hff"} << "" << false << false;
    QTest::newRow("colour with lower-case h")
        << QStringList{"Color", "&hFF0000"} << "" << false << false;
    QTest::newRow("colour with leading zeros")
        << QStringList{"Color", "&H00FF0000"} << "" << false << false;
    QTest::newRow("colour name instead of text")
        << QStringList{"Color", "Red"} << "" << false << false;
    QTest::newRow("empty colour text") << QStringList{"Color", ""} << "" << false << false;

    QTest::newRow("cheat True") << QStringList{"Cheat", "True"} << "Blue" << true << false;
    QTest::newRow("cheat False") << QStringList{"Cheat", "False"} << "Blue" << false << false;
    QTest::newRow("numbers True") << QStringList{"CheatNum", "True"} << "Blue" << false << true;
    QTest::newRow("both True") << QStringList{"Cheat", "True", "CheatNum", "True"} << "Blue" << true
                               << true;
    QTest::newRow("hand-edited true")
        << QStringList{"Cheat", "true", "CheatNum", "true"} << "Blue" << true << true;
    QTest::newRow("hand-edited TRUE")
        << QStringList{"Cheat", "TRUE", "CheatNum", "tRuE"} << "Blue" << true << true;
    QTest::newRow("hand-edited blanks round True")
        << QStringList{"Cheat", " True ", "CheatNum", "True\t"} << "Blue" << true << true;
    QTest::newRow("hand-edited yes")
        << QStringList{"Cheat", "yes", "CheatNum", "Yes"} << "Blue" << false << false;
    QTest::newRow("hand-edited empty")
        << QStringList{"Cheat", "", "CheatNum", ""} << "Blue" << false << false;
    QTest::newRow("hand-edited numbers")
        << QStringList{"Cheat", "-1", "CheatNum", "1"} << "Blue" << false << false;
    QTest::newRow("everything set")
        << QStringList{"Color", "&HFF00FF", "Cheat", "True", "CheatNum", "False"} << "Purple"
        << true << false;
}

void tst_frmOptions::loadsTheStoredChoices()
{
    QFETCH(QStringList, stored);
    QFETCH(QString, colour);
    QFETCH(bool, cheat);
    QFETCH(bool, cheatNum);

    seed(*m_store, stored);
    const Entries before = contents(*m_store);

    frmOptions* dialog = frmOptions::load(nullptr);
    QVERIFY(dialog);

    QCOMPARE(dialog->Combo1->currentText(), colour);
    if (colour.isEmpty())
        QCOMPARE(dialog->Combo1->currentIndex(), -1);
    else
        QCOMPARE(dialog->Combo1->itemText(dialog->Combo1->currentIndex()), colour);
    QCOMPARE(dialog->Option1->isChecked(), cheat);
    QCOMPARE(dialog->Option2->isChecked(), !cheat);
    QCOMPARE(dialog->Option3->isChecked(), cheatNum);
    QCOMPARE(dialog->Option4->isChecked(), !cheatNum);

    // Loading reads; the store stays as it was, an empty one empty.
    QCOMPARE(contents(*m_store), before);
}

void tst_frmOptions::listsTheEightColoursUnsorted()
{
    frmOptions* dialog = frmOptions::load(nullptr);
    QStringList items;
    for (int i = 0; i < dialog->Combo1->count(); ++i)
        items << dialog->Combo1->itemText(i);
    QCOMPARE(items, (QStringList{"Red", "Blue", "Yellow", "Green", "Purple", "Black", "Orange",
                                 "LightBlue"}));
    QVERIFY(!dialog->Combo1->isEditable());
}

void tst_frmOptions::typingChoosesOnlyEntries_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");

    QTest::newRow("nonsense over Blue") << "&HFF0000"
                                        << "zzz";
    QTest::newRow("nonsense over nothing chosen") << "&H123456"
                                                  << "qx";
    QTest::newRow("a new colour name") << "&HFF"
                                       << "Magenta";
    QTest::newRow("start of an entry") << "&HFF"
                                       << "Or";
}

void tst_frmOptions::typingChoosesOnlyEntries()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    m_store->seed(Settings::colorKey, stored);

    frmOptions* dialog = showLoaded();
    dialog->Combo1->setFocus();
    QTest::keyClicks(dialog->Combo1, typed);

    const QString text = dialog->Combo1->currentText();
    QVERIFY2(text.isEmpty() || dialog->Combo1->findText(text) >= 0, qPrintable(text));
    QVERIFY(!dialog->Combo1->isEditable());
}

void tst_frmOptions::saveAndClose_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("choose"); // colour picked from the list; empty: none picked
    QTest::addColumn<QString>("clicks"); // option buttons clicked, in order
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("empty store, save at once")
        << QStringList() << ""
        << "" << QStringList{"Cheat", "False", "CheatNum", "False", "Color", "&HFF0000"};
    QTest::newRow("Orange, cheat Yes, numbers No")
        << QStringList() << "Orange"
        << "1" << QStringList{"Cheat", "True", "CheatNum", "False", "Color", "&H000080FF"};
    QTest::newRow("numbers Yes only")
        << QStringList() << ""
        << "3" << QStringList{"Cheat", "False", "CheatNum", "True", "Color", "&HFF0000"};
    QTest::newRow("both switched off again")
        << QStringList{"Cheat", "True", "CheatNum", "True", "Color", "&HFF"} << ""
        << "24" << QStringList{"Cheat", "False", "CheatNum", "False", "Color", "&HFF"};
    QTest::newRow("unchosen unknown colour stays")
        << QStringList{"Color", "&H123456", "Cheat", "True"} << ""
        << "" << QStringList{"Cheat", "True", "CheatNum", "False", "Color", "&H123456"};
    QTest::newRow("unknown colour replaced by a choice")
        << QStringList{"Color", "&hff"} << "Green"
        << "" << QStringList{"Cheat", "False", "CheatNum", "False", "Color", "&HFF00"};
    QTest::newRow("hand-edited Booleans rewritten")
        << QStringList{"Cheat", "true", "CheatNum", "yes", "Color", "&HFFFF"} << ""
        << "" << QStringList{"Cheat", "True", "CheatNum", "False", "Color", "&HFFFF"};
    QTest::newRow("unchanged False rewritten")
        << QStringList{"Cheat", "FALSE", "CheatNum", " False"} << ""
        << "2" << QStringList{"Cheat", "False", "CheatNum", "False", "Color", "&HFF0000"};
    QTest::newRow("other keys of the section stay")
        << QStringList{"Window", "kept"} << ""
        << "" << QStringList{"Cheat", "False",    "CheatNum", "False",
                             "Color", "&HFF0000", "Window",   "kept"};

    const QStringList colours{"Red",    "&HFF",       "Blue",      "&HFF0000",
                              "Yellow", "&HFFFF",     "Green",     "&HFF00",
                              "Purple", "&HFF00FF",   "Black",     "&H80000008",
                              "Orange", "&H000080FF", "LightBlue", "&HFFFF00"};
    for (qsizetype i = 0; i < colours.size(); i += 2) {
        QTest::addRow("choose %s", qPrintable(colours.at(i)))
            << QStringList{"Color", "&H123456"} << colours.at(i) << ""
            << QStringList{"Cheat", "False", "CheatNum", "False", "Color", colours.at(i + 1)};
    }
}

void tst_frmOptions::saveAndClose()
{
    QFETCH(QStringList, stored);
    QFETCH(QString, choose);
    QFETCH(QString, clicks);
    QFETCH(QStringList, expected);

    seed(*m_store, stored);
    QPointer<frmOptions> dialog = showLoaded();
    if (!choose.isEmpty()) {
        const int index = dialog->Combo1->findText(choose);
        QVERIFY(index >= 0);
        dialog->Combo1->setCurrentIndex(index);
    }
    for (QChar c : clicks)
        clickOption(option(dialog, c));

    QTest::mouseClick(dialog->Command1, Qt::LeftButton);

    QVERIFY(!frmOptions::loaded());
    QCOMPARE(contents(*m_store), entriesOf(expected));
    flushDeletes();
    QVERIFY(dialog.isNull());
}

void tst_frmOptions::closingOtherwiseWritesNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel and Close") << "cancel";
    QTest::newRow("Alt+A") << "alt+a";
    QTest::newRow("closed by the window manager") << "close";
}

void tst_frmOptions::closingOtherwiseWritesNothing()
{
    QFETCH(QString, how);
    m_store->seed(Settings::colorKey, QStringLiteral("&HFFFF"));
    m_store->seed(Settings::cheatKey, QStringLiteral("true"));
    m_store->seed(Settings::cheatNumKey, QStringLiteral("False"));
    const Entries before = contents(*m_store);

    QPointer<frmOptions> dialog = showLoaded();
    dialog->Combo1->setCurrentIndex(dialog->Combo1->findText(QStringLiteral("Purple")));
    clickOption(dialog->Option2);
    clickOption(dialog->Option3);

    if (how == QLatin1String("cancel"))
        QTest::mouseClick(dialog->Command2, Qt::LeftButton);
    else if (how == QLatin1String("alt+a"))
        QTest::keyClick(dialog, Qt::Key_A, Qt::AltModifier);
    else
        dialog->close();

    // A button pressed by its access key goes down and up before it acts.
    QTRY_VERIFY(!frmOptions::loaded());
    QCOMPARE(contents(*m_store), before);
    flushDeletes();
    QVERIFY(dialog.isNull());

    // The next showing reads the store again, not the dropped changes.
    frmOptions* again = frmOptions::load(nullptr);
    QCOMPARE(again->Combo1->currentText(), QStringLiteral("Yellow"));
    QVERIFY(again->Option1->isChecked());
    QVERIFY(!again->Option3->isChecked());
    QVERIFY(again->Option4->isChecked());
}

void tst_frmOptions::optionPairs_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<bool>("cheat");
    QTest::addColumn<bool>("cheatNum");

    QTest::newRow("selected No clicked again") << QStringList() << "2" << false << false;
    QTest::newRow("selected Yes clicked again")
        << QStringList{"Cheat", "True", "CheatNum", "True"} << "13" << true << true;
    QTest::newRow("selected buttons clicked twice") << QStringList() << "2244" << false << false;
    QTest::newRow("cheat Yes leaves the numbers") << QStringList() << "1" << true << false;
    QTest::newRow("numbers Yes leaves the cheat") << QStringList() << "3" << false << true;
    QTest::newRow("cheat No leaves the numbers")
        << QStringList{"Cheat", "True", "CheatNum", "True"} << "2" << false << true;
    QTest::newRow("numbers No leaves the cheat")
        << QStringList{"Cheat", "True", "CheatNum", "True"} << "4" << true << false;
    QTest::newRow("Yes then No") << QStringList() << "12" << false << false;
    QTest::newRow("back and forth in both") << QStringList() << "13243142" << false << false;
    QTest::newRow("last click wins") << QStringList() << "4411332211" << true << true;
}

void tst_frmOptions::optionPairs()
{
    QFETCH(QStringList, stored);
    QFETCH(QString, clicks);
    QFETCH(bool, cheat);
    QFETCH(bool, cheatNum);

    seed(*m_store, stored);
    const Entries before = contents(*m_store);
    frmOptions* dialog = showLoaded();

    for (QChar c : clicks) {
        QRadioButton* clicked = option(dialog, c);
        const bool firstPair = c == QLatin1Char('1') || c == QLatin1Char('2');
        QRadioButton* otherYes = firstPair ? dialog->Option3 : dialog->Option1;
        const bool otherBefore = otherYes->isChecked();

        clickOption(clicked);

        QVERIFY2(clicked->isChecked(), qPrintable(QStringLiteral("after clicking %1").arg(c)));
        QVERIFY(dialog->Option1->isChecked() != dialog->Option2->isChecked());
        QVERIFY(dialog->Option3->isChecked() != dialog->Option4->isChecked());
        QCOMPARE(otherYes->isChecked(), otherBefore);
    }

    QCOMPARE(dialog->Option1->isChecked(), cheat);
    QCOMPARE(dialog->Option3->isChecked(), cheatNum);
    QCOMPARE(contents(*m_store), before);
}

void tst_frmOptions::existsOnce()
{
    QPointer<frmOptions> first = frmOptions::load(nullptr);
    QVERIFY(first);
    QCOMPARE(frmOptions::loaded(), first.data());
    QCOMPARE(frmOptions::load(nullptr), first.data());

    first->showModeless();
    first->Combo1->setCurrentIndex(first->Combo1->findText(QStringLiteral("Green")));
    first->showModeless(); // brought forward, not loaded again
    QCOMPARE(frmOptions::load(nullptr), first.data());
    QCOMPARE(first->Combo1->currentText(), QStringLiteral("Green"));
    QVERIFY(first->isVisible());

    QTest::mouseClick(first->Command2, Qt::LeftButton);
    QCOMPARE(frmOptions::loaded(), nullptr);
    flushDeletes();
    QVERIFY(first.isNull());

    // Stored meanwhile by someone else: the next load reads it.
    m_store->seed(Settings::colorKey, QStringLiteral("&HFF"));
    m_store->seed(Settings::cheatKey, QStringLiteral("True"));
    frmOptions* second = frmOptions::load(nullptr);
    QCOMPARE(second->Combo1->currentText(), QStringLiteral("Red"));
    QVERIFY(second->Option1->isChecked());
}

void tst_frmOptions::showModalWaitsForTheClose_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("storedColour");
    QTest::newRow("Save and Close") << "save"
                                    << "&HFF0000";
    QTest::newRow("Cancel and Close") << "cancel"
                                      << "";
    QTest::newRow("closed by the window manager") << "close"
                                                  << "";
}

void tst_frmOptions::showModalWaitsForTheClose()
{
    QFETCH(QString, how);
    QFETCH(QString, storedColour);

    QPointer<frmOptions> dialog = frmOptions::load(nullptr);
    bool wasModal = false;
    ModalDriver driver([&](QWidget* modal) {
        wasModal = modal == dialog;
        auto* d = qobject_cast<frmOptions*>(modal);
        if (!d)
            return;
        if (how == QLatin1String("save"))
            QTest::mouseClick(d->Command1, Qt::LeftButton);
        else if (how == QLatin1String("cancel"))
            QTest::mouseClick(d->Command2, Qt::LeftButton);
        else
            d->close();
    });
    dialog->showModal();

    QVERIFY(!driver.rescued());
    QVERIFY(wasModal);
    QVERIFY(dialog.isNull()); // gone by the time the call returns
    QCOMPARE(frmOptions::loaded(), nullptr);
    QCOMPARE(m_store->other()->value(Settings::colorKey).toString(), storedColour);
}

void tst_frmOptions::showModalOnAnOpenDialogUsesIt()
{
    QPointer<frmOptions> dialog = showLoaded();
    clickOption(dialog->Option1);

    bool sameDialog = false;
    bool keptChoice = false;
    ModalDriver driver([&](QWidget* w) {
        sameDialog = w == dialog;
        auto* d = qobject_cast<frmOptions*>(w);
        keptChoice = d && d->Option1->isChecked();
        if (d)
            QTest::mouseClick(d->Command1, Qt::LeftButton);
    });
    frmOptions::load(nullptr)->showModal();

    QVERIFY(!driver.rescued());
    QVERIFY(sameDialog);
    QVERIFY(keptChoice);
    QVERIFY(dialog.isNull());
    QCOMPARE(m_store->other()->value(Settings::cheatKey).toString(), QStringLiteral("True"));
}

void tst_frmOptions::enterAndEscapePressNothing_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");

    const QStringList focusable{"Combo1",  "Command1", "Command2", "Command3",
                                "Option1", "Option2",  "Option3",  "Option4"};
    for (const QString& name : focusable) {
        QTest::addRow("Return on %s", qPrintable(name)) << name << int(Qt::Key_Return) << 0;
        QTest::addRow("Escape on %s", qPrintable(name)) << name << int(Qt::Key_Escape) << 0;
    }
    QTest::newRow("keypad Enter on Command1")
        << "Command1" << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("keypad Enter on Combo1")
        << "Combo1" << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("Ctrl+Return on Command2")
        << "Command2" << int(Qt::Key_Return) << int(Qt::ControlModifier);
}

void tst_frmOptions::enterAndEscapePressNothing()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);

    QPointer<frmOptions> dialog = showLoaded();
    QSignalSpy save(dialog->Command1, &QPushButton::clicked);
    QSignalSpy cancel(dialog->Command2, &QPushButton::clicked);
    QSignalSpy about(dialog->Command3, &QPushButton::clicked);
    // Should About open after all, close it again rather than hang.
    ModalDriver driver([](QWidget* modal) { modal->close(); });

    auto* target = dialog->findChild<QWidget*>(focus);
    QVERIFY(target);
    target->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), target);
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTest::qWait(150);

    QCOMPARE(save.count(), 0);
    QCOMPARE(cancel.count(), 0);
    QCOMPARE(about.count(), 0);
    QVERIFY(dialog);
    QCOMPARE(frmOptions::loaded(), dialog.data());
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->Option2->isChecked());
    QVERIFY(dialog->Option4->isChecked());
    QCOMPARE(contents(*m_store), Entries());
}

void tst_frmOptions::accessKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");

    QTest::newRow("Alt+A cancels") << int(Qt::Key_A) << true;
    QTest::newRow("Alt+S") << int(Qt::Key_S) << false;
    QTest::newRow("Alt+C") << int(Qt::Key_C) << false;
    QTest::newRow("Alt+B") << int(Qt::Key_B) << false;
    QTest::newRow("Alt+Y") << int(Qt::Key_Y) << false;
    QTest::newRow("Alt+N") << int(Qt::Key_N) << false;
    QTest::newRow("Alt+H") << int(Qt::Key_H) << false;
    QTest::newRow("Alt+O") << int(Qt::Key_O) << false;
}

void tst_frmOptions::accessKeys()
{
    QFETCH(int, key);
    QFETCH(bool, closes);

    QPointer<frmOptions> dialog = showLoaded();
    QSignalSpy save(dialog->Command1, &QPushButton::clicked);
    QSignalSpy about(dialog->Command3, &QPushButton::clicked);
    ModalDriver driver([](QWidget* modal) { modal->close(); });

    QTest::keyClick(dialog, Qt::Key(key), Qt::AltModifier);
    // Long enough for a button pressed by its access key to go down and up.
    QTest::qWait(300);

    QCOMPARE(save.count(), 0);
    QCOMPARE(about.count(), 0);
    QCOMPARE(frmOptions::loaded() == nullptr, closes);
    if (!closes) {
        QVERIFY(dialog->Option2->isChecked());
        QVERIFY(dialog->Option4->isChecked());
    }
    QCOMPARE(contents(*m_store), Entries());
}

void tst_frmOptions::tabOrder()
{
    frmOptions* dialog = showLoaded();
    QTRY_VERIFY(QApplication::focusWidget());

    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, (QStringList{"Combo1", "Command1", "Command2", "Command3", "Option2",
                                   "Option1", "Option3", "Option4", "Combo1"}));
    QCOMPARE(dialog->Label1->focusPolicy(), Qt::NoFocus);
    QCOMPARE(dialog->Frame1->focusPolicy(), Qt::NoFocus);
    QCOMPARE(dialog->Frame2->focusPolicy(), Qt::NoFocus);
}

void tst_frmOptions::everyControlUsesTheDialogFont()
{
    frmOptions* dialog = frmOptions::load(nullptr);
    const QFont expected = Fonts::tahoma(9.75, true);
    const QList<QWidget*> controls{dialog->Combo1,   dialog->Label1,   dialog->Command1,
                                   dialog->Command2, dialog->Command3, dialog->Frame1,
                                   dialog->Option1,  dialog->Option2,  dialog->Frame2,
                                   dialog->Option3,  dialog->Option4};
    for (QWidget* control : controls) {
        QVERIFY2(control->font() == expected, qPrintable(control->objectName()));
        QCOMPARE(control->window(), dialog);
    }
    // The option buttons sit in their frames, one pair to a frame.
    QCOMPARE(dialog->Option1->parentWidget(), dialog->Frame1);
    QCOMPARE(dialog->Option2->parentWidget(), dialog->Frame1);
    QCOMPARE(dialog->Option3->parentWidget(), dialog->Frame2);
    QCOMPARE(dialog->Option4->parentWidget(), dialog->Frame2);
    QCOMPARE(dialog->size(), QSize(282, 233));
}

void tst_frmOptions::centredOverAVisibleOwner()
{
    QWidget owner;
    owner.setGeometry(120, 90, 510, 339);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));

    frmOptions* dialog = showLoaded(&owner);
    const QPoint offset = dialog->frameGeometry().center() - owner.frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 2,
             qPrintable(QStringLiteral("off by %1,%2").arg(offset.x()).arg(offset.y())));
}

void tst_frmOptions::centredOnTheScreenWhileTheOwnerIsHidden()
{
    QWidget owner;
    owner.setGeometry(20, 20, 510, 339);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    owner.hide(); // hidden to the tray

    frmOptions* dialog = showLoaded(&owner);
    const QPoint screenCentre = owner.screen()->availableGeometry().center();
    const QPoint offset = dialog->frameGeometry().center() - screenCentre;
    QVERIFY2(offset.manhattanLength() <= 2,
             qPrintable(QStringLiteral("off by %1,%2").arg(offset.x()).arg(offset.y())));
}

void tst_frmOptions::aboutOpensModallyAbove()
{
    QPointer<frmOptions> dialog = showLoaded();
    bool aboutLoaded = false;
    bool optionsStillLoaded = false;
    ModalDriver driver([&](QWidget* w) {
        aboutLoaded = frmAbout::loaded() == w;
        optionsStillLoaded = frmOptions::loaded() == dialog && dialog->isVisible();
        if (auto* about = qobject_cast<frmAbout*>(w))
            QTest::mouseClick(about->cmdOK, Qt::LeftButton);
    });

    QTest::mouseClick(dialog->Command3, Qt::LeftButton);

    QVERIFY(!driver.rescued());
    QVERIFY(aboutLoaded);
    QVERIFY(optionsStillLoaded);
    QCOMPARE(frmAbout::loaded(), nullptr);
    // Back to the Options dialog as it was.
    QCOMPARE(frmOptions::loaded(), dialog.data());
    QVERIFY(dialog->isVisible());
    QCOMPARE(contents(*m_store), Entries());
}

QTEST_MAIN(tst_frmOptions)
#include "tst_frmoptions.moc"
