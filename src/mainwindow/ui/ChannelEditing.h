#pragma once
// Spreadsheet-like editing around the channel grid: undo and redo of every change made in the
// window, whole channels copied, cut, pasted (also from and to spreadsheets) and cleared,
// channels moved up and down, and channel lists imported and exported. Every change goes
// through the same core parsers as a typed value and becomes one undo step; Open, New and a
// radio read start a fresh history.

#include <QModelIndex>
#include <QObject>
#include <functional>
#include <optional>
#include <string>

#include "gui/GuiContext.h"
#include "lang/ChannelEditText.h"
#include "mainwindow/ui/ChannelEditActions.h"
#include "model/ProjectHistory.h"

class QTableView;

namespace radioprog::ui {

class ChannelPage;
class ChannelTableModel;
class MainWindowPage;

class ChannelEditing final : public QObject {
    Q_OBJECT
  public:
    // Works on the channel page's grid; redraw shows the whole project again (the main
    // window's full redraw, which must not start a fresh history).
    ChannelEditing(GuiContext& context, QWidget* window, ChannelPage& channelPage,
                   std::function<void()> redraw);

    ChannelEditActions& Actions() { return *actions_; }

    // Every stored change of the page becomes an undo step.
    void WatchPage(MainWindowPage& page);
    // After Open, New and a band change: the project as it is now, nothing to undo.
    void StartFreshHistory();
    // Before a radio read: what the user changed so far becomes a step, so that undoing the
    // read brings back exactly the project it replaced.
    void RecordUnrecordedChanges();
    // After a radio read: the read is one step ("Undo read from radio").
    void RecordRadioRead();
    // Captions in the current language.
    void RefreshTexts();

    void Undo();
    void Redo();
    void Copy();
    void Cut();
    void Paste();
    void Clear();
    void Move(int step);
    void ImportChannels();
    void ExportChannels();
    // Each column of the selection takes its first selected channel's value.
    void FillDown();
    // Asks for a shift and offset, then sets the selected channels' transmit frequencies.
    void DuplexOffset();

  private:
    // Stores what an open editor holds (its own step), then runs change; when change reports
    // a change, records it as one step, redraws and selects the channels it names.
    void Change(const std::function<bool(std::vector<int>& select)>& change);
    void Record();
    void UpdateActions();
    // A cell of one of several selected channels was set: offers the same value to the rest.
    void NoteCellEdit(const QModelIndex& cell);
    void NoteChannelEdit(int row);
    void OfferToSelection();
    void Refuse(ChannelEditTextId why, const QString& detail = {});

    GuiContext& context_;
    QWidget* window_ = nullptr;
    MainWindowPage& channelPage_;
    QTableView& grid_;
    ChannelTableModel& model_;
    std::function<void()> redraw_;
    ChannelEditActions* actions_ = nullptr;  // owned by the window, like every action of it
    ProjectHistory history_;
    std::string lastCopy_;  // the text the last Copy put on the clipboard
    // The cell the last stored edit was about, and the selection at that moment; set while
    // an offer to apply it to the selection waits for the edit to end.
    struct PendingOffer {
        int channel = 0;
        int column = -1;
        std::vector<int> selection;
    };
    PendingOffer lastEditedCell_;
    std::optional<PendingOffer> offer_;
};

}  // namespace radioprog::ui
