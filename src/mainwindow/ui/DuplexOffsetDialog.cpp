#include "mainwindow/ui/DuplexOffsetDialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include "gui/UiText.h"
#include "lang/ChannelEditText.h"
#include "lang/TextIds.h"
#include "lang/ToolText.h"

namespace radioprog::ui {

namespace {

QString Localised(const THaldenFuncs::TAppLang& lang, ChannelEditTextId id) {
    return FromUtf8(ChannelEditTextUtf8(lang, id));
}

// "+432.99999" is the longest sensible entry; a little room for blanks.
constexpr int kMaxOffsetChars = 12;

}  // namespace

DuplexOffsetDialog::DuplexOffsetDialog(QWidget* owner, const THaldenFuncs::TAppLang& lang)
    : QDialog(owner) {
    setObjectName(QStringLiteral("DuplexOffsetDlg"));
    QString caption = Localised(lang, ChannelEditTextId::DuplexOffset);
    caption.remove(QRegularExpression(QStringLiteral(R"(\(&.\))")));
    setWindowTitle(DialogTitle(caption));

    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(Localised(lang, ChannelEditTextId::DuplexOffsetPrompt), this);
    prompt->setObjectName(QStringLiteral("sDuplexOffsetPrompt"));
    layout->addWidget(prompt);

    auto* field = new QHBoxLayout();
    eDuplexOffset = new QLineEdit(this);
    eDuplexOffset->setObjectName(QStringLiteral("eDuplexOffset"));
    eDuplexOffset->setMaxLength(kMaxOffsetChars);
    eDuplexOffset->setPlaceholderText(QStringLiteral("+5"));
    prompt->setBuddy(eDuplexOffset);
    auto* unit = new QLabel(FromUtf8(ToolTextUtf8(lang, ToolTextId::MegaHertz)), this);
    unit->setObjectName(QStringLiteral("sDuplexOffsetUnit"));
    field->addWidget(eDuplexOffset, 1);
    field->addWidget(unit);
    layout->addLayout(field);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    auto* ok = new QPushButton(UiText(lang, text::kOk), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(OwnCancelText(lang), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    eDuplexOffset->setFocus();
}

QString DuplexOffsetDialog::Offset() const {
    return eDuplexOffset->text();
}

}  // namespace radioprog::ui
