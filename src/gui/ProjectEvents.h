#pragma once
// How a window tells the shell that it replaced the whole project. The shell answers in one
// place: it redraws and decides what becomes of the undo history.

#include <QObject>

namespace radioprog::ui {

enum class ProjectReplacement {
    RadioRead,   // the radio's data came in over the open project
    BandChange,  // new band limits cleared all data
};

class ProjectEvents final : public QObject {
    Q_OBJECT
  signals:
    void projectReplaced(radioprog::ui::ProjectReplacement how);
};

}  // namespace radioprog::ui
