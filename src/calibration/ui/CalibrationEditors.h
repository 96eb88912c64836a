#pragma once
// The calibration window's numeric editors, built from one table: control name, field of the
// calibration record and family. A family fixes the longest text, the accepted range and the
// field width, so about a hundred editors share the same three handlers.

#include <QObject>
#include <QString>
#include <cstddef>
#include <map>
#include <vector>

#include "gui/GuiContext.h"

class QLineEdit;
class QWidget;

namespace radioprog::ui {

// Named after the range routine each family's exit handler uses.
enum class EditorFamily {
    PinPian,        // CorrectPPInputValue, 0..1023, u16
    CtcDcsPinPian,  // CorrectDcsInputValue, 0..63
    Freq,           // CorrectFreqInputValue, 130..520 MHz, u16
    Rssi,           // CorrectRSSIInputValue, 2..127
    MicGain,        // CorrectMicGainInputValue, 0..15
    MicGainFine,    // CorrectMicGainFineInputValue, 0..127
    Pga,            // CorrectPgaInputValue, 0..31
    Uint,           // CorrectUintInputValue, 0..255
};

struct FamilyRule {
    int maxLength;  // characters the edit keeps
    int minimum;
    int maximum;
    bool twoBytes;  // u16 field, else u8
};

FamilyRule RuleOf(EditorFamily family);

struct NumericEditorSpec {
    QString name;   // the control's objectName
    size_t offset;  // of the field in CalibrationData
    EditorFamily family;
    bool shown;  // hidden fields get no control and keep their bytes
};

// Every numeric field of the calibration record, in the record's order.
const std::vector<NumericEditorSpec>& CalibrationEditorTable();

// The controls of the shown table rows, wired to the family handlers.
class CalibrationEditors final : public QObject {
    Q_OBJECT
  public:
    CalibrationEditors(GuiContext& context, QWidget* owner);

    // The edit of that name; null for a hidden or unknown one.
    QLineEdit* Editor(const QString& name) const;
    bool Owns(const QLineEdit* edit) const;

    // Writes every field into its edit.
    void ShowValues();
    // The exit handler: converts, checks by family, stores and shows the stored value again.
    void EditExit(QLineEdit& edit);

  private:
    struct Bound {
        const NumericEditorSpec* spec;
        QLineEdit* edit = nullptr;
    };
    int FieldValue(const NumericEditorSpec& spec) const;
    void StoreField(const NumericEditorSpec& spec, int value);

    GuiContext& context_;
    QWidget* owner_ = nullptr;
    std::map<QString, Bound> editors_;
};

}  // namespace radioprog::ui
