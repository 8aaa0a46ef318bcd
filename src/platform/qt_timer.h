#pragma once
// The core's one-shot timer on a QTimer of the user-interface thread.

#include <QTimer>

#include "system/timer.h"

namespace mv52 {

class QtOneShotTimer final : public OneShotTimer {
public:
    QtOneShotTimer();
    void start(std::chrono::milliseconds interval, std::function<void()> onTimeout) override;
    void stop() override { timer_.stop(); }
    bool active() const override { return timer_.isActive(); }

private:
    QTimer timer_;
    std::function<void()> onTimeout_;
};

}  // namespace mv52
