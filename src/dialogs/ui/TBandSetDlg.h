#pragma once
// The band limits dialog: new lower and upper limits of the radio, kept inside the supported
// ranges; a confirmed change clears all data and is remembered in the configuration file.

#include <QDialog>
#include <cstdint>

#include "appdata/ui/GuiContext.h"

class QLineEdit;
class QPushButton;

namespace radioprog::ui {

// A typed limit forced into 136-174, 200-260 or 320-520 MHz (a gap goes down to the top of
// the range below it) and put on the channel raster.
uint32_t ClampBandEdge(uint32_t hz);

class TBandSetDlg final : public QDialog {
    Q_OBJECT
  public:
    TBandSetDlg(GuiContext& context, QWidget* owner);

    uint32_t BandSetMin = 0;
    uint32_t BandSetMax = 0;

    void eBandSet_MinFreqExit();
    void eBandSet_MaxFreqExit();
    void OKBtnMouseMove();
    void OKBtnClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* MakeFrequencyEdit(const char* name, uint32_t hz, bool& edited);
    // Takes the edit's text into value, unless it was not touched since last taken.
    void TakeEdit(QLineEdit& edit, uint32_t& value, bool& edited);
    void ApplyNewBand();

    GuiContext& context_;
    QLineEdit* eBandSet_MinFreq;
    QLineEdit* eBandSet_MaxFreq;
    QPushButton* OKBtn;
    bool minEdited_ = false;
    bool maxEdited_ = false;
};

}  // namespace radioprog::ui
