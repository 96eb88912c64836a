#pragma once
// Program several radios at once: one row per serial device present, each writing the project
// with the whole safety net on its own port, all on the one event loop. Start all, Stop all and
// each row's Retry; Automatic writes every radio as it is connected, once per connection.
// Cables plugged in or pulled out show within the second after. Closing the window stops every
// job and frees every port.

#include <QDialog>
#include <QList>
#include <string>

#include "gui/GuiContext.h"
#include "radiobench/ui/BenchRow.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTimer;
class QVBoxLayout;

namespace radioprog::ui {

class BenchWindow final : public QDialog {
    Q_OBJECT
  public:
    // projectFile names the project in the bench log (empty: unsaved).
    BenchWindow(GuiContext& context, QWidget* owner, const std::string& projectFile);
    ~BenchWindow() override;

    QList<BenchRow*> Rows() const { return rows_; }
    void StartAll();
    void StopAll();
    // Lays the rows out again for the cables present now.
    void Rescan();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    void TakeChoices();
    void RefreshTotals();
    void RefreshControls();

    GuiContext& context_;
    BenchOrder order_;
    QList<BenchRow*> rows_;
    // The totals of rows whose cable has gone.
    BenchTotals goneTotals_;
    // Between Start all and Stop all: in automatic mode a cable plugged in joins at once.
    bool running_ = false;
    QTimer* rescan_ = nullptr;

    QCheckBox* backupBeforeWrite_ = nullptr;
    QCheckBox* verifyAfterWrite_ = nullptr;
    QCheckBox* cAutomatic = nullptr;
    QPushButton* bStartAll = nullptr;
    QPushButton* bStopAll = nullptr;
    QVBoxLayout* rowsLayout_ = nullptr;
    QLabel* sNoCables = nullptr;
    QLabel* sTotals = nullptr;
};

// Opens the window modally through context.modals; returns when it has closed.
void RunBenchWindow(GuiContext& context, QWidget* owner, const std::string& projectFile);

}  // namespace radioprog::ui
