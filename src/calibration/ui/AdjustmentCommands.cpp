// The calibration window's commands: the ageing frequency editor, the file buttons and the
// radio sessions.

#include <QApplication>
#include <QLineEdit>

#include "calibration/CalibrationData.h"
#include "calibration/ui/LiveStatus.h"
#include "calibration/ui/TAdjustmentDlg.h"
#include "gui/FileErrors.h"
#include "gui/FrequencyEdit.h"
#include "gui/LocalPath.h"
#include "gui/UiText.h"
#include "history/RadioHistory.h"
#include "jobs/WriteRefusal.h"
#include "lang/DialogTexts.h"
#include "lang/TextIds.h"
#include "lang/WriteCheckText.h"
#include "lang/WriteRefusalText.h"
#include "model/FreqCodec.h"
#include "session/ui/ProgramDialog.h"

namespace radioprog::ui {

namespace {

const QString kCalibrationFilter = QStringLiteral("Veska File(*.vkfa)");

QString AdjustmentCaption(const GuiContext& context, int index) {
    return FromUtf8(AdjustmentTextTable().TextUtf8(context.data.lang, index));
}

}  // namespace

void TAdjustmentDlg::EditExit(QLineEdit& edit) {
    if (&edit == eFreq_Aging) {
        eFreq_AgingExit();
    } else {
        editors_->EditExit(edit);
    }
}

void TAdjustmentDlg::eFreq_AgingExit() {
    const std::optional<uint32_t> hz = ReadFrequencyEdit(context_, this, *eFreq_Aging);
    if (!hz) {
        return;
    }
    CalibrationData& c = context_.data.calibration;
    c.Set(calib::FreqAging, SnapToCalibrationRange(*hz));
    eFreq_Aging->setText(QString::fromStdString(FreqToText(c.Get(calib::FreqAging))));
}

void TAdjustmentDlg::CommitPendingEdit() {
    auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (edit != nullptr && isAncestorOf(edit)) {
        EditExit(*edit);
    }
}

void TAdjustmentDlg::reject() {
    CommitPendingEdit();
    QDialog::reject();
}

void TAdjustmentDlg::bNewClick() {
    if (!context_.modals.Confirm(this, AdjustmentCaption(context_, 24),
                                 AdjustmentCaption(context_, 0), AdjustmentCaption(context_, 1))) {
        return;
    }
    ResetCalibrationData(context_.data.calibration, context_.data.band);
    ShowAdjustmentData();
}

void TAdjustmentDlg::bOpenClick() {
    const std::optional<QString> path = context_.modals.OpenFileName(
        this, {AdjustmentCaption(context_, 22), kCalibrationFilter, {}});
    if (path) {
        OpenCalibrationFile(*path);
    }
}

bool TAdjustmentDlg::OpenCalibrationFile(const QString& path) {
    const FileResult result = LoadCalibrationFile(LocalPath(path), context_.data.calibration);
    if (!result) {
        // A calibration file that cannot be read or written is said so, rather than ignored.
        TellFileError(context_, this, ToolTextId::CannotOpenFile, result);
        return false;
    }
    ShowAdjustmentData();
    if (!result.notice.empty()) {
        context_.Tell(this, FromUtf8(result.notice));
    }
    return true;
}

void TAdjustmentDlg::bSaveClick() {
    CommitPendingEdit();
    const std::optional<QString> path = context_.modals.SaveFileName(
        this, {AdjustmentCaption(context_, 23), kCalibrationFilter, QStringLiteral("vkfa")});
    if (!path) {
        return;
    }
    const FileResult result = SaveCalibrationFile(LocalPath(*path), context_.data.calibration);
    if (!result) {
        TellFileError(context_, this, ToolTextId::CannotSaveFile, result);
    }
}

bool TAdjustmentDlg::ConfirmWrite(SessionMode sessionMode, bool& backUpFirst) {
    const JobOrder order{sessionMode, false, {}, {}};
    const auto& lang = context_.data.lang;
    if (const auto refusal = RefuseWrite(order, context_.data)) {
        context_.Tell(this, FromUtf8(WriteRefusalTextUtf8(lang, *refusal)));
        return false;
    }
    const auto doubt = DoubtCalibration(order, context_.data);
    if (!doubt) {
        return true;
    }
    const QString why = FromUtf8(WriteRefusalTextUtf8(lang, *doubt));
    // Without the history there is nowhere to keep the radio's own calibration first.
    if (!HistorySettingsOf(context_.data.config).enabled) {
        context_.Tell(
            this,
            why + "\n\n" + FromUtf8(WriteCheckTextUtf8(lang, WriteCheckTextId::BackupNotKept)));
        return false;
    }
    context_.Tell(this, why);
    backUpFirst = context_.modals.Confirm(
        this, FromUtf8(WriteRefusalTextUtf8(lang, WriteRefusalTextId::CalibrationAnyway)),
        UiText(lang, text::kOk), UiText(lang, text::kCancel));
    return backUpFirst;
}

void TAdjustmentDlg::RunSession(SessionMode sessionMode, bool read) {
    CommitPendingEdit();
    // A live status read in progress holds the port the job needs.
    live_->StopRead();
    bool backUpFirst = false;
    if (!read && !ConfirmWrite(sessionMode, backUpFirst)) {
        return;
    }
    const QString caption =
        UiText(context_.data.lang, read ? text::kReadFromRadio : text::kWriteToRadio);
    ProgramJob job;
    job.safetyNet = !read;
    job.sessionMode = sessionMode;
    job.readRequested = read;
    job.caption = caption;
    job.refreshCalibrationWindow = [this] { ShowAdjustmentData(); };
    job.alwaysBackUp = backUpFirst;
    RunProgramDialog(context_, this, job);
}

void TAdjustmentDlg::bReadClick() {
    RunSession(SessionMode::Calibration, true);
}

void TAdjustmentDlg::bWriteClick() {
    RunSession(SessionMode::Calibration, false);
}

void TAdjustmentDlg::bAllWriteClick() {
    RunSession(SessionMode::CalibrationAndData, false);
}

void TAdjustmentDlg::Read1846StatusClick() {
    RunSession(SessionMode::ChipStatus, true);
}

}  // namespace radioprog::ui
