#include "gui/SessionTimers.h"

#include <utility>

namespace radioprog::ui {

QTimer* MakeSessionTimer(QObject* owner, const char* name, std::function<void()> onTimeout) {
    auto* timer = new QTimer(owner);
    timer->setObjectName(name);
    // Coarse timers may fire up to 5 % late, which would stretch every 3 ms poll.
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer, &QTimer::timeout, owner, std::move(onTimeout));
    return timer;
}

QTimer* SessionTimerOf(SessionTimer timer, QTimer* tx, QTimer* rx, QTimer* timeOut) {
    switch (timer) {
        case SessionTimer::Tx:
            return tx;
        case SessionTimer::Rx:
            return rx;
        case SessionTimer::TimeOut:
            return timeOut;
    }
    return timeOut;
}

}  // namespace radioprog::ui
