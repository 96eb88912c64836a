#include "calibration/ui/CalibrationEditors.h"

#include <QLineEdit>

#include "calibration/CalibrationData.h"
#include "gui/ConversionError.h"
#include "gui/FieldEditRules.h"

namespace radioprog::ui {

namespace {

using F = EditorFamily;

constexpr int kEditorWidth = 60;

struct TableBuilder {
    std::vector<NumericEditorSpec> rows;
    void Add(const QString& name, size_t offset, EditorFamily family, bool shown) {
        rows.push_back({name, offset, family, shown});
    }
};

void AddPoints(TableBuilder& table) {
    for (int i = 0; i < kCalibrationPointCount; ++i) {
        const calib::PointFields point = calib::Point(i);
        const QString name = QStringLiteral("eFreq_%1").arg(i);
        table.Add(name, point.Freq.offset, F::Freq, true);
        table.Add(name + "_H", point.PowerH.offset, F::Uint, true);
        table.Add(name + "_M", point.PowerM.offset, F::Uint, false);
        table.Add(name + "_L", point.PowerL.offset, F::Uint, true);
        table.Add(name + "_Tune", point.Tune.offset, F::Uint, false);
        table.Add(name + "_RSSI", point.Rssi.offset, F::Rssi, false);
    }
}

// The fields between the points and the status block, by control name.
void AddChipSettings(TableBuilder& table) {
    using namespace calib;
    struct Row {
        const char* name;
        size_t offset;
        EditorFamily family;
        bool shown;
    };
    static constexpr Row kRows[] = {
        {"ePinPian_W", PinPian_W.offset, F::PinPian, true},
        {"ePinPian_W_Spe_1", PinPian_W_Spe_1.offset, F::PinPian, true},
        {"ePinPian_W_Spe_2", PinPian_W_Spe_2.offset, F::PinPian, true},
        {"eDtmfFuDu_W", DtmfFuDu_W.offset, F::Uint, false},
        {"e1750FuDu_W", FuDu1750_W.offset, F::Uint, false},
        {"eCtcPinPian_W", CtcPinPian_W.offset, F::CtcDcsPinPian, true},
        {"eDcsPinPian_W", DcsPinPian_W.offset, F::CtcDcsPinPian, true},
        {"ePinPian_N", PinPian_N.offset, F::PinPian, false},
        {"ePinPian_N_Spe_1", PinPian_N_Spe_1.offset, F::PinPian, false},
        {"ePinPian_N_Spe_2", PinPian_N_Spe_2.offset, F::PinPian, false},
        {"eDtmfFuDu_N", DtmfFuDu_N.offset, F::Uint, false},
        {"e1750FuDu_N", FuDu1750_N.offset, F::Uint, false},
        {"eCtcPinPian_N", CtcPinPian_N.offset, F::CtcDcsPinPian, false},
        {"eDcsPinPian_N", DcsPinPian_N.offset, F::CtcDcsPinPian, false},
        {"eSQL_L1", SQL_L1.offset, F::Uint, true},
        {"eSQL_L4", SQL_L4.offset, F::Uint, true},
        {"eSQL_L9", SQL_L9.offset, F::Uint, true},
        {"eVOX_L1", VOX_L1.offset, F::Uint, false},
        {"eVOX_L9", VOX_L9.offset, F::Uint, false},
        {"eBatt_L0_Wait", Batt_L0_Wait.offset, F::Uint, true},
        {"eBatt_L1_Wait", Batt_L1_Wait.offset, F::Uint, false},
        {"eBatt_L2_Wait", Batt_L2_Wait.offset, F::Uint, false},
        {"eBatt_L0_Tx", Batt_L0_Tx.offset, F::Uint, true},
        {"eBatt_L1_Tx", Batt_L1_Tx.offset, F::Uint, false},
        {"eBatt_L2_Tx", Batt_L2_Tx.offset, F::Uint, false},
        {"eBatt_High", Batt_High.offset, F::Uint, false},
        {"eXtal_PP", Xtal_PP.offset, F::Uint, false},
        {"eMicGainFine", MicGainFine.offset, F::MicGainFine, false},
        {"eMicGain", MicGain.offset, F::MicGain, true},
        {"ePga", Pga.offset, F::Pga, true},
        {"eNoise_th", Noise_th.offset, F::Uint, true},
        {"eModu_th", Modu_th.offset, F::Uint, true},
        {"ePkdet_th", Pkdet_th.offset, F::Uint, true},
        {"ePkdet_th_nar", Pkdet_th_nar.offset, F::Uint, true},
        {"eRssi3_th", Rssi3_th.offset, F::Uint, true},
        {"eNoise2_th", Noise2_th.offset, F::Uint, true},
        {"eNoise_th_nar", Noise_th_nar.offset, F::Uint, true},
    };
    for (const Row& row : kRows) {
        table.Add(row.name, row.offset, row.family, row.shown);
    }
}

void AddBatteryTable(TableBuilder& table) {
    for (int i = 0; i < kBattTblCount; ++i) {
        table.Add(QStringLiteral("eBatt_Tbl_L%1").arg(i),
                  calib::Batt_Tbl.offset + static_cast<size_t>(i), F::Uint, false);
    }
    table.Add("eBatt_PowerOn", calib::Batt_PowerOn.offset, F::Uint, false);
}

std::vector<NumericEditorSpec> BuildTable() {
    TableBuilder table;
    AddPoints(table);
    AddChipSettings(table);
    AddBatteryTable(table);
    return std::move(table.rows);
}

}  // namespace

FamilyRule RuleOf(EditorFamily family) {
    // In the order of EditorFamily.
    static constexpr FamilyRule kRules[] = {
        {4, 0, 1023, true}, {2, 0, 63, false},  {3, 130, 520, true}, {3, 2, 127, false},
        {2, 0, 15, false},  {3, 0, 127, false}, {2, 0, 31, false},   {3, 0, 255, false},
    };
    return kRules[static_cast<size_t>(family)];
}

const std::vector<NumericEditorSpec>& CalibrationEditorTable() {
    static const std::vector<NumericEditorSpec> table = BuildTable();
    return table;
}

CalibrationEditors::CalibrationEditors(GuiContext& context, QWidget* owner)
    : QObject(owner), context_(context), owner_(owner) {
    for (const NumericEditorSpec& spec : CalibrationEditorTable()) {
        if (!spec.shown) {
            continue;
        }
        auto* edit = new QLineEdit(owner);
        edit->setObjectName(spec.name);
        edit->setFixedWidth(kEditorWidth);
        FilterDigitKeys(*edit);
        const int maxLength = RuleOf(spec.family).maxLength;
        connect(edit, &QLineEdit::textEdited, this,
                [edit, maxLength] { CutToLength(*edit, maxLength); });
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] { EditExit(*edit); });
        editors_.emplace(spec.name, Bound{&spec, edit});
    }
}

QLineEdit* CalibrationEditors::Editor(const QString& name) const {
    const auto found = editors_.find(name);
    return found == editors_.end() ? nullptr : found->second.edit;
}

bool CalibrationEditors::Owns(const QLineEdit* edit) const {
    return edit != nullptr && Editor(edit->objectName()) == edit;
}

int CalibrationEditors::FieldValue(const NumericEditorSpec& spec) const {
    const CalibrationData& c = context_.data.calibration;
    return RuleOf(spec.family).twoBytes ? c.Get(U16Field{spec.offset})
                                        : c.Get(U8Field{spec.offset});
}

void CalibrationEditors::StoreField(const NumericEditorSpec& spec, int value) {
    CalibrationData& c = context_.data.calibration;
    if (RuleOf(spec.family).twoBytes) {
        c.Set(U16Field{spec.offset}, static_cast<uint16_t>(value));
    } else {
        c.Set(U8Field{spec.offset}, static_cast<uint8_t>(value));
    }
}

void CalibrationEditors::ShowValues() {
    for (const auto& [name, bound] : editors_) {
        bound.edit->setText(QString::number(FieldValue(*bound.spec)));
    }
}

void CalibrationEditors::EditExit(QLineEdit& edit) {
    if (!Owns(&edit)) {
        return;
    }
    const NumericEditorSpec& spec = *editors_.at(edit.objectName()).spec;
    const QString text = edit.text();
    if (text.isEmpty()) {
        StoreField(spec, 0);  // an empty edit means 0, whatever the range
    } else {
        bool isNumber = false;
        const int value = text.toInt(&isNumber, 10);
        if (!isNumber) {
            // The field keeps its value and the edit its text, so the person can correct it.
            ReportConversionError(context_, owner_, text);
            return;
        }
        const FamilyRule rule = RuleOf(spec.family);
        if (value >= rule.minimum && value <= rule.maximum) {
            StoreField(spec, value);
        }
    }
    edit.setText(QString::number(FieldValue(spec)));
}

}  // namespace radioprog::ui
