#include "radiobench/ui/BenchWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/UiText.h"
#include "lang/WriteCheckText.h"
#include "radiobench/ui/BenchTexts.h"

namespace radioprog::ui {

namespace {

// A cable plugged in or pulled out shows within this and the time a rescan takes.
constexpr int kRescanMs = 1000;

bool Active(const BenchRow& row) {
    const BenchPhase phase = row.Cycle().Phase();
    return row.Cycle().JobRunning() || phase == BenchPhase::WaitingForRadio ||
           phase == BenchPhase::WaitingForRemoval;
}

}  // namespace

BenchWindow::BenchWindow(GuiContext& context, QWidget* owner, const std::string& projectFile)
    : QDialog(owner), context_(context) {
    setObjectName("BenchWindow");
    const auto& lang = context.data.lang;
    // Without the mnemonic, which a Chinese caption brackets after its words: "(&V)".
    setWindowTitle(DialogTitle(
        BenchCaption(lang, BenchTextId::MenuEntry).remove(QRegularExpression(R"(\(&.\))"))));
    order_.project = context.data;
    order_.job = {SessionMode::Data, false, {}, projectFile};
    order_.history = HistorySettingsOf(context.data.config);

    auto* layout = new QVBoxLayout(this);
    auto* choices = new QHBoxLayout;
    const ConfigValues& config = context.data.config;
    backupBeforeWrite_ = new QCheckBox(
        FromUtf8(WriteCheckTextUtf8(lang, WriteCheckTextId::BackupBeforeWrite)), this);
    backupBeforeWrite_->setObjectName("BackupBeforeWrite");
    // The backup is kept in the history: without one there is nowhere to keep it.
    backupBeforeWrite_->setChecked(order_.history.enabled && config.backupBeforeWrite);
    backupBeforeWrite_->setEnabled(order_.history.enabled);
    verifyAfterWrite_ =
        new QCheckBox(FromUtf8(WriteCheckTextUtf8(lang, WriteCheckTextId::VerifyAfterWrite)), this);
    verifyAfterWrite_->setObjectName("VerifyAfterWrite");
    verifyAfterWrite_->setChecked(config.verifyAfterWrite);
    cAutomatic = new QCheckBox(BenchCaption(lang, BenchTextId::Automatic), this);
    cAutomatic->setObjectName("cAutomatic");
    choices->addWidget(backupBeforeWrite_);
    choices->addWidget(verifyAfterWrite_);
    choices->addWidget(cAutomatic);
    choices->addStretch();
    layout->addLayout(choices);

    auto* buttons = new QHBoxLayout;
    bStartAll = new QPushButton(BenchCaption(lang, BenchTextId::StartAll), this);
    bStartAll->setObjectName("bStartAll");
    bStopAll = new QPushButton(BenchCaption(lang, BenchTextId::StopAll), this);
    bStopAll->setObjectName("bStopAll");
    // Return must never start a bench of writes by accident.
    bStartAll->setAutoDefault(false);
    bStopAll->setAutoDefault(false);
    sTotals = new QLabel(this);
    sTotals->setObjectName("sTotals");
    buttons->addWidget(bStartAll);
    buttons->addWidget(bStopAll);
    buttons->addStretch();
    buttons->addWidget(sTotals);
    layout->addLayout(buttons);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("BenchRows");
    scroll->setWidgetResizable(true);
    auto* rowsArea = new QWidget(scroll);
    rowsLayout_ = new QVBoxLayout(rowsArea);
    sNoCables = new QLabel(BenchCaption(lang, BenchTextId::NoCables), rowsArea);
    sNoCables->setObjectName("sNoCables");
    sNoCables->setWordWrap(true);
    rowsLayout_->addWidget(sNoCables);
    rowsLayout_->addStretch();
    scroll->setWidget(rowsArea);
    layout->addWidget(scroll, 1);

    connect(bStartAll, &QPushButton::clicked, this, &BenchWindow::StartAll);
    connect(bStopAll, &QPushButton::clicked, this, &BenchWindow::StopAll);
    connect(backupBeforeWrite_, &QCheckBox::toggled, this,
            [this](bool on) { context_.data.config.backupBeforeWrite = on; });
    connect(verifyAfterWrite_, &QCheckBox::toggled, this,
            [this](bool on) { context_.data.config.verifyAfterWrite = on; });

    rescan_ = new QTimer(this);
    rescan_->setObjectName("Rescan");
    connect(rescan_, &QTimer::timeout, this, &BenchWindow::Rescan);
    rescan_->start(kRescanMs);
    Rescan();
    resize(860, 520);
}

BenchWindow::~BenchWindow() {
    StopAll();
}

void BenchWindow::TakeChoices() {
    order_.job.checks = {backupBeforeWrite_->isChecked(), verifyAfterWrite_->isChecked()};
    order_.automatic = cAutomatic->isChecked();
}

void BenchWindow::StartAll() {
    TakeChoices();
    running_ = true;
    // Each from the event loop: a row pausing for its port to settle lets the next one start.
    // Stop all before a row's turn has come leaves it alone.
    for (BenchRow* row : rows_) {
        QTimer::singleShot(0, row, [this, row] {
            if (running_) {
                row->Start();
            }
        });
    }
}

void BenchWindow::StopAll() {
    running_ = false;
    for (BenchRow* row : rows_) {
        row->Stop();
    }
    RefreshControls();
}

void BenchWindow::Rescan() {
    std::vector<BenchCable> shown;
    for (const BenchRow* row : rows_) {
        shown.push_back(row->Cable());
    }
    const CableChanges changes =
        CompareCables(shown, BenchCablesOf(context_.data.port.source.Build()));
    for (const BenchCable& cable : changes.gone) {
        BenchRow* row = *std::find_if(rows_.begin(), rows_.end(),
                                      [&](const BenchRow* r) { return r->Cable() == cable; });
        if (row->Cycle().WriteRunning()) {
            row->MarkUnplugged();  // the write ends on its own; the row goes afterwards
            continue;
        }
        if (!row->CanGo()) {
            continue;  // at the next rescan
        }
        row->Stop();
        goneTotals_.done += row->Cycle().Totals().done;
        goneTotals_.failed += row->Cycle().Totals().failed;
        rows_.removeOne(row);
        row->deleteLater();
    }
    for (const BenchCable& cable : changes.added) {
        auto* row = new BenchRow(context_, cable, order_, this);
        connect(row, &BenchRow::changed, this, [this] {
            RefreshTotals();
            RefreshControls();
        });
        const auto at = std::find_if(rows_.begin(), rows_.end(), [&](const BenchRow* r) {
            return r->Cable().portNumber > cable.portNumber;
        });
        const auto index = static_cast<int>(at - rows_.begin());
        rows_.insert(index, row);
        // After the note that no cable is present, which stays first.
        rowsLayout_->insertWidget(index + 1, row);
        // On a running line in automatic mode, a new cable joins at once.
        if (running_ && order_.automatic) {
            row->Start();
        }
    }
    sNoCables->setVisible(rows_.isEmpty());
    RefreshTotals();
    RefreshControls();
}

void BenchWindow::RefreshTotals() {
    BenchTotals totals = goneTotals_;
    for (const BenchRow* row : rows_) {
        totals.done += row->Cycle().Totals().done;
        totals.failed += row->Cycle().Totals().failed;
    }
    sTotals->setText(BenchCaption(context_.data.lang, BenchTextId::BenchTotals)
                         .arg(totals.done)
                         .arg(totals.failed));
}

void BenchWindow::RefreshControls() {
    const bool active =
        std::any_of(rows_.begin(), rows_.end(), [](const BenchRow* row) { return Active(*row); });
    // What a write does is fixed while any row may still start one.
    backupBeforeWrite_->setEnabled(!active && order_.history.enabled);
    verifyAfterWrite_->setEnabled(!active);
    cAutomatic->setEnabled(!active);
    bStopAll->setEnabled(active);
}

void BenchWindow::closeEvent(QCloseEvent* event) {
    StopAll();
    QDialog::closeEvent(event);
}

void BenchWindow::reject() {
    StopAll();
    QDialog::reject();
}

void RunBenchWindow(GuiContext& context, QWidget* owner, const std::string& projectFile) {
    BenchWindow window(context, owner, projectFile);
    context.modals.Exec(window);
}

}  // namespace radioprog::ui
