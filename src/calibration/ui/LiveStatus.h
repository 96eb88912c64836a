#pragma once
// The calibration window's "Live" tick: while it is ticked and the window shows, the radio's
// RF chip status is read again every two seconds, quietly, so a technician can watch the
// signal and noise figures move while turning the radio's controls. A tick passes while any
// other job or box is in front; a read that fails unticks the box and says why, once.

#include <QObject>
#include <QPointer>
#include <functional>

#include "gui/GuiContext.h"

class QCheckBox;
class QDialog;
class QTimer;

namespace radioprog::ui {

class TProgramDialog;

class LiveStatus final : public QObject {
    Q_OBJECT
  public:
    // showStatus redraws the status figures after each read.
    LiveStatus(GuiContext& context, QDialog& window, std::function<void()> showStatus);
    ~LiveStatus() override;
    LiveStatus(const LiveStatus&) = delete;
    LiveStatus& operator=(const LiveStatus&) = delete;

    QCheckBox* Box() const { return cLive_; }
    // Ends a read in progress at once, so that a job the user starts finds the port free.
    void StopRead();

    static constexpr int kIntervalMs = 2000;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Toggled(bool on);
    void Tick();
    void ReadFinished();
    void FollowVisibility();

    GuiContext& context_;
    QDialog& window_;
    std::function<void()> showStatus_;
    QCheckBox* cLive_ = nullptr;
    QTimer* timer_ = nullptr;
    QPointer<TProgramDialog> read_;
};

}  // namespace radioprog::ui
