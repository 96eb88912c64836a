#include "gui/DialogButtons.h"

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

#include "gui/UiText.h"
#include "lang/TextIds.h"

namespace radioprog::ui {

OkCancelButtons AddOkCancelButtons(QDialog& dialog, QBoxLayout& layout,
                                   const THaldenFuncs::TAppLang& lang) {
    auto* row = new QHBoxLayout();
    row->addStretch();
    OkCancelButtons buttons{new QPushButton(UiText(lang, text::kOk), &dialog),
                            new QPushButton(UiText(lang, text::kCancel), &dialog)};
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
