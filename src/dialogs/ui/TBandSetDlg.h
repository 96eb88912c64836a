#pragma once
// The band limits dialog: new lower and upper limits of the radio, kept inside the supported
// ranges; a confirmed change clears all data and is remembered in the configuration file.

#include <QDialog>
#include <cstdint>

#include "gui/GuiContext.h"

class QPushButton;

namespace radioprog::ui {

class FrequencyEdit;

class TBandSetDlg final : public QDialog {
    Q_OBJECT
  public:
    TBandSetDlg(GuiContext& context, QWidget* owner);

    uint32_t BandSetMin = 0;
    uint32_t BandSetMax = 0;

    void eBandSet_MinFreqExit();
    void eBandSet_MaxFreqExit();
    void OKBtnClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Hovering over OK takes both edits, as leaving them does.
    void OKBtnMouseMove();
    FrequencyEdit* MakeFrequencyEdit(const char* name, uint32_t hz, bool& edited);
    // Takes the edit's text into value, unless it was not touched since last taken.
    void TakeEdit(FrequencyEdit& edit, uint32_t& value, bool& edited);
    void ApplyNewBand();

    GuiContext& context_;
    FrequencyEdit* eBandSet_MinFreq = nullptr;
    FrequencyEdit* eBandSet_MaxFreq = nullptr;
    QPushButton* OKBtn = nullptr;
    bool minEdited_ = false;
    bool maxEdited_ = false;
};

}  // namespace radioprog::ui
