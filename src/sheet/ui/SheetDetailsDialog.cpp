#include "sheet/ui/SheetDetailsDialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/DialogButtons.h"
#include "gui/UiText.h"
#include "lang/SheetText.h"

namespace radioprog::ui {

namespace {

// Long enough for a shop's name or a job's words on the sheet's one header line.
constexpr int kDetailLength = 80;

QLineEdit* Field(QWidget* parent, const char* name, const std::string& text) {
    auto* edit = new QLineEdit(FromUtf8(text), parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(kDetailLength);
    edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 40);
    return edit;
}

// A caption whose accelerator moves to its field.
void AddRow(QFormLayout& form, const char* name, const QString& caption, QLineEdit* field) {
    auto* label = new QLabel(caption, field->parentWidget());
    label->setObjectName(QString::fromLatin1(name));
    label->setBuddy(field);
    form.addRow(label, field);
}

// One line: a line break typed or pasted into a field would break the configuration's line.
std::string OneLine(const QString& text) {
    return text.simplified().toStdString();
}

}  // namespace

SheetDetailsDialog::SheetDetailsDialog(GuiContext& context, const QString& customer,
                                       QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName(QStringLiteral("SheetDetailsDialog"));
    const auto& lang = context_.data.lang;
    const auto text = [&](SheetTextId id) { return FromUtf8(SheetTextUtf8(lang, id)); };
    setWindowTitle(text(SheetTextId::SettingsTitle));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    eCustomer = Field(this, "eCustomer", customer.toStdString());
    eShopName = Field(this, "eShopName", context_.data.config.shopName);
    eShopPhone = Field(this, "eShopPhone", context_.data.config.shopPhone);
    AddRow(*form, "sCustomer", text(SheetTextId::CustomerField), eCustomer);
    AddRow(*form, "sShopName", text(SheetTextId::ShopName), eShopName);
    AddRow(*form, "sShopPhone", text(SheetTextId::ShopPhone), eShopPhone);
    layout->addLayout(form);
    auto* hint = new QLabel(text(SheetTextId::SettingsHint), this);
    hint->setObjectName(QStringLiteral("sSheetHint"));
    hint->setWordWrap(true);
    layout->addWidget(hint);
    const OkCancelButtons buttons = AddOkCancelButtons(*this, *layout, lang);
    buttons.CancelBtn->setText(OwnCancelText(lang));
    connect(buttons.OKBtn, &QPushButton::clicked, this, [this] {
        Keep();
        accept();
    });
    eCustomer->setFocus();
}

QString SheetDetailsDialog::Customer() const {
    return eCustomer->text().simplified();
}

void SheetDetailsDialog::Keep() {
    ConfigValues& config = context_.data.config;
    config.shopName = OneLine(eShopName->text());
    config.shopPhone = OneLine(eShopPhone->text());
}

std::optional<QString> AskSheetDetails(GuiContext& context, QWidget* owner,
                                       const QString& customer) {
    SheetDetailsDialog dialog(context, customer, owner);
    if (context.modals.Exec(dialog) != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Customer();
}

}  // namespace radioprog::ui
