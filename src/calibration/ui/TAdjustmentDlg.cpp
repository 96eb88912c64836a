#include "calibration/ui/TAdjustmentDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "calibration/ui/LiveStatus.h"
#include "calibration/ui/UpDown.h"
#include "gui/FrequencyEdit.h"
#include "gui/WindowPlacement.h"
#include "model/FreqCodec.h"

namespace radioprog::ui {

namespace {

constexpr int kSquelchOffsetLimit = 50;
constexpr int kUpDownWidth = 40;
constexpr int kRowsInLeftHalf = 7;
// Five columns per half (frequency, wide value and up-down, narrow value and up-down) and an
// empty one between the halves, so that a narrow up-down does not touch the next frequency.
constexpr int kRightHalfColumn = 6;
constexpr int kGapBetweenHalves = 12;
constexpr int kVolumeStepsShown = 8;  // step 9 has no control
constexpr int kVolumeItems = 256;
constexpr int kAgeingEditWidthUnits = 50;

QLabel* MakeLabel(QWidget* parent, const char* text, const char* name = nullptr) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    if (name != nullptr) {
        label->setObjectName(name);
    }
    return label;
}

// A value label as wide as the widest text it can show, so that a new value never moves the
// controls beside it or the panels around it.
QLabel* MakeValueLabel(QWidget* parent, const char* name, const char* widest) {
    QLabel* label = MakeLabel(parent, widest, name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(label->sizeHint().width());
    label->setText(QStringLiteral("0"));
    return label;
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, const char* caption) {
    auto* group = new QGroupBox(QString::fromUtf8(caption), parent);
    group->setObjectName(name);
    return group;
}

}  // namespace

TAdjustmentDlg::TAdjustmentDlg(GuiContext& context, QWidget* owner)
    : QDialog(owner), context_(context), editors_(new CalibrationEditors(context, this)) {
    setObjectName("TAdjustmentDlg");
    setWindowTitle(QString::fromUtf8("校准"));
    auto* panels = new QWidget(this);
    auto* grid = new QGridLayout(panels);
    grid->addWidget(BuildPoints(), 0, 0);
    grid->addWidget(BuildSquelchOffsets(), 0, 1, 1, 2);
    grid->addWidget(BuildVolume(), 0, 3, 2, 1);
    grid->addWidget(BuildSquelch(), 1, 0);
    grid->addWidget(BuildStatus(), 1, 1);
    grid->addWidget(BuildChipSettings(), 1, 2);
    PlaceSquelchOffsetRows(SquelchOffsetRowFrequencies(context.data.band));
    ShowAdjustmentData();
    // The panels scroll when the screen is too small for them (a large scale factor on a
    // laptop); the commands below them stay in sight.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("CalibrationPanels");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(panels);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    QWidget* buttons = BuildButtons();
    layout->addWidget(buttons);
    const int margins = layout->contentsMargins().top() + layout->contentsMargins().bottom();
    const QSize whole(
        panels->sizeHint().width() + layout->contentsMargins().left() +
            layout->contentsMargins().right(),
        panels->sizeHint().height() + layout->spacing() + buttons->sizeHint().height() + margins);
    const QSize wanted = whole.expandedTo(QSize(960, 550));
    setMaximumSize(wanted);
    resize(wanted);
    FitToScreen(*this);
}

void TAdjustmentDlg::AddEditorRow(QGridLayout& grid, const char* caption, const QString& editor,
                                  const char* range) {
    const int row = grid.rowCount();
    QLineEdit* edit = editors_->Editor(editor);
    grid.addWidget(MakeLabel(edit->parentWidget(), caption), row, 0);
    grid.addWidget(edit, row, 1);
    if (range != nullptr) {
        grid.addWidget(MakeLabel(edit->parentWidget(), range), row, 2);
    }
}

QWidget* TAdjustmentDlg::BuildPoints() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(MakeLabel(box, "频点[100-600]"), 0, 0);
    grid->addWidget(MakeLabel(box, "高功率"), 0, 1);
    grid->addWidget(MakeLabel(box, "低功率"), 0, 2);
    for (int i = 0; i < kCalibrationPointCount; ++i) {
        const QString name = QStringLiteral("eFreq_%1").arg(i);
        grid->addWidget(editors_->Editor(name), i + 1, 0);
        grid->addWidget(editors_->Editor(name + "_H"), i + 1, 1);
        grid->addWidget(editors_->Editor(name + "_L"), i + 1, 2);
    }
    grid->addWidget(MakeLabel(box, "老化频点"), 6, 0);
    eFreq_Aging = new FrequencyEdit(box);
    eFreq_Aging->setObjectName("eFreq_Aging");
    eFreq_Aging->setFixedWidth(2 * kAgeingEditWidthUnits);
    connect(eFreq_Aging, &QLineEdit::editingFinished, this, &TAdjustmentDlg::eFreq_AgingExit);
    grid->addWidget(eFreq_Aging, 6, 1, 1, 2);
    auto* battery = new QGridLayout();
    AddEditorRow(*battery, "待机低压", "eBatt_L0_Wait");
    AddEditorRow(*battery, "发射低压", "eBatt_L0_Tx");
    // Both blocks keep to the top; the room the panels beside them leave stays below.
    battery->setRowStretch(battery->rowCount(), 1);
    grid->addLayout(battery, 0, 3, 7, 1);
    grid->setRowStretch(7, 1);
    return box;
}

TAdjustmentDlg::SquelchOffsetRow TAdjustmentDlg::MakeSquelchOffsetRow(QWidget* parent, int row) {
    SquelchOffsetRow r{};
    r.frequency = MakeLabel(parent, "", qPrintable(QStringLiteral("eSQ_offset_%1").arg(row)));
    r.wideValue =
        MakeValueLabel(parent, qPrintable(QStringLiteral("sSQ_offset_%1").arg(row)), "-50");
    r.narrowValue =
        MakeValueLabel(parent, qPrintable(QStringLiteral("sSQ_offset_nar_%1").arg(row)), "-50");
    const auto makeUpDown = [this, parent, row](const QString& name, QLabel* value, bool wide) {
        auto* upDown = new UpDown(parent);
        upDown->setObjectName(name);
        upDown->setRange(-kSquelchOffsetLimit, kSquelchOffsetLimit);
        upDown->setOrientation(Qt::Horizontal);
        upDown->setFixedWidth(kUpDownWidth);
        upDown->Associate(value);
        connect(upDown, &QAbstractSlider::valueChanged, this, [this, row, wide](int position) {
            if (showing_) {
                return;
            }
            CalibrationData& c = context_.data.calibration;
            wide ? c.SetSqOffset(row, static_cast<int8_t>(position))
                 : c.SetSqOffsetNar(row, static_cast<int8_t>(position));
        });
        return upDown;
    };
    r.wide = makeUpDown(QStringLiteral("udSQ_offset_%1").arg(row), r.wideValue, true);
    r.narrow = makeUpDown(QStringLiteral("udSQ_offset_nar_%1").arg(row), r.narrowValue, false);
    return r;
}

QWidget* TAdjustmentDlg::BuildSquelchOffsets() {
    QGroupBox* box = MakeGroup(this, "gbSQ_offset", " SQ偏差");
    auto* grid = new QGridLayout(box);
    for (int half = 0; half < 2; ++half) {
        grid->addWidget(MakeLabel(box, "宽带"), 0, half * kRightHalfColumn + 1, 1, 2);
        grid->addWidget(MakeLabel(box, "窄带"), 0, half * kRightHalfColumn + 3, 1, 2);
    }
    for (int row = 0; row < kSquelchOffsetRowCount; ++row) {
        const SquelchOffsetRow r = MakeSquelchOffsetRow(box, row);
        squelchRows_[static_cast<size_t>(row)] = r;
        const int line = 1 + row % kRowsInLeftHalf;
        const int column = row < kRowsInLeftHalf ? 0 : kRightHalfColumn;
        grid->addWidget(r.frequency, line, column);
        grid->addWidget(r.wideValue, line, column + 1);
        grid->addWidget(r.wide, line, column + 2);
        grid->addWidget(r.narrowValue, line, column + 3);
        grid->addWidget(r.narrow, line, column + 4);
    }
    grid->setColumnMinimumWidth(kRightHalfColumn - 1, kGapBetweenHalves);
    return box;
}

void TAdjustmentDlg::PlaceSquelchOffsetRows(const std::vector<int>& frequencies) {
    for (size_t row = 0; row < squelchRows_.size(); ++row) {
        const SquelchOffsetRow& r = squelchRows_[row];
        const bool inBand = row < frequencies.size();
        if (inBand) {
            r.frequency->setNum(frequencies[row]);
        }
        for (QWidget* w : std::initializer_list<QWidget*>{r.frequency, r.wideValue, r.wide,
                                                          r.narrowValue, r.narrow}) {
            w->setVisible(inBand);
        }
    }
}

QWidget* TAdjustmentDlg::BuildVolume() {
    QGroupBox* box = MakeGroup(this, "gb1846Vol", "1846音量");
    auto* grid = new QGridLayout(box);
    grid->addWidget(MakeLabel(box, "0"), 0, 0);
    grid->addWidget(MakeLabel(box, "0", "s1846Vol_0"), 0, 1);
    QStringList items;
    for (int i = 0; i < kVolumeItems; ++i) {
        items << QString::number(i);
    }
    for (int step = 1; step <= kVolumeStepsShown; ++step) {
        auto* combo = new QComboBox(box);
        combo->setObjectName(QStringLiteral("cb1846Vol_%1").arg(step));
        combo->addItems(items);
        connect(combo, &QComboBox::currentIndexChanged, this, [this, step](int index) {
            if (!showing_ && index >= 0) {
                context_.data.calibration.SetVol1846(step, static_cast<uint8_t>(index));
            }
        });
        volumeCombos_.push_back(combo);
        grid->addWidget(new QLabel(QString::number(step), box), step, 0);
        grid->addWidget(combo, step, 1);
    }
    grid->setRowStretch(kVolumeStepsShown + 1, 1);
    return box;
}

QCheckBox* TAdjustmentDlg::MakeDetectionBox(const char* name, const char* caption, U8Field field) {
    auto* check = new QCheckBox(QString::fromUtf8(caption), this);
    check->setObjectName(name);
    connect(check, &QCheckBox::clicked, this, [this, field](bool checked) {
        context_.data.calibration.Set(field, static_cast<uint8_t>(checked ? 1 : 0));
    });
    return check;
}

QWidget* TAdjustmentDlg::BuildSquelch() {
    QGroupBox* box = MakeGroup(this, "gbSquelch", "此框中所有的输入范围都是[2-127]");
    auto* grid = new QGridLayout(box);
    AddEditorRow(*grid, "SQ-1", "eSQL_L1");
    AddEditorRow(*grid, "SQ-5", "eSQL_L4");
    AddEditorRow(*grid, "SQ-9", "eSQL_L9");
    AddEditorRow(*grid, "噪声阀门", "eNoise_th");
    AddEditorRow(*grid, "窄带噪声阀门", "eNoise_th_nar");
    cModu_dten = MakeDetectionBox("cModu_dten", "Modu signal", calib::Modu_dten);
    grid->addWidget(cModu_dten, grid->rowCount(), 0, 1, 2);
    AddEditorRow(*grid, "阀门值", "eModu_th");
    editors_->Editor("eModu_th")->setEnabled(false);
    cPkdet_dten = MakeDetectionBox("cPkdet_dten", "弱信号", calib::Pkdet_dten);
    grid->addWidget(cPkdet_dten, grid->rowCount(), 0, 1, 2);
    AddEditorRow(*grid, "弱信号噪声", "eNoise2_th");
    AddEditorRow(*grid, "弱信号场强", "eRssi3_th");
    AddEditorRow(*grid, "宽带接收调制度", "ePkdet_th");
    AddEditorRow(*grid, "窄带接收调制度", "ePkdet_th_nar");
    return box;
}

QWidget* TAdjustmentDlg::BuildStatus() {
    QGroupBox* box = MakeGroup(this, "gbStatus", " 机子状态 ");
    auto* grid = new QGridLayout(box);
    struct Line {
        const char* caption;
        const char* name;
        U8Field field;
    };
    static constexpr Line kLines[] = {
        {"信号强度", "sRssi_db", calib::Rssi_db},
        {"信号比较", "sRssi_cmp1", calib::Rssi_cmp1},
        {"噪声强度", "sNoise_db", calib::Noise_db},
        {"噪声比较", "sNoise_cmp1", calib::Noise_cmp1},
        {"调制度", "sModu_db", calib::Modu_db},
        {"调制比较", "sModu_cmp", calib::Modu_cmp},
        {"弱信号临道", "sPkdet_cmp", calib::Pkdet_cmp},
        {"弱信号场强比较", "sRssi_cmp3", calib::Rssi_cmp3},
        {"弱信号噪声比较", "sNoise_cmp2", calib::Noise_cmp2},
        {"当前电压", "sCurBatt", calib::CurBatt},
    };
    for (const Line& line : kLines) {
        const int row = grid->rowCount();
        grid->addWidget(MakeLabel(box, line.caption), row, 0);
        QLabel* value = MakeValueLabel(box, line.name, "255");
        grid->addWidget(value, row, 1);
        statusLabels_.emplace_back(value, line.field);
    }
    const int row = grid->rowCount();
    grid->addWidget(MakeLabel(box, "偏差"), row, 0);
    sOffset = MakeValueLabel(box, "sOffset", "65535");
    grid->addWidget(sOffset, row, 1);
    live_ = new LiveStatus(context_, *this, [this] { ShowChipStatus(); });
    grid->addWidget(live_->Box(), row + 1, 0, 1, 2);
    return box;
}

QWidget* TAdjustmentDlg::BuildChipSettings() {
    QGroupBox* box = MakeGroup(this, "gb1846Set", "1846设置");
    auto* grid = new QGridLayout(box);
    AddEditorRow(*grid, "频偏", "ePinPian_W", "[0-1023]");
    AddEditorRow(*grid, "特殊频偏1", "ePinPian_W_Spe_1", "[0-1023]");
    AddEditorRow(*grid, "特殊频偏2", "ePinPian_W_Spe_2", "[0-1023]");
    AddEditorRow(*grid, "CTC频偏", "eCtcPinPian_W", "[0-63]");
    AddEditorRow(*grid, "DCS频偏", "eDcsPinPian_W", "[0-63]");
    AddEditorRow(*grid, "MIC增益", "eMicGain", "[0-15]");
    AddEditorRow(*grid, "PGA", "ePga", "[0-31]");
    const int row = grid->rowCount();
    grid->addWidget(MakeLabel(box, "1846温补"), row, 0);
    cb1846Xtal = new QComboBox(box);
    cb1846Xtal->setObjectName("cb1846Xtal");
    cb1846Xtal->addItems({"26MHz", "13MHz"});
    connect(cb1846Xtal, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showing_ && index >= 0) {
            context_.data.calibration.Set(calib::Xtal1846, static_cast<uint8_t>(index));
        }
    });
    grid->addWidget(cb1846Xtal, row, 1, 1, 2);
    return box;
}

QPushButton* TAdjustmentDlg::MakeButton(const char* name, const char* caption,
                                        void (TAdjustmentDlg::*click)()) {
    auto* button = new QPushButton(QString::fromUtf8(caption), this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, click);
    return button;
}

QWidget* TAdjustmentDlg::BuildButtons() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    auto* row = new QHBoxLayout();
    row->addWidget(
        MakeButton("Read1846Status", "读取机子状态", &TAdjustmentDlg::Read1846StatusClick));
    row->addWidget(MakeButton("bRead", "读取", &TAdjustmentDlg::bReadClick));
    row->addWidget(MakeButton("bWrite", "写入", &TAdjustmentDlg::bWriteClick));
    row->addWidget(MakeButton("bAllWrite", "全写", &TAdjustmentDlg::bAllWriteClick));
    row->addWidget(MakeButton("bNew", "新建", &TAdjustmentDlg::bNewClick));
    row->addWidget(MakeButton("bOpen", "打开", &TAdjustmentDlg::bOpenClick));
    row->addWidget(MakeButton("bSave", "保存", &TAdjustmentDlg::bSaveClick));
    column->addLayout(row);
    column->addWidget(MakeLabel(box, "没标数值范围的输入框的范围均为 0~255"));
    column->addWidget(MakeLabel(box, "频偏的范围为  0~127(1846)  0~1023(1846S)"));
    column->addWidget(MakeLabel(box, "如果用1846控制功率，则功率输入框的范围值为 0~63"));
    return box;
}

void TAdjustmentDlg::ShowAdjustmentData() {
    showing_ = true;
    const CalibrationData& c = context_.data.calibration;
    cb1846Xtal->setCurrentIndex(c.Get(calib::Xtal1846));
    editors_->ShowValues();
    cModu_dten->setChecked(c.Get(calib::Modu_dten) != 0);
    cPkdet_dten->setChecked(c.Get(calib::Pkdet_dten) != 0);
    ShowChipStatus();
    for (size_t row = 0; row < squelchRows_.size(); ++row) {
        squelchRows_[row].wide->setValue(c.SqOffset(static_cast<int>(row)));
        squelchRows_[row].narrow->setValue(c.SqOffsetNar(static_cast<int>(row)));
    }
    for (size_t i = 0; i < volumeCombos_.size(); ++i) {
        volumeCombos_[i]->setCurrentIndex(c.Vol1846(static_cast<int>(i) + 1));
    }
    eFreq_Aging->setText(QString::fromStdString(FreqToText(c.Get(calib::FreqAging))));
    showing_ = false;
}

void TAdjustmentDlg::ShowChipStatus() {
    const CalibrationData& c = context_.data.calibration;
    for (const auto& [label, field] : statusLabels_) {
        label->setNum(c.Get(field));
    }
    sOffset->setNum(c.Get(calib::Offset));
}

}  // namespace radioprog::ui
