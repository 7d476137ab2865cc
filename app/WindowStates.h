#pragma once

#include "ui/Desktop.h"

#include <QObject>
#include <QRect>
#include <QSize>
#include <QTimer>

class QWidget;

// The clock window's states as its handlers name them, carried out so that every desktop agrees.
// The normal view has a fixed size, which a window manager needs lifted before it maximises the
// window; on Wayland that size may only come back once the compositor has left the maximised
// state, or the surface would contradict what the compositor configured.
class WindowStates : public QObject
{
    Q_OBJECT

public:
    enum State
    {
        Normal = 0,
        Minimised = 1,
        Maximised = 2
    };
    Q_ENUM(State)

    WindowStates(QWidget* window, QSize normalSize, const Desktop& desktop);

    State state() const;
    // Asks the window system for a state. A maximise the window manager has not carried out a
    // moment later is reported as refused.
    void request(State state);
    // Keeps the size limits in step with a state the window went into; to be called on each of
    // the window's WindowStateChange events.
    void follow(Qt::WindowStates oldState);
    // The fixed normal size and place, back as soon as the window system allows it.
    void restoreNormalSize();

signals:
    // Full Screen asked for a maximise that never came: no window manager, or one that tiles.
    void maximiseRefused();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void liftSizeLimits();
    bool sizeLimitsLifted() const;
    void applyNormalSize();
    void allowMaximise(bool allow);
    void checkMaximised();

    QWidget* m_window;
    const QSize m_normalSize;
    const Desktop m_desktop;
    QRect m_normalGeometry;
    QTimer m_maximiseCheck;
    bool m_watching = false;
    // Wayland only: the state the compositor last configured, and a normal size still waiting
    // for it to leave the maximised one.
    bool m_configuredMaximised = false;
    bool m_normalSizePending = false;
};
