#pragma once
// The calibration window: edits the program's one calibration record in place, keeps it in
// calibration files and reads or writes it on the radio. Nothing is undone on close; the
// record outlives the window.

#include <QDialog>
#include <array>
#include <vector>

#include "calibration/CalibrationData.h"
#include "calibration/SquelchOffsetRows.h"
#include "calibration/ui/CalibrationEditors.h"
#include "gui/GuiContext.h"
#include "session/TransferPlans.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace radioprog::ui {

class FrequencyEdit;
class LiveStatus;
class UpDown;

class TAdjustmentDlg final : public QDialog {
    Q_OBJECT
  public:
    TAdjustmentDlg(GuiContext& context, QWidget* owner);

    // Writes every field of the record into its control.
    void ShowAdjustmentData();
    // Only the RF chip's status figures, which a live read refreshes: the editors keep
    // whatever is being typed in them.
    void ShowChipStatus();
    // The exit handler of any edit of this window (numeric editors and eFreq_Aging).
    void EditExit(QLineEdit& edit);

    void bNewClick();
    void bOpenClick();
    // Reads a calibration file into the window (also one opened from outside the program); a
    // file that cannot be read is reported and the values stay.
    bool OpenCalibrationFile(const QString& path);
    void bSaveClick();
    void bWriteClick();
    void bAllWriteClick();

  protected:
    // Closing (close box or Escape) takes the edit being typed in, like every command does.
    void reject() override;

  private:
    void bReadClick();
    void Read1846StatusClick();
    struct SquelchOffsetRow {
        QLabel* frequency = nullptr;
        QLabel* wideValue = nullptr;
        UpDown* wide = nullptr;
        QLabel* narrowValue = nullptr;
        UpDown* narrow = nullptr;
    };

    QWidget* BuildPoints();
    QWidget* BuildSquelchOffsets();
    QWidget* BuildVolume();
    QWidget* BuildSquelch();
    QWidget* BuildStatus();
    QWidget* BuildChipSettings();
    QWidget* BuildButtons();
    // Adds a caption and the named editor to the next row of grid.
    void AddEditorRow(QGridLayout& grid, const char* caption, const QString& editor,
                      const char* range = nullptr);
    QPushButton* MakeButton(const char* name, const char* caption, void (TAdjustmentDlg::*click)());
    QCheckBox* MakeDetectionBox(const char* name, const char* caption, U8Field field);
    SquelchOffsetRow MakeSquelchOffsetRow(QWidget* parent, int row);
    void PlaceSquelchOffsetRows(const std::vector<int>& frequencies);

    void eFreq_AgingExit();
    // Stores the edit that has the focus before a command uses the record.
    void CommitPendingEdit();
    void RunSession(SessionMode sessionMode, bool read);
    // Whether the write may go: false when it would send what the radio cannot take. A record
    // outside the calibration ranges goes only when the user insists, and with a backup.
    bool ConfirmWrite(SessionMode sessionMode, bool& backUpFirst);

    GuiContext& context_;
    CalibrationEditors* editors_;
    FrequencyEdit* eFreq_Aging = nullptr;
    std::array<SquelchOffsetRow, kSquelchOffsetRowCount> squelchRows_{};
    QComboBox* cb1846Xtal = nullptr;
    std::vector<QComboBox*> volumeCombos_;  // cb1846Vol_1 and up
    QCheckBox* cModu_dten = nullptr;
    QCheckBox* cPkdet_dten = nullptr;
    std::vector<std::pair<QLabel*, U8Field>> statusLabels_;
    QLabel* sOffset = nullptr;
    LiveStatus* live_ = nullptr;
    // Set while the controls are being filled, so that their change signals store nothing.
    bool showing_ = false;
};

}  // namespace radioprog::ui
