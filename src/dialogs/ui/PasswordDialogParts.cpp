#include "dialogs/ui/PasswordDialogParts.h"

#include <QBoxLayout>
#include <QDialog>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "lang/ui/UiText.h"
#include "session/PasswordBlock.h"
#include "session/PasswordText.h"

namespace radioprog::ui {

namespace {

constexpr int kPasswordPointSize = 16;
constexpr TextId kOkCaption = 153;
constexpr TextId kCancelCaption = 154;

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

OkCancelButtons AddOkCancelButtons(QDialog& dialog, QBoxLayout& layout,
                                   const THaldenFuncs::TAppLang& lang) {
    auto* row = new QHBoxLayout();
    row->addStretch();
    OkCancelButtons buttons{new QPushButton(UiText(lang, kOkCaption), &dialog),
                            new QPushButton(UiText(lang, kCancelCaption), &dialog)};
    buttons.OKBtn->setObjectName("OKBtn");
    buttons.OKBtn->setDefault(true);
    buttons.CancelBtn->setObjectName("CancelBtn");
    row->addWidget(buttons.OKBtn);
    row->addWidget(buttons.CancelBtn);
    QObject::connect(buttons.CancelBtn, &QPushButton::clicked, &dialog, &QDialog::reject);
    layout.addLayout(row);
    return buttons;
}

}  // namespace radioprog::ui
