#pragma once

#include <QAccessible>
#include <QApplication>
#include <QTimer>
#include <functional>

// Helpers for the suites that drive the program's windows.
namespace Widgets {

// The controls on show a keyboard user reaches that a screen reader could not name.
inline QStringList unnamedControls(const QWidget& window)
{
    QStringList unnamed;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus) &&
            (!a || a->text(QAccessible::Name).trimmed().isEmpty()))
            unnamed << w->objectName();
    }
    return unnamed;
}

// Runs `during` once the next modal window's event loop turns. Whatever modal window is still up
// after five seconds is closed, so a failing check cannot hang the test.
struct ModalDriver : QObject
{
    explicit ModalDriver(std::function<void(QWidget*)> during)
    {
        QTimer::singleShot(0, this, [during] {
            if (QWidget* modal = QApplication::activeModalWidget())
                during(modal);
        });
        QTimer::singleShot(5000, this, [this] {
            for (; QApplication::activeModalWidget() && !rescued; rescued = true)
                QApplication::activeModalWidget()->close();
        });
    }
    bool rescued = false;
};

} // namespace Widgets
