#pragma once
// What the password dialogs share. Password edits show a "*" for every character in a
// 16-point font. A radio password edit also refuses what the radio cannot hold: more than 12
// characters, more than 12 bytes in the radio's character set, or a character it lacks.

#include <QValidator>
#include <string>

class QDialog;
class QBoxLayout;
class QLineEdit;
class QWidget;

namespace radioprog::ui {

class RadioPasswordValidator final : public QValidator {
    Q_OBJECT
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

// radioPassword false: the access-code edit, which has no length limit.
QLineEdit* MakePasswordEdit(QWidget* parent, const char* name, bool radioPassword);

// A caption over a radio password edit, added to column; the edit.
QLineEdit* AddPasswordField(QDialog& dialog, QBoxLayout& column, const char* captionName,
                            const QString& caption, const char* editName);

// The text as the project keeps it: bytes of the radio's character set.
std::string PasswordBytes(const QLineEdit& edit);

}  // namespace radioprog::ui
