#include "tray/ShowAfterFirstFrame.h"

#include <QEvent>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

ShowAfterFirstFrame::ShowAfterFirstFrame(QSystemTrayIcon* icon, QWidget* owner)
    : QObject(icon), m_owner(owner)
{
    owner->installEventFilter(this);
    QTimer::singleShot(1000, this, &ShowAfterFirstFrame::show);
}

bool ShowAfterFirstFrame::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Paint) // shown once the frame is out
        QTimer::singleShot(0, this, &ShowAfterFirstFrame::show);
    return false;
}

void ShowAfterFirstFrame::show()
{
    if (m_owner)
        m_owner->removeEventFilter(this);
    if (!m_shown)
        static_cast<QSystemTrayIcon*>(parent())->show();
    m_shown = true;
    deleteLater();
}
