#pragma once

#include <QObject>
#include <QPoint>
#include <functional>

class QEvent;

// Qt's XEmbed tray icon turns the second of two quick clicks into a double-click and reports
// that only for the left button, so a second right click soon after the first would be lost.
// Watching the whole application, this hands such a right double-click on a tray icon to a
// callback, with the point it was made at.
class RightDoubleClicks : public QObject
{
public:
    explicit RightDoubleClicks(std::function<void(QPoint)> onRightDoubleClick,
                               QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(QPoint)> m_onRightDoubleClick;
};
