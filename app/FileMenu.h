#pragma once

#include <QMenu>

// The clock window's File menu, never shown as a menu bar: the tray icon pops it up, or a
// notification area draws it itself. What its items do is the window's.
class FileMenu : public QMenu
{
    Q_OBJECT

public:
    explicit FileMenu(QWidget* parent);

    QAction* Show = nullptr;
    QAction* Options = nullptr;
    QAction* gap1 = nullptr;
    QAction* Exit = nullptr;
};
