#include "dialogs/ui/AboutDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/UiText.h"
#include "lang/TextIds.h"

namespace radioprog::ui {

namespace {

QLabel* AddLine(QWidget* owner, QVBoxLayout* layout, const char* name, const QString& text,
                int points) {
    auto* label = new QLabel(text, owner);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPointSize(points);
    label->setFont(font);
    layout->addWidget(label);
    return label;
}

}  // namespace

TAboutDlg::TAboutDlg(const AppData& appData, QWidget* owner) : QDialog(owner) {
    const auto& lang = appData.lang;
    setObjectName("TAboutDlg");
    setWindowTitle(UiText(lang, text::kAboutTitle));

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout();
    auto* icon = new QLabel(this);
    icon->setObjectName("ProgramIcon");
    icon->setPixmap(windowIcon().pixmap(48, 48));
    top->addWidget(icon, 0, Qt::AlignTop);
    auto* lines = new QVBoxLayout();
    AddLine(this, lines, "sName",
            UiText(lang, text::kProgramName) + ' ' + UiText(lang, text::kProgramDescription), 12);
    lines->addSpacing(8);
    AddLine(this, lines, "sVersion", UiText(lang, text::kVersion), 10);
    AddLine(this, lines, "sOwner1", UiText(lang, text::kOwnerLine1), 10);
    AddLine(this, lines, "sOwner2", UiText(lang, text::kOwnerLine2), 10);
    top->addLayout(lines, 1);
    layout->addLayout(top);

    auto* OKBtn = new QPushButton(UiText(lang, text::kOk), this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(OKBtn, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void RunAboutDialog(GuiContext& context, QWidget* owner) {
    TAboutDlg dialog(context.data, owner);
    context.modals.Exec(dialog);
}

}  // namespace radioprog::ui
