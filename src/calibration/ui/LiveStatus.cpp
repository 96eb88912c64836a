#include "calibration/ui/LiveStatus.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QEvent>
#include <QTimer>
#include <memory>

#include "gui/UiText.h"
#include "lang/WindowText.h"
#include "session/ui/TProgramDialog.h"

namespace radioprog::ui {

LiveStatus::LiveStatus(GuiContext& context, QDialog& window, std::function<void()> showStatus)
    : QObject(&window), context_(context), window_(window), showStatus_(std::move(showStatus)) {
    cLive_ = new QCheckBox(FromUtf8(WindowTextUtf8(context.data.lang, WindowTextId::LiveStatus)),
                           &window);
    cLive_->setObjectName("cLive");
    timer_ = new QTimer(this);
    timer_->setObjectName("LiveStatusTimer");
    timer_->setInterval(kIntervalMs);
    connect(timer_, &QTimer::timeout, this, &LiveStatus::Tick);
    connect(cLive_, &QCheckBox::toggled, this, &LiveStatus::Toggled);
    window.installEventFilter(this);
}

LiveStatus::~LiveStatus() {
    StopRead();
}

void LiveStatus::Toggled(bool on) {
    if (!on) {
        StopRead();
    }
    FollowVisibility();
}

void LiveStatus::FollowVisibility() {
    if (cLive_->isChecked() && window_.isVisible()) {
        if (!timer_->isActive()) {
            timer_->start();
        }
    } else {
        timer_->stop();
    }
}

bool LiveStatus::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
        if (event->type() == QEvent::Hide) {
            StopRead();
        }
        FollowVisibility();
    }
    return QObject::eventFilter(watched, event);
}

void LiveStatus::Tick() {
    const QWidget* inFront = QApplication::activeModalWidget();
    if (read_ != nullptr || (inFront != nullptr && inFront != &window_)) {
        return;  // a read still going, or another job or question the user is busy with
    }
    ProgramJob job;
    job.sessionMode = SessionMode::ChipStatus;
    job.readRequested = true;
    job.startAtOnce = true;
    job.quiet = true;
    job.refreshCalibrationWindow = showStatus_;
    read_ = new TProgramDialog(context_, &window_, job);
    connect(read_, &QDialog::finished, this, &LiveStatus::ReadFinished);
}

void LiveStatus::ReadFinished() {
    // The session closes its window before it gives its result, and may still be inside
    // the call that ended it: the result is read, and the window deleted, once it is done.
    QTimer::singleShot(0, this, [this, finished = read_.data()] {
        if (read_ == nullptr || read_.data() != finished) {
            return;  // stopped meanwhile
        }
        std::unique_ptr<TProgramDialog> read(read_.data());
        read_ = nullptr;
        if (read->Outcome() != SessionOutcome::Success) {
            // Unticked before the box, so that no tick starts another read behind it.
            cLive_->setChecked(false);
            context_.Tell(&window_, read->QuietResult());
        }
    });
}

void LiveStatus::StopRead() {
    if (read_ != nullptr) {
        TProgramDialog* read = read_;
        read_ = nullptr;
        // Releases the port at once: the window's destructor ends the session, and its end
        // is no failure to report.
        disconnect(read, nullptr, this, nullptr);
        delete read;
    }
}

}  // namespace radioprog::ui
