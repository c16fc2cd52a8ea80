#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>

// Prints "shown" once the first top-level window has been shown and the events
// queued with it have been handled, then ends the process.
class ShownReporter : public QObject {
public:
    ShownReporter() { QCoreApplication::instance()->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && !m_reported && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow()) {
            m_reported = true;
            QTimer::singleShot(0, watched, [] {
                std::puts("shown");
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_reported = false;
};
