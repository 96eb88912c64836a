#pragma once
// "Radio history...": the reads kept in the history, newest first, found by a search over
// labels, dates, kinds and frequencies and by a span of days; the selected one's channels in a
// read-only grid; each entry's label edited in place. Open makes the entry the current project
// as one step that Undo takes back, so that it can be written to a radio with the usual Write.

#include <QDialog>
#include <optional>

#include "gui/GuiContext.h"
#include "history/RadioHistory.h"

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace radioprog::ui {

class HistoryFilterModel;
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
    // Starts editing the selected entry's label.
    void EditLabelClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildFilter(const std::vector<HistoryEntry>& entries);
    void BuildList(std::vector<HistoryEntry> entries);
    void BuildPreview();
    void FilterChanged();
    void SelectionChanged();
    void ListDoubleClicked(const QModelIndex& index);
    const HistoryEntry* Selected() const;

    GuiContext& context_;
    HistoryListModel* entries_ = nullptr;
    HistoryFilterModel* shown_ = nullptr;
    ProjectPreviewModel* preview_ = nullptr;
    QLabel* sFolder = nullptr;
    QLineEdit* eSearch = nullptr;
    QCheckBox* cDates = nullptr;
    QDateEdit* eDateFrom = nullptr;
    QDateEdit* eDateTo = nullptr;
    QTableView* HistoryList = nullptr;
    QTableView* HistoryPreview = nullptr;
    QLabel* sDetail = nullptr;
    QPushButton* bLabel = nullptr;
    QPushButton* bOpen = nullptr;
    QPushButton* bClose = nullptr;
    // The entry shown below the list.
    const HistoryEntry* shownEntry_ = nullptr;
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
