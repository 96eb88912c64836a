#pragma once
// The port dialog (TCommunicationPort): which of COM1..COM9 the sessions use, or auto search
// over every present port. Each button's tool tip names the device behind the number.

#include <QDialog>
#include <array>

#include "gui/GuiContext.h"
#include "port/PortMap.h"

class QCheckBox;
class QRadioButton;

namespace radioprog::ui {

class TCommunicationPort final : public QDialog {
    Q_OBJECT
  public:
    TCommunicationPort(GuiContext& context, QWidget* owner);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void cAutoSeachPortClick();
    // The checked port when it can be chosen, else the first that can; the check box when
    // none can.
    void FocusPortChoice();
    void OKBtnClick();
    void ProbeAndShowDevices();
    void EnablePresentPorts();

    PortChoice& choice_;
    std::array<QRadioButton*, kPortCount> rbCOM_{};
    QCheckBox* cAutoSeachPort = nullptr;
};

// Shows the dialog modally through context.modals.
void RunPortDialog(GuiContext& context, QWidget* owner);

}  // namespace radioprog::ui
