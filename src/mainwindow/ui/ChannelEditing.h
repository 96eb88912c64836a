#pragma once
// Spreadsheet-like editing around the channel grid: undo and redo of every change made in the
// window, whole channels copied, cut, pasted (also from and to spreadsheets) and cleared,
// channels moved up and down, and channel lists imported and exported. Every change goes
// through the same core parsers as a typed value and becomes one undo step; Open, New and a
// radio read start a fresh history.

#include <QObject>
#include <functional>
#include <string>

#include "gui/GuiContext.h"
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

  private:
    // Stores what an open editor holds (its own step), then runs change; when change reports
    // a change, records it as one step, redraws and selects the channels it names.
    void Change(const std::function<bool(std::vector<int>& select)>& change);
    void Record();
    void UpdateActions();

    GuiContext& context_;
    QWidget* window_ = nullptr;
    MainWindowPage& channelPage_;
    QTableView& grid_;
    ChannelTableModel& model_;
    std::function<void()> redraw_;
    ChannelEditActions* actions_ = nullptr;  // owned by the window, like every action of it
    ProjectHistory history_;
    std::string lastCopy_;  // the text the last Copy put on the clipboard
};

}  // namespace radioprog::ui
