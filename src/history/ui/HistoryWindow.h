#pragma once
// "Radio history...": the reads kept in the history, newest first; the selected one's channels
// in a read-only grid; Open makes it the current project as one step that Undo takes back, so
// that it can be written to a radio with the usual Write.

#include <QDialog>
#include <optional>

#include "gui/GuiContext.h"
#include "history/RadioHistory.h"

class QLabel;
class QPushButton;
class QTableView;

namespace radioprog::ui {

class HistoryListModel;
class ProjectPreviewModel;

class HistoryWindow final : public QDialog {
    Q_OBJECT
  public:
    HistoryWindow(GuiContext& context, const HistorySettings& settings, QWidget* owner);

    // Replaces the project with the selected entry and closes the window; a calibration entry
    // is only chosen (see CalibrationChosen), for the calibration window behind its code.
    void OpenClick();
    const QString& CalibrationChosen() const { return calibrationChosen_; }

  private:
    void BuildList(std::vector<HistoryEntry> entries);
    void BuildPreview();
    void SelectionChanged();
    const HistoryEntry* Selected() const;

    GuiContext& context_;
    HistoryListModel* entries_ = nullptr;
    ProjectPreviewModel* preview_ = nullptr;
    QLabel* sFolder = nullptr;
    QTableView* HistoryList = nullptr;
    QTableView* HistoryPreview = nullptr;
    QLabel* sDetail = nullptr;
    QPushButton* bOpen = nullptr;
    QPushButton* bClose = nullptr;
    // The selected project as its file holds it.
    std::optional<ProjectImage> image_;
    BandLimits band_;
    QString calibrationChosen_;
};

// Shows the window modally through context.modals; the entries are those of settings.folder.
// The calibration file chosen with Open, if one was: the caller opens it behind the access
// code of the calibration window.
std::optional<QString> RunHistoryWindow(GuiContext& context, QWidget* owner,
                                        const HistorySettings& settings);

}  // namespace radioprog::ui
