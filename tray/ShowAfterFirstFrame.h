#pragma once

#include <QObject>
#include <QPointer>

class QSystemTrayIcon;
class QWidget;

// Docking in an XEmbed area, or registering with a StatusNotifierItem host, takes round trips
// that the window's first frame need not wait for: this shows the icon of a window still to be
// shown once the window has painted, or after a second if it never does, and then goes.
class ShowAfterFirstFrame : public QObject
{
public:
    ShowAfterFirstFrame(QSystemTrayIcon* icon, QWidget* owner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show();

    QPointer<QWidget> m_owner;
    bool m_shown = false;
};
