#include "platform/qt/BackgroundJob.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QThread>
#include <QThreadPool>

#include <atomic>
#include <cerrno>
#include <memory>

namespace {

struct Outcome {
    std::atomic<bool> done{false};
    bool result = false;
    int error = 0;
};

// One worker thread keeps the jobs in order. It is never destroyed: a job still running
// at exit must not hold the process back.
QThreadPool& Worker() {
    static QThreadPool* pool = [] {
        auto* created = new QThreadPool;
        created->setMaxThreadCount(1);
        return created;
    }();
    return *pool;
}

}  // namespace

bool RunInBackground(const std::function<bool()>& job) {
    auto outcome = std::make_shared<Outcome>();
    QAbstractEventDispatcher* window = QCoreApplication::instance() != nullptr
                                           ? QAbstractEventDispatcher::instance(QCoreApplication::instance()->thread())
                                           : nullptr;
    Worker().start([outcome, job, window] {
        outcome->result = job();
        outcome->error = errno;
        outcome->done.store(true, std::memory_order_release);
        if (window != nullptr) {
            window->wakeUp();
        }
    });
    const bool onWindowThread = window != nullptr && QThread::currentThread() == QCoreApplication::instance()->thread();
    while (!outcome->done.load(std::memory_order_acquire)) {
        if (onWindowThread) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        } else {
            QThread::msleep(10);
        }
    }
    errno = outcome->error;
    return outcome->result;
}
