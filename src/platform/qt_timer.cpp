#include "platform/qt_timer.h"

namespace mv52 {

QtOneShotTimer::QtOneShotTimer() {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        // A copy: the handler may start the timer again with another callback.
        if (const std::function<void()> run = onTimeout_) run();
    });
}

void QtOneShotTimer::start(std::chrono::milliseconds interval, std::function<void()> onTimeout) {
    onTimeout_ = std::move(onTimeout);
    timer_.start(interval);
}

}  // namespace mv52
