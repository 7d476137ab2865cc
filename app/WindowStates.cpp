#include "app/WindowStates.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace {

// How long a window manager may take to maximise before "Full Screen" is taken as refused.
constexpr int maximiseWaitMs = 1500;

} // namespace

WindowStates::WindowStates(QWidget* window, QSize normalSize, const Desktop& desktop)
    : QObject(window), m_window(window), m_normalSize(normalSize), m_desktop(desktop)
{
    m_window->setFixedSize(m_normalSize);
    m_window->installEventFilter(this);
    m_maximiseCheck.setSingleShot(true);
    m_maximiseCheck.setInterval(maximiseWaitMs);
    connect(&m_maximiseCheck, &QTimer::timeout, this, &WindowStates::checkMaximised);
}

WindowStates::State WindowStates::state() const
{
    const Qt::WindowStates s = m_window->windowState();
    if (s & Qt::WindowMinimized)
        return Minimised;
    if (s & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return Maximised;
    return Normal;
}

void WindowStates::request(State state)
{
    const Qt::WindowStates now = m_window->windowState();
    Qt::WindowStates s = now & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (state == Minimised)
        s |= Qt::WindowMinimized | (now & Qt::WindowMaximized);
    else if (state == Maximised)
        s |= Qt::WindowMaximized;
    // The window manager reads the size limits and the allowed functions when it is asked to
    // maximise: both first.
    if ((s & Qt::WindowMaximized) && !(now & Qt::WindowMaximized)) {
        liftSizeLimits();
        allowMaximise(true);
    }
    m_window->setWindowState(s);
    if (state == Maximised)
        m_maximiseCheck.start();
}

void WindowStates::follow(Qt::WindowStates oldState)
{
    const Qt::WindowStates now = m_window->windowState();
    const bool maximised = now & Qt::WindowMaximized;
    if (maximised && !(oldState & Qt::WindowMaximized)) {
        if (!sizeLimitsLifted())
            liftSizeLimits();
    } else if (!maximised && !(now & Qt::WindowMinimized) && sizeLimitsLifted()) {
        // Not from the old state: a compositor that refuses to maximise reports "normal" after
        // "normal", while the limits are still lifted for the maximise it was asked for.
        restoreNormalSize();
    }
}

void WindowStates::restoreNormalSize()
{
    // A Wayland compositor disconnects a client whose surface is not the size of the maximised
    // state it configured; the normal size waits until it configures another state.
    m_normalSizePending =
        m_desktop.windowSystem == Desktop::WindowSystem::Wayland && m_configuredMaximised;
    if (!m_normalSizePending)
        applyNormalSize();
}

void WindowStates::applyNormalSize()
{
    m_normalSizePending = false;
    if (!sizeLimitsLifted())
        return;
    m_window->setFixedSize(m_normalSize);
    // Back through the saved geometry: moving by pos() drifts a pixel per round trip under some
    // window managers.
    if (m_normalGeometry.isValid())
        m_window->setGeometry(m_normalGeometry);
    allowMaximise(false);
}

bool WindowStates::sizeLimitsLifted() const
{
    return m_window->minimumSize() != m_window->maximumSize();
}

void WindowStates::liftSizeLimits()
{
    if (!sizeLimitsLifted() && !(m_window->windowState() & Qt::WindowMinimized))
        m_normalGeometry = m_window->geometry();
    // A fixed-size window cannot be maximised by most X11 window managers.
    m_window->setMinimumSize(0, 0);
    m_window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void WindowStates::allowMaximise(bool allow)
{
    // GNOME's window manager maximises only windows whose Motif hints offer it, and those hints
    // follow the maximise button; the normal view has none, so it is offered only meanwhile.
    // Set on the native window alone: a widget whose flags change is hidden and shown again.
    QWindow* native = m_window->windowHandle();
    if (native && m_desktop.windowSystem == Desktop::WindowSystem::X11 &&
        native->flags().testFlag(Qt::WindowMaximizeButtonHint) != allow)
        native->setFlag(Qt::WindowMaximizeButtonHint, allow);
}

void WindowStates::checkMaximised()
{
    // Hidden or iconified it is asked again when it is restored.
    const QWindow* native = m_window->windowHandle();
    if (!m_window->isVisible() || !native || !native->isExposed() || m_window->isMinimized())
        return;
    // Qt records "maximised" whether or not anyone carried it out (no window manager); a tiling
    // compositor answers with the normal state, which brings the normal view back by itself.
    if ((m_window->windowState() & Qt::WindowMaximized) && m_window->size() != m_normalSize)
        return;
    emit maximiseRefused();
}

bool WindowStates::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::Show && !m_watching && m_window->windowHandle()) {
            m_watching = true;
            m_window->windowHandle()->installEventFilter(this);
        } else if (event->type() == QEvent::Hide) {
            // A hidden Wayland window has no surface; the next one starts from what it asks for.
            m_configuredMaximised = false;
            if (m_normalSizePending)
                applyNormalSize();
        }
    } else if (event->type() == QEvent::WindowStateChange && event->spontaneous()) {
        // From the window system: on Wayland, each state the compositor configures.
        m_configuredMaximised = static_cast<QWindow*>(watched)->windowStates() &
                                (Qt::WindowMaximized | Qt::WindowFullScreen);
        if (m_normalSizePending && !m_configuredMaximised)
            applyNormalSize();
    }
    return QObject::eventFilter(watched, event);
}
