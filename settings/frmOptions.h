#pragma once

#include <QDialog>
#include <QPointer>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The Options dialog: the lamp colour by name and the two aids, each a Yes/No pair. It reads the
// store when it loads and writes it only on "Save and Close". It exists at most once and is
// destroyed when it closes, so the next showing reads the store again.
class frmOptions : public QDialog
{
    Q_OBJECT

public:
    // The loaded dialog, created (layout, then Form_Load) when there is none. The owner is the
    // window it is centred over and keeps it off the task bar.
    static frmOptions* load(QWidget* owner);
    // The loaded dialog, or nullptr.
    static frmOptions* loaded();

    // Shows the dialog without blocking, or brings an open one forward.
    void showModeless();
    // Shows the dialog modally and returns when it has closed; it is destroyed by then. One
    // that is already open modelessly becomes modal and is waited for.
    int showModal();

    QComboBox* Combo1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr; // Save and Close
    QPushButton* Command2 = nullptr; // Cancel and Close
    QPushButton* Command3 = nullptr; // About
    QGroupBox* Frame1 = nullptr;     // Cheat
    QRadioButton* Option1 = nullptr; // Cheat: Yes
    QRadioButton* Option2 = nullptr; // Cheat: No
    QGroupBox* Frame2 = nullptr;     // 0's & 1's
    QRadioButton* Option3 = nullptr; // 0's & 1's: Yes
    QRadioButton* Option4 = nullptr; // 0's & 1's: No

    // Selects or clears an option button as code does: selecting runs its click handler.
    void setValue(QRadioButton* option, bool value);

    // Handlers.
    void Form_Load();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    explicit frmOptions(QWidget* owner);

    void buildLayout();
    void placeForShow();
    void paintFrame(QGroupBox* frame);
    void optionClicked(QRadioButton* option);
    void pairClick(QRadioButton* own, QRadioButton* partner);
    void runClickHandler(QRadioButton* option);

    static QPointer<frmOptions> s_loaded;
    bool m_placed = false;
    bool m_inModal = false;
};
