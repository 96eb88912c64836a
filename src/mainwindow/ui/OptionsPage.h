#pragma once
// The options page of the main window: squelch level, transmit time-out and its pre-alert,
// voice prompts, key beep, battery saver and its ratio. Every choice is stored at once.

#include <vector>

#include "gui/GuiContext.h"
#include "mainwindow/ui/MainWindowPage.h"
#include "model/ByteAccess.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace radioprog::ui {

struct OptionList;

class OptionsPage final : public MainWindowPage {
    Q_OBJECT
  public:
    OptionsPage(GuiContext& context, QWidget* parent);

    void RefreshFromModel() override;
    // Choices are stored the moment they are made; nothing is ever pending.
    void CommitPendingEdit() override;

  private:
    struct ListControl {
        const OptionList* list;
        QLabel* caption = nullptr;
        QComboBox* combo = nullptr;
    };

    void StoreChoice(const OptionList& list, int item);
    void StoreCheck(U8Field field, bool checked);
    void FillList(const ListControl& control);

    GuiContext& context_;
    std::vector<ListControl> lists_;
    QCheckBox* beep_ = nullptr;
    QCheckBox* saving_ = nullptr;
    QComboBox* savingRate_ = nullptr;
};

}  // namespace radioprog::ui
