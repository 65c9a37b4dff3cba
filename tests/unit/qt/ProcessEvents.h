// Runs the event loop until a condition holds, for at most five seconds.
#pragma once

#include <QApplication>
#include <QDeadlineTimer>

#include <functional>

inline bool ProcessEventsUntil(const std::function<bool()>& done) {
    QDeadlineTimer deadline(5000);
    while (!done() && !deadline.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}
