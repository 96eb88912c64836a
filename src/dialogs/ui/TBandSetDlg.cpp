#include "dialogs/ui/TBandSetDlg.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calibration/CalibrationData.h"
#include "gui/DialogButtons.h"
#include "gui/FrequencyEdit.h"
#include "gui/UiText.h"
#include "lang/TextIds.h"
#include "lang/ToolText.h"
#include "model/FreqCodec.h"
#include "port/PortChoice.h"

namespace radioprog::ui {

namespace {

QString Text(const GuiContext& context, ToolTextId id) {
    return FromUtf8(ToolTextUtf8(context.data.lang, id));
}

QString FreqText(uint32_t hz) {
    return QString::fromStdString(FreqToText(hz));
}

}  // namespace

TBandSetDlg::TBandSetDlg(GuiContext& context, QWidget* owner) : QDialog(owner), context_(context) {
    BandSetMin = context.data.band.lower;
    BandSetMax = context.data.band.upper;
    setObjectName("TBandSetDlg");
    setWindowTitle(Text(context, ToolTextId::BandTitle));
    auto* column = new QVBoxLayout(this);
    auto* grid = new QGridLayout();
    column->addLayout(grid);
    grid->addWidget(new QLabel(Text(context, ToolTextId::BandFrom), this), 0, 0);
    eBandSet_MinFreq = MakeFrequencyEdit("eBandSet_MinFreq", BandSetMin, minEdited_);
    grid->addWidget(eBandSet_MinFreq, 0, 1);
    grid->addWidget(new QLabel(Text(context, ToolTextId::BandTo), this), 1, 0);
    eBandSet_MaxFreq = MakeFrequencyEdit("eBandSet_MaxFreq", BandSetMax, maxEdited_);
    grid->addWidget(eBandSet_MaxFreq, 1, 1);
    // The edits hold MHz with five decimals; the unit beside them says so.
    for (int row : {0, 1}) {
        grid->addWidget(new QLabel(Text(context, ToolTextId::MegaHertz), this), row, 2);
    }

    const OkCancelButtons buttons = AddOkCancelButtons(*this, *column, context.data.lang);
    OKBtn = buttons.OKBtn;
    OKBtn->setMouseTracking(true);
    OKBtn->installEventFilter(this);
    // A way out that changes nothing, as the window's close button already is.
    buttons.CancelBtn->setText(OwnCancelText(context.data.lang));

    connect(eBandSet_MinFreq, &QLineEdit::editingFinished, this,
            &TBandSetDlg::eBandSet_MinFreqExit);
    connect(eBandSet_MaxFreq, &QLineEdit::editingFinished, this,
            &TBandSetDlg::eBandSet_MaxFreqExit);
    connect(OKBtn, &QPushButton::clicked, this, &TBandSetDlg::OKBtnClick);
}

FrequencyEdit* TBandSetDlg::MakeFrequencyEdit(const char* name, uint32_t hz, bool& edited) {
    auto* edit = new FrequencyEdit(this, FreqText(hz));
    edit->setObjectName(name);
    connect(edit, &QLineEdit::textEdited, this, [&edited] { edited = true; });
    return edit;
}

void TBandSetDlg::TakeEdit(FrequencyEdit& edit, uint32_t& value, bool& edited) {
    if (!edited) {
        return;
    }
    // Taken once per change: hovering over OK again neither repeats an error message nor
    // moves a limit that was never typed.
    edited = false;
    const std::optional<uint32_t> hz = ReadFrequencyEdit(context_, this, edit);
    if (!hz) {
        return;
    }
    value = ClampBandEdge(*hz);
    edit.setText(FreqText(value));
}

void TBandSetDlg::eBandSet_MinFreqExit() {
    TakeEdit(*eBandSet_MinFreq, BandSetMin, minEdited_);
}

void TBandSetDlg::eBandSet_MaxFreqExit() {
    TakeEdit(*eBandSet_MaxFreq, BandSetMax, maxEdited_);
}

void TBandSetDlg::OKBtnMouseMove() {
    eBandSet_MinFreqExit();
    eBandSet_MaxFreqExit();
}

bool TBandSetDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == OKBtn &&
        (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)) {
        OKBtnMouseMove();
    }
    return QDialog::eventFilter(watched, event);
}

void TBandSetDlg::OKBtnClick() {
    // OK may come from the Enter key while an edit still holds typed text.
    OKBtnMouseMove();
    const BandLimits& band = context_.data.band;
    const bool unchanged = BandSetMin == band.lower && BandSetMax == band.upper;
    const THaldenFuncs::TAppLang& lang = context_.data.lang;
    if (BandSetMin < BandSetMax && !unchanged &&
        context_.modals.Confirm(this, UiText(lang, text::kClearAllQuestion),
                                UiText(lang, text::kOk), UiText(lang, text::kCancel))) {
        ApplyNewBand();
    }
    accept();
}

void TBandSetDlg::ApplyNewBand() {
    AppData& appData = context_.data;
    appData.band = BandLimits{BandSetMin, BandSetMax};
    // The start-up reset under the new limits; the port choice stays as it is.
    ResetProjectToDefaults(appData);
    ResetCalibrationData(appData.calibration, appData.band);
    emit context_.events.projectReplaced(ProjectReplacement::BandChange);
    StoreInConfiguration(appData.port, appData.config);
    if (!SaveConfiguration(context_.configPath, appData.config, appData.band)) {
        context_.Tell(
            this,
            QStringLiteral("Could not write %1").arg(QString::fromStdString(context_.configPath)));
    }
}

}  // namespace radioprog::ui
