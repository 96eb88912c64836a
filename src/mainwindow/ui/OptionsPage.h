#pragma once
// The options page of the main window: squelch level, transmit time-out and its pre-alert,
// voice prompts, key beep, battery saver and its ratio, one editor per option of the options
// table. Every choice is stored at once.

#include <vector>

#include "gui/GuiContext.h"
#include "lang/OptionFields.h"
#include "mainwindow/ui/MainWindowPage.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace radioprog::ui {

class OptionsPage final : public MainWindowPage {
    Q_OBJECT
  public:
    OptionsPage(GuiContext& context, QWidget* parent);

    void RefreshFromModel() override;
    // Choices are stored the moment they are made; nothing is ever pending.
    void CommitPendingEdit() override;

  private:
    // The controls of one option: a caption and a list, or a check box.
    struct Editor {
        const OptionField* option;
        QLabel* caption = nullptr;
        QComboBox* list = nullptr;
        QCheckBox* check = nullptr;
    };

    void Store(const OptionField& option, int item);
    void FillEditor(const Editor& editor);
    // Lists offered only while a switch is on follow that switch.
    void EnableDependentLists();

    GuiContext& context_;
    std::vector<Editor> editors_;
};

}  // namespace radioprog::ui
