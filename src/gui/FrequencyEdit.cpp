#include "gui/FrequencyEdit.h"

#include <algorithm>

#include "gui/ConversionError.h"
#include "model/FreqCodec.h"

namespace radioprog::ui {

namespace {

constexpr qsizetype kMaxFrequencyChars = 9;

bool IsFrequencyChar(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.');
}

}  // namespace

QValidator::State FrequencyTextValidator::validate(QString& input, int& position) const {
    if (!std::all_of(input.begin(), input.end(), IsFrequencyChar)) {
        return Invalid;
    }
    input.truncate(kMaxFrequencyChars);
    if (input == QLatin1String(".")) {
        input.clear();
    }
    if (const qsizetype point = input.indexOf(QLatin1Char('.')); point >= 0) {
        input = input.left(point + 1) + input.mid(point + 1).remove(QLatin1Char('.'));
    }
    position = std::min(position, static_cast<int>(input.size()));
    return Acceptable;
}

FrequencyEdit::FrequencyEdit(QWidget* parent, const QString& text) : QLineEdit(text, parent) {
    setValidator(new FrequencyTextValidator(this));
}

std::optional<uint32_t> FrequencyEdit::Hz() const {
    if (text().isEmpty()) {
        return 0;
    }
    return TextToFreq(text().toStdString());
}

std::optional<uint32_t> ReadFrequencyEdit(GuiContext& context, QWidget* owner,
                                          const FrequencyEdit& edit) {
    const std::optional<uint32_t> hz = edit.Hz();
    if (!hz) {
        ReportConversionError(context, owner, edit.text());
    }
    return hz;
}

}  // namespace radioprog::ui
