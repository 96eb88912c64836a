#include "session/ui/TProgramDialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/SessionTimers.h"
#include "gui/UiText.h"
#include "history/RadioHistory.h"
#include "jobs/VerifyFailureText.h"
#include "lang/DialogTexts.h"
#include "lang/HistoryText.h"
#include "lang/TextIds.h"
#include "lang/WindowText.h"
#include "lang/WriteCheckText.h"
#include "session/ui/FailureAdvice.h"
#include "session/ui/ProgramWindowLines.h"

namespace radioprog::ui {

namespace {

QString SessionCaption(const GuiContext& context, int index) {
    return FromUtf8(SessionTextTable().TextUtf8(context.data.lang, index));
}

QString CheckText(const GuiContext& context, WriteCheckTextId id) {
    return FromUtf8(WriteCheckTextUtf8(context.data.lang, id));
}

}  // namespace

TProgramDialog::TProgramDialog(GuiContext& context, QWidget* owner, const ProgramJob& job)
    : QDialog(owner), context_(context), job_(job) {
    setObjectName("TProgramDialog");
    setWindowTitle(job.caption);

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
    if (IsCheckedWrite(job)) {
        AddSafetyNetChoices(layout);
    }
    AddWhereAndRadio(*layout, *this, context);
    // The port line wraps, so the height follows the width the window keeps.
    constexpr int kWidth = 369;
    setFixedSize(kWidth, std::max({137, sizeHint().height(), layout->totalHeightForWidth(kWidth)}));

    connect(ProgramStart, &QPushButton::clicked, this, &TProgramDialog::ProgramStartClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    Timer_Tx = MakeTimer("Timer_Tx", &SessionDriver::Timer_TxTimer);
    Timer_Rx = MakeTimer("Timer_Rx", &SessionDriver::Timer_RxTimer);
    Timer_TimeOut = MakeTimer("Timer_TimeOut", &SessionDriver::Timer_TimeOutTimer);
    radioWait_ = new QTimer(this);
    radioWait_->setObjectName("RadioWait");
    radioWait_->setSingleShot(true);
    connect(radioWait_, &QTimer::timeout, this, &TProgramDialog::StartAgain);

    session_ = MakeDriver();
    if (job.startAtOnce) {
        QTimer::singleShot(0, this, &TProgramDialog::ProgramStartClick);
    }
}

bool IsCheckedWrite(const ProgramJob& job) {
    return job.safetyNet && IsSafeWrite({job.sessionMode, job.readRequested, {}, {}});
}

void TProgramDialog::AddSafetyNetChoices(QVBoxLayout* layout) {
    ConfigValues& config = context_.data.config;
    backupBeforeWrite_ =
        new QCheckBox(CheckText(context_, WriteCheckTextId::BackupBeforeWrite), this);
    backupBeforeWrite_->setObjectName("BackupBeforeWrite");
    // The backup is kept in the history: without one there is nowhere to keep it.
    const bool historyOn = HistorySettingsOf(config).enabled;
    backupBeforeWrite_->setChecked(historyOn && (config.backupBeforeWrite || job_.alwaysBackUp));
    backupBeforeWrite_->setEnabled(historyOn && !job_.alwaysBackUp);
    verifyAfterWrite_ =
        new QCheckBox(CheckText(context_, WriteCheckTextId::VerifyAfterWrite), this);
    verifyAfterWrite_->setObjectName("VerifyAfterWrite");
    verifyAfterWrite_->setChecked(config.verifyAfterWrite || job_.alwaysVerify);
    verifyAfterWrite_->setEnabled(!job_.alwaysVerify);
    connect(backupBeforeWrite_, &QCheckBox::toggled, this,
            [&config](bool on) { config.backupBeforeWrite = on; });
    connect(verifyAfterWrite_, &QCheckBox::toggled, this,
            [&config](bool on) { config.verifyAfterWrite = on; });
    stage_ = new QLabel(this);
    stage_->setObjectName("sStage");
    stage_->setMinimumHeight(stage_->fontMetrics().height());
    layout->insertWidget(1, stage_);
    auto* row = new QHBoxLayout;
    row->addWidget(backupBeforeWrite_);
    row->addWidget(verifyAfterWrite_);
    layout->addItem(row);
}

std::unique_ptr<SessionDriver> TProgramDialog::MakeDriver() {
    const CheckedWriteOptions checks{
        backupBeforeWrite_ != nullptr && backupBeforeWrite_->isChecked(),
        verifyAfterWrite_ != nullptr && verifyAfterWrite_->isChecked()};
    SessionState& state = job_.readInto != nullptr ? *job_.readInto : context_.data;
    return MakeJob(
        {job_.sessionMode, job_.readRequested, checks, job_.projectFile},
        {state, context_.data.port, port_, *this, HistorySettingsOf(context_.data.config)});
}

QWidget* TProgramDialog::BoxOwner() {
    return isVisible() ? this : parentWidget();
}

void TProgramDialog::StageStarted(WriteStage stage) {
    if (stage_ == nullptr) {
        return;
    }
    const WriteCheckTextId id =
        stage == WriteStage::Write ? WriteCheckTextId::StageWrite
        : stage == WriteStage::BackupCalibration || stage == WriteStage::BackupData
            ? WriteCheckTextId::StageBackup
            : WriteCheckTextId::StageVerify;
    stage_->setText(CheckText(context_, id));
}

void TProgramDialog::VerifyFailed(const VerifyReport& report) {
    context_.Tell(BoxOwner(), FromUtf8(VerifyFailureTextUtf8(context_.data.lang, report)));
}

void TProgramDialog::Tell(const JobNote& note) {
    const QString detail = FromUtf8(note.detail);
    switch (note.kind) {
        case JobNoteKind::ReadNotKept:
            context_.Tell(BoxOwner(),
                          FromUtf8(HistoryTextUtf8(context_.data.lang, HistoryTextId::CannotKeep)) +
                              QLatin1Char('\n') + detail);
            break;
        case JobNoteKind::BackupNotKept:
            context_.Tell(BoxOwner(),
                          CheckText(context_, WriteCheckTextId::BackupNotKept) + "\n\n" + detail);
            break;
        case JobNoteKind::KeptWithNotice:
        case JobNoteKind::LogNotWritten:
            context_.Tell(BoxOwner(), detail);
            break;
        case JobNoteKind::BackupKept:
            break;  // the history window lists it
    }
}

TProgramDialog::~TProgramDialog() {
    // A window destroyed while its job still runs must not leave the port open.
    session_->FormClose();
}

QTimer* TProgramDialog::MakeTimer(const char* name, void (SessionDriver::*handler)()) {
    return MakeSessionTimer(this, name, [this, handler] { Drive(handler); });
}

QTimer* TProgramDialog::TimerOf(SessionTimer timer) const {
    return SessionTimerOf(timer, Timer_Tx, Timer_Rx, Timer_TimeOut);
}

void TProgramDialog::ProgramStartClick() {
    if (session_->IsRunning()) {
        return;
    }
    ProgramStart->setEnabled(false);
    CancelBtn->setEnabled(false);
    if (IsCheckedWrite(job_)) {
        // The check boxes as they stand now decide what the write does around it.
        backupBeforeWrite_->setEnabled(false);
        verifyAfterWrite_->setEnabled(false);
        session_ = MakeDriver();
    }
    Drive(&SessionDriver::ProgramStartClick);
}

void TProgramDialog::Drive(void (SessionDriver::*entry)()) {
    ((*session_).*entry)();
    RefreshCancel();
}

void TProgramDialog::RefreshCancel() {
    CancelBtn->setEnabled(!session_->IsRunning() || !session_->RadioAnswered());
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
    Drive(&SessionDriver::Timer_RxTimer);
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
    if (job_.quiet) {
        quietResult_ = MessageText(message);
        return;
    }
    if (waitingForRadio_) {
        return;  // the next attempt follows; nobody needs to press OK in between
    }
    if (message == SessionMessage::CommunicationFalse) {
        OfferAgainAfter(message);
        return;
    }
    if (message == SessionMessage::Success && IsCheckedWrite(job_) && job_.radiosWrittenBefore) {
        const QString text =
            SessionCaption(context_, static_cast<int>(message)) + "\n\n" +
            CheckText(context_, WriteCheckTextId::RadiosWritten).arg(*job_.radiosWrittenBefore + 1);
        nextRadioRequested_ = context_.modals.OfferAction(
            BoxOwner(), text, CheckText(context_, WriteCheckTextId::WriteToNextRadio),
            UiText(context_.data.lang, text::kOk));
        return;
    }
    QString text = MessageText(message);
    if (message == SessionMessage::PasswordError) {
        // The radio's own word does not say where a password is given.
        text += "\n\n" + FromUtf8(WindowTextUtf8(context_.data.lang, WindowTextId::PasswordWhere));
    }
    // The window has already gone; its owner keeps the box in front of the main window.
    context_.Tell(BoxOwner(), text);
}

QString TProgramDialog::MessageText(SessionMessage message) {
    QString text = SessionCaption(context_, static_cast<int>(message));
    if (message == SessionMessage::CommunicationFalse) {
        // Which port, and what to check or why it could not be opened.
        text +=
            "\n\n" + FailureAdvice(context_.data.lang, context_.data.port, session_->PortFailure());
    }
    return text;
}

void TProgramDialog::VerifyNotRun(SessionMessage why) {
    context_.Tell(BoxOwner(), MessageText(why) + "\n\n" +
                                  CheckText(context_, WriteCheckTextId::WrittenUnverified));
}

void TProgramDialog::StopWatchingPort() {
    if (inputNotifier_ != nullptr) {
        // The session may end inside this notifier's own signal: delete it afterwards.
        inputNotifier_->setEnabled(false);
        inputNotifier_->deleteLater();
        inputNotifier_ = nullptr;
    }
}

void TProgramDialog::OfferAgainAfter(SessionMessage message) {
    const bool wait = job_.radioAfterRadio;
    const WriteCheckTextId action = wait ? WriteCheckTextId::WaitForRadio : WriteCheckTextId::Retry;
    if (context_.modals.OfferAction(BoxOwner(), MessageText(message), CheckText(context_, action),
                                    UiText(context_.data.lang, text::kOk))) {
        afterFailure_ = wait ? AfterFailure::WaitForRadio : AfterFailure::Retry;
    }
}

bool TProgramDialog::MeetsNoRadioAndWaits() const {
    return job_.waitForRadio && !closing_ &&
           session_->Outcome() == SessionOutcome::CommunicationFalse && !session_->RadioAnswered();
}

void TProgramDialog::StartAgain() {
    waitingForRadio_ = false;
    session_ = MakeDriver();
    ProgramStartClick();
}

void TProgramDialog::CloseWindow() {
    StopWatchingPort();
    if (MeetsNoRadioAndWaits()) {
        waitingForRadio_ = true;
        if (stage_ != nullptr) {
            stage_->setText(CheckText(context_, WriteCheckTextId::WaitingForRadio));
        }
        radioWait_->start(kRadioWaitMs);
        return;
    }
    if (!closing_) {
        done(QDialog::Rejected);
    }
}

void TProgramDialog::DataRead() {
    if (job_.readInto == nullptr) {
        context_.data.radioRead = session_->RadioMet();
        emit context_.events.projectReplaced(ProjectReplacement::RadioRead);
    }
}

void TProgramDialog::CalibrationRead() {
    if (job_.refreshCalibrationWindow) {
        job_.refreshCalibrationWindow();
    }
}

void TProgramDialog::ChipStatusRead() {
    CalibrationRead();
}

void TProgramDialog::closeEvent(QCloseEvent* event) {
    closing_ = true;
    session_->FormClose();
    StopWatchingPort();
    QDialog::closeEvent(event);
    closing_ = false;
}

void TProgramDialog::reject() {
    if (!closing_ && session_->IsRunning()) {
        if (session_->RadioAnswered()) {
            return;  // stopping now could leave the radio half written
        }
        StopRunningJob();
    }
    radioWait_->stop();
    waitingForRadio_ = false;
    QDialog::reject();
}

void TProgramDialog::StopRunningJob() {
    closing_ = true;
    session_->FormClose();
    StopWatchingPort();
    closing_ = false;
}

}  // namespace radioprog::ui
