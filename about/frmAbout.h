#pragma once

#include <QDialog>
#include <QPointer>
#include <array>

class Line;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class Shape;

// The About box: name, version, maker and web address, a legal warning, and three labels that
// open the maker's web address. It exists at most once and is destroyed when it closes, so
// every showing starts from the designed texts.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    // The loaded box, created (layout, then Form_Load) when there is none. The parent keeps it
    // off the task bar; it is centred on the screen all the same.
    static frmAbout* load(QWidget* parent = nullptr);
    // The loaded box, or nullptr.
    static frmAbout* loaded();

    // Shows the box modally and returns when it has closed; the box is destroyed by then.
    int showModal();

    // The maker's web address, the target of the three links.
    static QString webAddress();
    // The legal warning as designed: six lines, each ending in CR LF.
    static QString legalWarning();

    // Text elements.
    QLabel* lblTitle = nullptr;
    std::array<QLabel*, 5> lblInfo{}; // 1: the program's name, 4: a coloured block
    QLabel* lblVersion = nullptr;
    QLabel* lblProduct = nullptr; // link
    QLabel* Label2 = nullptr;
    QLabel* lblCopyright = nullptr; // link
    QLabel* lblURL = nullptr;       // link
    std::array<QLabel*, 2> lblDotLine{};

    // Coloured blocks.
    QLabel* Label1 = nullptr;
    QLabel* lblDescription = nullptr;

    // Graphics.
    QLabel* imgIcon = nullptr;
    std::array<Shape*, 3> shpRect{};
    std::array<Line*, 2> Line1{};

    QPlainTextEdit* txtSpecialCopyright = nullptr;
    QPushButton* cmdOK = nullptr; // default and cancel button

    // Handlers.
    void Form_Load();
    void cmdOK_Click();
    void lblProduct_Click();
    void lblURL_Click();
    void lblCopyright_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    explicit frmAbout(QWidget* parent);

    void buildLayout();
    void placeOnScreen();
    void openLink(const QLabel* label);

    static QPointer<frmAbout> s_loaded;
    QLabel* m_pressedLink = nullptr;
};
