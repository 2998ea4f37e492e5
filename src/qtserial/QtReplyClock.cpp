#include "qtserial/QtReplyClock.h"

namespace wifi {

QtReplyClock::QtReplyClock(std::function<void()> onExpire) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, std::move(onExpire));
}

}  // namespace wifi
