#include "about/frmAbout.h"
#include "settings/frmOptions.h"
#include "support/TempStore.h"
#include "support/Widgets.h"
#include "ui/Fonts.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using Store = QMap<QString, QString>;

namespace {

Store pairs(const QStringList& keysAndTexts)
{
    Store s;
    for (qsizetype i = 0; i + 1 < keysAndTexts.size(); i += 2)
        s[keysAndTexts[i]] = keysAndTexts[i + 1];
    return s;
}

frmOptions* showOptions()
{
    frmOptions* dialog = frmOptions::load(nullptr);
    dialog->showModeless();
    if (!QTest::qWaitForWindowActive(dialog))
        qWarning("the Options dialog did not become active");
    return dialog;
}

} // namespace

class tst_Dialogs : public QObject
{
    Q_OBJECT

public slots:
    // Stands in for the desktop's browser.
    void openUrl(const QUrl& url) { m_opened << url; }

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void optionsSave_data();
    void optionsSave();
    void optionsCloseWithoutSaving_data();
    void optionsCloseWithoutSaving();
    void optionsKeysPressNothing_data();
    void optionsKeysPressNothing();
    void aboutLinks_data();
    void aboutLinks();
    void aboutKeysClose_data();
    void aboutKeysClose();

private:
    // Everything in the program's section, as another process sees it.
    Store stored() const
    {
        Store s;
        const auto settings = m_store->other();
        for (const QString& key : settings->childKeys())
            s[key] = settings->value(key).toString();
        return s;
    }

    std::unique_ptr<TempStore> m_store;
    QList<QUrl> m_opened;
};

void tst_Dialogs::initTestCase()
{
    Fonts::install();
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
}

void tst_Dialogs::init()
{
    m_store = std::make_unique<TempStore>();
    m_opened.clear();
}

void tst_Dialogs::cleanup()
{
    if (frmAbout* about = frmAbout::loaded())
        about->close();
    if (frmOptions* dialog = frmOptions::loaded())
        dialog->close();
    Widgets::flushDeletes();
    QVERIFY(!frmOptions::loaded() && !frmAbout::loaded());
    m_store.reset();
}

void tst_Dialogs::optionsSave_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("loaded"); // the colour shown at first
    QTest::addColumn<QString>("choose");
    QTest::addColumn<QString>("clicks"); // option buttons by number
    QTest::addColumn<QStringList>("after");

    QTest::newRow("empty store") << QStringList() << "Blue"
                                 << ""
                                 << "" << QStringList{"Cheat", "False", "CheatNum",
                                                      "False", "Color", "&HFF0000"};
    QTest::newRow("cheat Yes") << QStringList() << "Blue"
                               << ""
                               << "1" << QStringList{"Cheat", "True",  "CheatNum",
                                                     "False", "Color", "&HFF0000"};
    QTest::newRow("numbers Yes") << QStringList() << "Blue"
                                 << ""
                                 << "3" << QStringList{"Cheat", "False", "CheatNum",
                                                       "True",  "Color", "&HFF0000"};
    QTest::newRow("both back to No")
        << QStringList{"Cheat", "True", "CheatNum", "True"} << "Blue"
        << ""
        << "24" << QStringList{"Cheat", "False", "CheatNum", "False", "Color", "&HFF0000"};
    QTest::newRow("an unknown colour is kept")
        << QStringList{"Color", "&H123456"} << ""
        << ""
        << "" << QStringList{"Cheat", "False", "CheatNum", "False", "Color", "&H123456"};
    // Each colour is read as stored and saved as chosen.
    const char* table[][2] = {{"Red", "&HFF"},          {"Blue", "&HFF0000"},
                              {"Yellow", "&HFFFF"},     {"Green", "&HFF00"},
                              {"Purple", "&HFF00FF"},   {"Black", "&H80000008"},
                              {"Orange", "&H000080FF"}, {"LightBlue", "&HFFFF00"}};
    for (int i = 0; i < 8; ++i) {
        const auto& was = table[(i + 7) % 8];
        QTest::addRow("%s", table[i][0])
            << QStringList{"Color", was[1]} << was[0] << table[i][0] << ""
            << QStringList{"Cheat", "False", "CheatNum", "False", "Color", table[i][1]};
    }
}

void tst_Dialogs::optionsSave()
{
    QFETCH(QStringList, before);
    QFETCH(QString, loaded);
    QFETCH(QString, choose);
    QFETCH(QString, clicks);
    QFETCH(QStringList, after);
    for (auto [key, text] : pairs(before).asKeyValueRange())
        m_store->seed(key, text);
    frmOptions* d = showOptions();
    QCOMPARE(d->Combo1->currentText(), loaded);
    if (!choose.isEmpty())
        d->Combo1->setCurrentIndex(d->Combo1->findText(choose));
    QRadioButton* options[] = {d->Option1, d->Option2, d->Option3, d->Option4};
    for (QChar c : clicks)
        options[c.digitValue() - 1]->click();
    d->Command1->click();
    QVERIFY(!frmOptions::loaded());
    QCOMPARE(stored(), pairs(after));
}

void tst_Dialogs::optionsCloseWithoutSaving_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel and Close") << "cancel";
    QTest::newRow("Alt+A") << "alt+a";
    QTest::newRow("closed by the window manager") << "close";
}

void tst_Dialogs::optionsCloseWithoutSaving()
{
    QFETCH(QString, how);
    m_store->seed(QStringLiteral("Color"), QStringLiteral("&HFFFF"));
    m_store->seed(QStringLiteral("Cheat"), QStringLiteral("true"));
    const Store before = stored();
    frmOptions* d = showOptions();
    d->Combo1->setCurrentIndex(d->Combo1->findText(QStringLiteral("Purple")));
    d->Option2->click();
    d->Option3->click();
    if (how == "cancel")
        d->Command2->click();
    else if (how == "alt+a")
        QTest::keyClick(d, Qt::Key_A, Qt::AltModifier);
    else
        d->close();
    QTRY_VERIFY(!frmOptions::loaded());
    QCOMPARE(stored(), before);
}

void tst_Dialogs::optionsKeysPressNothing_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::newRow("Return on Save and Close") << "Command1" << int(Qt::Key_Return);
    QTest::newRow("Escape on Cancel and Close") << "Command2" << int(Qt::Key_Escape);
    QTest::newRow("Enter on About") << "Command3" << int(Qt::Key_Enter);
    QTest::newRow("Return on the colours") << "Combo1" << int(Qt::Key_Return);
    QTest::newRow("Escape on an option") << "Option1" << int(Qt::Key_Escape);
}

void tst_Dialogs::optionsKeysPressNothing()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    frmOptions* d = showOptions();
    QCOMPARE(Widgets::unnamedControls(*d), QStringList());
    QSignalSpy save(d->Command1, &QPushButton::clicked);
    QSignalSpy cancel(d->Command2, &QPushButton::clicked);
    QSignalSpy about(d->Command3, &QPushButton::clicked);
    Widgets::ModalDriver driver([](QWidget* modal) { modal->close(); });
    QWidget* target = d->findChild<QWidget*>(focus);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    QTest::qWait(150); // a button pressed by a key acts when it comes up again
    QCOMPARE(save.count() + cancel.count() + about.count(), 0);
    QCOMPARE(frmOptions::loaded(), d);
    QVERIFY(d->isVisible());
    QCOMPARE(stored(), Store());
}

void tst_Dialogs::aboutLinks_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("opens");
    QTest::newRow("product") << "lblProduct" << true;
    QTest::newRow("address") << "lblURL" << true;
    QTest::newRow("copyright") << "lblCopyright" << true;
    QTest::newRow("the version line is no link") << "lblVersion" << false;
}

void tst_Dialogs::aboutLinks()
{
    QFETCH(QString, label);
    QFETCH(bool, opens);
    frmAbout* about = frmAbout::load();
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QCOMPARE(about->lblVersion->text(), QStringLiteral("Version: 1.0 - Build 0"));
    QCOMPARE(Widgets::unnamedControls(*about), QStringList());
    QTest::mouseClick(about->findChild<QLabel*>(label), Qt::LeftButton);
    // The address the box shows, in the desktop's browser; the box stays.
    QCOMPARE(m_opened, opens ? QList<QUrl>{QUrl(about->lblURL->text())} : QList<QUrl>());
    QVERIFY(about->isVisible());
}

void tst_Dialogs::aboutKeysClose_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::newRow("Return on OK") << "cmdOK" << int(Qt::Key_Return);
    QTest::newRow("Escape on OK") << "cmdOK" << int(Qt::Key_Escape);
    QTest::newRow("Enter in the warning") << "txtSpecialCopyright" << int(Qt::Key_Enter);
    QTest::newRow("Escape in the warning") << "txtSpecialCopyright" << int(Qt::Key_Escape);
}

void tst_Dialogs::aboutKeysClose()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    frmOptions* options = showOptions();
    QString warning;
    Widgets::ModalDriver driver([&](QWidget* modal) {
        auto* about = qobject_cast<frmAbout*>(modal);
        if (!about)
            return;
        QWidget* target = about->findChild<QWidget*>(focus);
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
        warning = about->txtSpecialCopyright->toPlainText();
    });
    options->Command3->click();
    QVERIFY2(!driver.rescued, "the key did not close the About box");
    QCOMPARE(frmAbout::loaded(), nullptr);
    QCOMPARE(warning, frmAbout::legalWarning().replace("\r\n", "\n")); // no line broken on the way
    QCOMPARE(frmOptions::loaded(), options);
}

QTEST_MAIN(tst_Dialogs)
#include "tst_dialogs.moc"
