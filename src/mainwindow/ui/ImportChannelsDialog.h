#pragma once
// The chooser of File -> Import channels...: every row of a channel list (either format) with
// a tick box, whether it can be taken (or why not), the channel it goes to (which the user may
// change), and the choices that place the rows: in order from channel 1, long names shortened,
// the other channels replaced. Every change shows at once what Import would do; Import leaves
// the project as the chosen rows make it to the caller.

#include <QDialog>
#include <string>
#include <vector>

#include "channellist/ChannelListPlan.h"
#include "gui/GuiContext.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;

namespace radioprog::ui {

class ImportChannelsDialog final : public QDialog {
    Q_OBJECT
  public:
    // The list's text is read as given; a list the planner refuses as a whole is not for this
    // dialog (the caller says why instead).
    ImportChannelsDialog(GuiContext& context, QWidget* owner, std::string csv);

    // What Import applies: the ticked rows that fit, placed as shown.
    const ChannelListPlan& Plan() const { return plan_; }

  private:
    void BuildRows();
    // Plans again from the ticks, the channels given by hand and the choices, and shows it.
    void Replan();
    void ShowPlan();
    void RowTicked(QTableWidgetItem* item);
    void ChannelTyped(int tableRow, int channel);
    ChannelListChoice Choice(bool tickedOnly) const;
    ChannelListPlan Planned(bool tickedOnly) const;

    GuiContext& context_;
    std::string csv_;
    ChannelListChoice choice_;   // the hand-placed channels and the three options
    std::vector<int> listRows_;  // the list's row number of each table row
    ChannelListPlan plan_;       // the ticked rows
    ChannelListPlan fit_;        // every row, for the fit of rows not ticked
    bool showing_ = false;       // widgets are being filled: their signals are not the user's
    QTableWidget* ImportRows = nullptr;
    std::vector<QSpinBox*> channelEdits_;
    QCheckBox* ImportRenumber = nullptr;
    QCheckBox* ImportShortenNames = nullptr;
    QCheckBox* ImportReplace = nullptr;
    QLabel* ImportStatus = nullptr;
    QPushButton* ImportBtn = nullptr;
};

}  // namespace radioprog::ui
