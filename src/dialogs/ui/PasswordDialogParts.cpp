#include "dialogs/ui/PasswordDialogParts.h"

#include <QBoxLayout>
#include <QDialog>
#include <QFont>
#include <QLabel>
#include <QLineEdit>

#include "session/PasswordBlock.h"
#include "session/PasswordText.h"

namespace radioprog::ui {

namespace {

constexpr int kPasswordPointSize = 16;

}  // namespace

QValidator::State RadioPasswordValidator::validate(QString& input, int&) const {
    return EncodePassword(input.toStdString()).bytes ? Acceptable : Invalid;
}

QLineEdit* MakePasswordEdit(QWidget* parent, const char* name, bool radioPassword) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setEchoMode(QLineEdit::Password);
    // The platform's bullet would differ from the "*" people are told to expect.
    edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    QFont font = edit->font();
    font.setPointSize(kPasswordPointSize);
    edit->setFont(font);
    if (radioPassword) {
        edit->setMaxLength(static_cast<int>(kMaxPasswordLength));
        edit->setValidator(new RadioPasswordValidator(edit));
    }
    return edit;
}

QLineEdit* AddPasswordField(QDialog& dialog, QBoxLayout& column, const char* captionName,
                            const QString& caption, const char* editName) {
    auto* label = new QLabel(caption, &dialog);
    label->setObjectName(captionName);
    column.addWidget(label);
    QLineEdit* edit = MakePasswordEdit(&dialog, editName, true);
    column.addWidget(edit);
    return edit;
}

std::string PasswordBytes(const QLineEdit& edit) {
    return EncodePassword(edit.text().toStdString()).bytes.value_or(std::string());
}

}  // namespace radioprog::ui
