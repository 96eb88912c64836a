#include "radiobench/ui/BenchRow.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "gui/UiText.h"
#include "radiobench/ui/BenchRowHost.h"
#include "radiobench/ui/BenchTexts.h"
#include "session/ui/PortDescription.h"

namespace radioprog::ui {

namespace {

// Readable across the bench, in a light or a dark palette alike: the colour sets its own text
// colour, and the word says the same for whoever cannot tell the colours apart.
constexpr const char* kSucceededStyle =
    "QLabel { background: #1b5e20; color: white; padding: 2px 10px; }";
constexpr const char* kFailedStyle =
    "QLabel { background: #b71c1c; color: white; padding: 2px 10px; }";

QLabel* AddLabel(QWidget* row, const char* name) {
    auto* label = new QLabel(row);
    label->setObjectName(name);
    return label;
}

}  // namespace

BenchRow::BenchRow(GuiContext& context, const BenchCable& cable, const BenchOrder& order,
                   QWidget* parent)
    : QFrame(parent), context_(context), cable_(cable), order_(order) {
    setObjectName(QStringLiteral("BenchRow%1").arg(cable.portNumber));
    setFrameShape(QFrame::StyledPanel);
    // Reachable with Tab while its Retry is off (a write under way, automatic waiting), and
    // marked when it has the focus.
    setFocusPolicy(Qt::TabFocus);
    setStyleSheet(QStringLiteral("QFrame#%1:focus { border: 2px solid palette(highlight); }")
                      .arg(objectName()));
    host_ = new BenchRowHost(cable, context.data.port, this);
    clock_.start();
    due_ = new QTimer(this);
    due_->setObjectName("CheckDue");
    due_->setSingleShot(true);
    connect(due_, &QTimer::timeout, this, &BenchRow::CheckDue);

    PortMap map;
    map.Assign(cable.portNumber, cable.device);
    sPort = AddLabel(this, "sPort");
    sPort->setText(PortDescription(map, cable.portNumber));
    setAccessibleName(sPort->text());
    progress_ = new QProgressBar(this);
    progress_->setObjectName("ProgressBar");
    progress_->setRange(0, 100);
    progress_->setValue(0);
    sStage = AddLabel(this, "sStage");
    sRadio = AddLabel(this, "sRadio");
    sResult = AddLabel(this, "sResult");
    QFont big = sResult->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    sResult->setFont(big);
    sResult->setAlignment(Qt::AlignCenter);
    sResult->setMinimumWidth(sResult->fontMetrics().horizontalAdvance(QStringLiteral("SUCCESS")) +
                             24);
    sWhy = AddLabel(this, "sWhy");
    sWhy->setWordWrap(true);
    sWhy->setTextInteractionFlags(Qt::TextSelectableByMouse);
    sCount = AddLabel(this, "sCount");
    bRetry = new QPushButton(BenchCaption(context.data.lang, BenchTextId::Retry), this);
    bRetry->setObjectName("bRetry");
    bRetry->setAccessibleName(bRetry->text() + ' ' + QStringLiteral("COM%1").arg(cable.portNumber));
    connect(bRetry, &QPushButton::clicked, this, &BenchRow::Start);

    auto* layout = new QGridLayout(this);
    layout->addWidget(sPort, 0, 0, 1, 3);
    layout->addWidget(sResult, 0, 3, 2, 1);
    layout->addWidget(bRetry, 0, 4);
    layout->addWidget(progress_, 1, 0);
    layout->addWidget(sStage, 1, 1);
    layout->addWidget(sRadio, 1, 2);
    layout->addWidget(sCount, 1, 4);
    layout->addWidget(sWhy, 2, 0, 1, 5);
    layout->setColumnStretch(0, 2);
    layout->setColumnStretch(1, 2);
    layout->setColumnStretch(2, 1);

    connect(host_, &BenchRowHost::progressChanged, progress_, &QProgressBar::setValue);
    connect(host_, &BenchRowHost::stageStarted, this, [this](WriteStage stage) {
        cycle_.StageStarted(stage);
        Refresh();
    });
    connect(host_, &BenchRowHost::jobEnded, this, &BenchRow::JobEnded);
    ShowResult();
    Refresh();
}

BenchRow::~BenchRow() {
    host_->Stop();
}

void BenchRow::Start() {
    cycle_.SetAutomatic(order_.automatic);
    Follow(cycle_.Start(clock_.elapsed()));
}

void BenchRow::Stop() {
    const bool wasWriting = cycle_.WriteRunning();
    cycle_.Stop(wasWriting && host_->RadioAnswered());
    host_->Stop();
    due_->stop();
    if (wasWriting) {
        ShowResult();
    }
    Refresh();
}

bool BenchRow::CanGo() const {
    return !host_->Pausing();
}

void BenchRow::keyPressEvent(QKeyEvent* event) {
    const bool press = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                       event->key() == Qt::Key_Enter;
    if (press && bRetry->isEnabled()) {
        Start();
        return;
    }
    QFrame::keyPressEvent(event);
}

void BenchRow::MarkUnplugged() {
    unplugged_ = true;
    Refresh();
}

void BenchRow::Follow(BenchAction action) {
    switch (action) {
        case BenchAction::Write:
            sResult->clear();
            sResult->setStyleSheet({});
            sWhy->clear();
            host_->StartWrite(order_.project, order_.job, order_.history);
            break;
        case BenchAction::Check:
            host_->StartCheck(order_.project);
            break;
        case BenchAction::None:
            break;
    }
    ArmDueTimer();
    Refresh();
}

void BenchRow::JobEnded() {
    const int64_t now = clock_.elapsed();
    if (host_->RadioMet()) {
        sRadio->setText(BenchCaption(context_.data.lang, BenchTextId::RadioMet)
                            .arg(FromUtf8(std::string(RadioKindName(*host_->RadioMet())))));
    }
    BenchAction next = BenchAction::None;
    if (cycle_.WriteRunning()) {
        const bool succeeded = host_->Outcome() == SessionOutcome::Success;
        // The session empties its bar as it closes; a radio done stays full across the bench.
        progress_->setValue(succeeded ? 100 : 0);
        next = cycle_.WriteEnded(succeeded, now);
        ShowResult();
    } else {
        next = cycle_.CheckEnded(AnswerOfCheck(host_->Outcome(), host_->RadioAnswered()), now);
    }
    Follow(next);
}

void BenchRow::CheckDue() {
    Follow(cycle_.Tick(clock_.elapsed()));
}

void BenchRow::ArmDueTimer() {
    const std::optional<int64_t> due = cycle_.NextDue();
    if (!due) {
        due_->stop();
        return;
    }
    due_->start(static_cast<int>(std::max<int64_t>(0, *due - clock_.elapsed())));
}

void BenchRow::ShowResult() {
    const auto& lang = context_.data.lang;
    const BenchTotals& totals = cycle_.Totals();
    sCount->setText(BenchCaption(lang, BenchTextId::RowTotals).arg(totals.done).arg(totals.failed));
    if (sRadio->text().isEmpty()) {
        sRadio->setText(BenchCaption(lang, BenchTextId::NoRadioMet));
    }
    switch (cycle_.LastResult()) {
        case BenchResult::None:
            return;
        case BenchResult::Succeeded:
            sResult->setText(BenchCaption(lang, BenchTextId::Succeeded));
            sResult->setStyleSheet(kSucceededStyle);
            break;
        case BenchResult::Failed:
            sResult->setText(BenchCaption(lang, BenchTextId::Failed));
            sResult->setStyleSheet(kFailedStyle);
            break;
    }
    sWhy->setText(WriteOutcomeText(lang, *host_));
}

void BenchRow::Refresh() {
    const auto& lang = context_.data.lang;
    sStage->setText(unplugged_ ? BenchCaption(lang, BenchTextId::CableGone)
                               : PhaseText(lang, cycle_.Phase()));
    const BenchPhase phase = cycle_.Phase();
    bRetry->setEnabled(!unplugged_ && !cycle_.JobRunning() &&
                       (phase == BenchPhase::Idle || phase == BenchPhase::ResultShown));
    emit changed();
}

}  // namespace radioprog::ui
