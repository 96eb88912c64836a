#pragma once
// How a window tells the shell that it replaced the whole project. The shell answers in one
// place: it redraws and decides what becomes of the undo history.

#include <QObject>
#include <QString>

namespace radioprog::ui {

enum class ProjectReplacement {
    RadioRead,     // the radio's data came in over the open project
    BandChange,    // new band limits cleared all data
    HistoryEntry,  // a kept read or backup was opened over the open project
};

class ProjectEvents final : public QObject {
    Q_OBJECT
  signals:
    // when: for a history entry, the time it was kept ("2026-12-07 16:45:12"); label: the
    // entry's label (a customer, a job), empty when it has none.
    void projectReplaced(radioprog::ui::ProjectReplacement how, const QString& when = {},
                         const QString& label = {});
};

}  // namespace radioprog::ui
