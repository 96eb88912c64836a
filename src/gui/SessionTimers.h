#pragma once
// A session's three timers as Qt timers, shared by every window that drives a session.

#include <QTimer>

#include <functional>

#include "session/SessionHost.h"

namespace radioprog::ui {

// A timer owned by owner and named as the session names it (tests find it so), precise, that
// calls onTimeout each time it fires.
QTimer* MakeSessionTimer(QObject* owner, const char* name, std::function<void()> onTimeout);

// The one of the three that the session means.
QTimer* SessionTimerOf(SessionTimer timer, QTimer* tx, QTimer* rx, QTimer* timeOut);

}  // namespace radioprog::ui
