#pragma once
// The project's file as a desktop program keeps it: the title names the current file and
// marks a project that differs from it, Ctrl+S saves to that file, and File > Recent holds the
// last projects opened or saved (kept in the configuration).

#include <QObject>
#include <QString>
#include <functional>

#include "gui/GuiContext.h"
#include "model/ProjectImage.h"

class QAction;
class QMainWindow;
class QMenu;

namespace radioprog::ui {

class ProjectFiles final : public QObject {
    Q_OBJECT
  public:
    // The Recent menu goes into fileMenu before `before`; open opens a project file, saveAs
    // runs File > Save's dialog (true when the project was written).
    ProjectFiles(GuiContext& context, QMainWindow& window, QMenu& fileMenu, QAction* before,
                 std::function<void(const QString&)> open, std::function<bool()> saveAs);

    // The project as it is now is what this file holds (after Open or Save).
    void Opened(const QString& path);
    // A new project: no file yet, nothing to mark.
    void StartedNew();
    // A project that came from elsewhere (a radio, a history entry) and belongs to no file:
    // the title says where it came from, it counts as unsaved, and saving asks for a name.
    void StartedUntitled(const QString& origin);
    // Before Open, Recent and New replace the project: unsaved changes are offered to be saved
    // first. False when the user cancelled (or the save did not happen): keep everything.
    bool ReadyToReplace();
    // The title and the Recent menu in the current language and state.
    void Refresh();
    // File > Save (Ctrl+S): to the current file without a dialog; without one, Save As.
    bool SaveToCurrent();

    const QString& CurrentFile() const { return current_; }
    // The file's name, or where an untitled project came from, or "Untitled".
    QString DisplayName() const;

  private:
    bool Modified() const;
    void RememberAsSaved();
    void RebuildRecentMenu();

    GuiContext& context_;
    QMainWindow& window_;
    QMenu* recent_ = nullptr;
    std::function<void(const QString&)> open_;
    std::function<bool()> saveAs_;
    QString current_;
    QString origin_;  // where an untitled project came from; empty for a new one
    ProjectImage::Bytes saved_{};
    BandLimits savedBand_;
};

}  // namespace radioprog::ui
