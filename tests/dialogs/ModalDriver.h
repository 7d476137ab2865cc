#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs `during` as soon as the event loop of the next modal window turns; closes any modal window
// still up after five seconds, so that a failing check cannot hang the test.
class ModalDriver
{
public:
    explicit ModalDriver(std::function<void(QWidget*)> during)
    {
        QTimer::singleShot(0, &m_rescue, [this, during] {
            m_seen = QApplication::activeModalWidget();
            if (m_seen)
                during(m_seen);
        });
        m_rescue.setSingleShot(true);
        m_rescue.setInterval(5000);
        QObject::connect(&m_rescue, &QTimer::timeout, &m_rescue, [this] {
            m_rescued = true;
            for (int i = 0; i < 5; ++i) {
                if (QWidget* w = QApplication::activeModalWidget())
                    w->close();
            }
        });
        m_rescue.start();
    }

    QWidget* seen() const { return m_seen; }
    bool rescued() const { return m_rescued; }

private:
    QPointer<QWidget> m_seen;
    bool m_rescued = false;
    QTimer m_rescue;
};
