#pragma once
// The one editor for a frequency in megahertz: the channel grid's cells, the band limits and
// the calibration window's ageing frequency. It takes digits and one point, at most nine
// characters ("438.00625"); a text that is still not a frequency (one ending with the point)
// is reported when it is read, and the caller keeps its value.

#include <QLineEdit>
#include <QValidator>
#include <cstdint>
#include <optional>

#include "gui/GuiContext.h"

namespace radioprog::ui {

// Refuses anything but ASCII digits and points; a tenth character, a point on its own and a
// second point are taken out again, so a pasted text keeps what fits.
class FrequencyTextValidator final : public QValidator {
    Q_OBJECT
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

class FrequencyEdit final : public QLineEdit {
    Q_OBJECT
  public:
    explicit FrequencyEdit(QWidget* parent, const QString& text = QString());

    // The frequency in Hz; 0 for an empty edit; nothing when the text is not a frequency.
    std::optional<uint32_t> Hz() const;
};

// Hz(), with a text that is not a frequency reported in a message box.
std::optional<uint32_t> ReadFrequencyEdit(GuiContext& context, QWidget* owner,
                                          const FrequencyEdit& edit);

}  // namespace radioprog::ui
