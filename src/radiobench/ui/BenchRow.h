#pragma once
// One cable of the bench window: its port and adapter, a progress bar, what it is doing, the
// radio it met, the result of its last write in large type (coloured, and said in words) and
// its count, with Retry. The row's cycle decides what runs next; its host runs it.

#include <QElapsedTimer>
#include <QFrame>

#include "gui/GuiContext.h"
#include "history/RadioHistory.h"
#include "jobs/RadioJobs.h"
#include "radiobench/BenchCables.h"
#include "radiobench/BenchRowCycle.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace radioprog::ui {

class BenchRowHost;

// What every row of the window writes, and how: set by the window, read at each Start.
struct BenchOrder {
    SessionState project;
    JobOrder job;
    HistorySettings history;
    bool automatic = false;
};

class BenchRow final : public QFrame {
    Q_OBJECT
  public:
    BenchRow(GuiContext& context, const BenchCable& cable, const BenchOrder& order,
             QWidget* parent);
    // Stops the job while the row can still hear of it.
    ~BenchRow() override;

    const BenchCable& Cable() const { return cable_; }
    const BenchRowCycle& Cycle() const { return cycle_; }
    // Start all, or this row's Retry.
    void Start();
    // Stop all: the running job stops at once and the port is free.
    void Stop();
    // The cable was pulled out while a write ran: the row stays until the write has ended.
    void MarkUnplugged();
    // Whether the row may go now: not inside a pause of its job.
    bool CanGo() const;

  protected:
    // Space or Return on the row is its Retry.
    void keyPressEvent(QKeyEvent* event) override;

  signals:
    // What the row does, its result or its count has changed.
    void changed();

  private:
    void Follow(BenchAction action);
    void JobEnded();
    void CheckDue();
    void ArmDueTimer();
    void Refresh();
    void ShowResult();

    GuiContext& context_;
    BenchCable cable_;
    const BenchOrder& order_;
    BenchRowCycle cycle_;
    BenchRowHost* host_ = nullptr;
    QElapsedTimer clock_;
    QTimer* due_ = nullptr;
    bool unplugged_ = false;

    QLabel* sPort = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* sStage = nullptr;
    QLabel* sRadio = nullptr;
    QLabel* sResult = nullptr;
    QLabel* sWhy = nullptr;
    QLabel* sCount = nullptr;
    QPushButton* bRetry = nullptr;
};

}  // namespace radioprog::ui
