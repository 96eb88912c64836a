#pragma once
// Small helpers that keep GUI stories readable.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <functional>
#include <ostream>

// Failures print texts as texts, not as arrays of code units.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace radioprog::testing {

// Finds a child widget by objectName; a missing one fails the calling test with its name.
template <typename T>
T* Find(QObject* parent, const char* name) {
    T* found = parent->findChild<T*>(name);
    if (found == nullptr) {
        ADD_FAILURE() << "no widget named " << name;
    }
    return found;
}

// Waits until condition holds (events are processed meanwhile); false after timeoutMs.
inline bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 20000) {
    return QTest::qWaitFor(condition, timeoutMs);
}

// Closes and deletes every top-level window left over by a story.
inline void CloseStrayWindows() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        w->close();
        w->deleteLater();
    }
    QApplication::processEvents();
}

}  // namespace radioprog::testing
