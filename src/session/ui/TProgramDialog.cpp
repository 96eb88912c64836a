#include "session/ui/TProgramDialog.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/UiText.h"
#include "history/ui/HistoryKeeping.h"
#include "lang/DialogTexts.h"
#include "session/ui/FailureAdvice.h"

namespace radioprog::ui {

namespace {

QString SessionCaption(const GuiContext& context, int index) {
    return FromUtf8(SessionTextTable().TextUtf8(context.data.lang, index));
}

}  // namespace

TProgramDialog::TProgramDialog(GuiContext& context, QWidget* owner, const ProgramJob& job)
    : QDialog(owner), context_(context), job_(job) {
    setObjectName("TProgramDialog");
    setWindowTitle(job.caption);
    setFixedSize(369, 137);

    auto* layout = new QVBoxLayout(this);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    layout->addWidget(ProgressBar1);

    auto* Bevel1 = new QFrame(this);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameShape(QFrame::StyledPanel);
    auto* buttons = new QHBoxLayout(Bevel1);
    ProgramStart = new QPushButton(SessionCaption(context, 0), Bevel1);
    ProgramStart->setObjectName("ProgramStart");
    ProgramStart->setDefault(true);
    CancelBtn = new QPushButton(SessionCaption(context, 1), Bevel1);
    CancelBtn->setObjectName("CancelBtn");
    buttons->addStretch();
    buttons->addWidget(ProgramStart);
    buttons->addWidget(CancelBtn);
    buttons->addStretch();
    layout->addWidget(Bevel1);

    connect(ProgramStart, &QPushButton::clicked, this, &TProgramDialog::ProgramStartClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    Timer_Tx = MakeTimer("Timer_Tx", &ProgramSession::Timer_TxTimer);
    Timer_Rx = MakeTimer("Timer_Rx", &ProgramSession::Timer_RxTimer);
    Timer_TimeOut = MakeTimer("Timer_TimeOut", &ProgramSession::Timer_TimeOutTimer);

    session_ = std::make_unique<ProgramSession>(SessionDataOf(context.data), port_, *this);
    session_->SessionMode = job.sessionMode;
    session_->ReadRequested = job.readRequested;
}

TProgramDialog::~TProgramDialog() {
    // A window destroyed while its job still runs must not leave the port open.
    session_->FormClose();
}

QTimer* TProgramDialog::MakeTimer(const char* name, void (ProgramSession::*handler)()) {
    auto* timer = new QTimer(this);
    timer->setObjectName(name);
    // Coarse timers may fire up to 5 % late, which would stretch every 3 ms poll.
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, [this, handler] { ((*session_).*handler)(); });
    return timer;
}

QTimer* TProgramDialog::TimerOf(SessionTimer timer) const {
    switch (timer) {
        case SessionTimer::Tx:
            return Timer_Tx;
        case SessionTimer::Rx:
            return Timer_Rx;
        case SessionTimer::TimeOut:
            return Timer_TimeOut;
    }
    return Timer_TimeOut;
}

void TProgramDialog::ProgramStartClick() {
    ProgramStart->setEnabled(false);
    CancelBtn->setEnabled(false);
    session_->ProgramStartClick();
}

void TProgramDialog::StartTimer(SessionTimer timer, int intervalMs) {
    TimerOf(timer)->start(intervalMs);
    if (timer == SessionTimer::Rx) {
        WatchPortInput();
    }
}

void TProgramDialog::StopTimer(SessionTimer timer) {
    TimerOf(timer)->stop();
    if (timer == SessionTimer::Rx && inputNotifier_ != nullptr) {
        inputNotifier_->setEnabled(false);
    }
}

void TProgramDialog::WatchPortInput() {
    const int fd = port_.Descriptor();
    if (fd < 0) {
        return;
    }
    // Auto search opens one port after another: follow the descriptor in use.
    if (inputNotifier_ == nullptr || inputNotifier_->socket() != fd) {
        StopWatchingPort();
        inputNotifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(inputNotifier_, &QSocketNotifier::activated, this,
                &TProgramDialog::PortInputArrived);
    }
    inputNotifier_->setEnabled(true);
}

void TProgramDialog::PortInputArrived() {
    if (!Timer_Rx->isActive()) {
        return;
    }
    if (port_.BytesWaiting() == 0) {
        // A line that hung up reports itself readable for ever with nothing to read; the
        // receive poll keeps its own tick and the silence limit ends the job.
        inputNotifier_->setEnabled(false);
        return;
    }
    session_->Timer_RxTimer();
}

void TProgramDialog::Pause(int ms) {
    QThread::msleep(static_cast<unsigned long>(ms));
}

void TProgramDialog::SetProgress(int position) {
    ProgressBar1->setValue(std::clamp(position, 0, 100));
}

void TProgramDialog::AdvanceProgress(int by) {
    SetProgress(ProgressBar1->value() + by);
}

void TProgramDialog::ShowMessage(SessionMessage message) {
    QString text = SessionCaption(context_, static_cast<int>(message));
    if (message == SessionMessage::CommunicationFalse) {
        // Which port, and what to check or why it could not be opened.
        text +=
            "\n\n" + FailureAdvice(context_.data.lang, context_.data.port, session_->PortFailure());
    }
    // The window has already gone; its owner keeps the box in front of the main window.
    QWidget* owner = isVisible() ? this : parentWidget();
    context_.Tell(owner, text);
}

void TProgramDialog::StopWatchingPort() {
    if (inputNotifier_ != nullptr) {
        // The session may end inside this notifier's own signal: delete it afterwards.
        inputNotifier_->setEnabled(false);
        inputNotifier_->deleteLater();
        inputNotifier_ = nullptr;
    }
}

void TProgramDialog::CloseWindow() {
    StopWatchingPort();
    if (!closing_) {
        done(QDialog::Rejected);
    }
}

void TProgramDialog::RefreshMainWindow() {
    emit context_.events.projectReplaced(ProjectReplacement::RadioRead);
    KeepReadInHistory(context_, isVisible() ? this : parentWidget(), HistoryJob::Read,
                      session_->LegacyRadio());
}

void TProgramDialog::RefreshCalibrationWindow() {
    if (job_.refreshCalibrationWindow) {
        job_.refreshCalibrationWindow();
    }
    // The chip status comes this way too, and is no read of the radio's data.
    if (job_.sessionMode == kModeCalibration && job_.readRequested) {
        KeepReadInHistory(context_, isVisible() ? this : parentWidget(),
                          HistoryJob::CalibrationRead, session_->LegacyRadio());
    }
}

void TProgramDialog::closeEvent(QCloseEvent* event) {
    closing_ = true;
    session_->FormClose();
    StopWatchingPort();
    QDialog::closeEvent(event);
    closing_ = false;
}

void TProgramDialog::reject() {
    if (session_->IsRunning() && !closing_) {
        return;
    }
    QDialog::reject();
}

SessionOutcome RunProgramDialog(GuiContext& context, QWidget* owner, const ProgramJob& job) {
    TProgramDialog dialog(context, owner, job);
    context.modals.Exec(dialog);
    return dialog.Outcome();
}

}  // namespace radioprog::ui
