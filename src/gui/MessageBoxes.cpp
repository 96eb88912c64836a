#include "gui/MessageBoxes.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace radioprog::ui {

namespace {

QLabel* MakeCentredLabel(QWidget* parent, const QString& text, QSize size, QFont font) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setFont(font);
    label->setMinimumSize(size);
    return label;
}

QPushButton* AddButton(QDialog* dialog, QHBoxLayout* row, const char* name, const QString& caption,
                       int result) {
    auto* button = new QPushButton(caption, dialog);
    button->setObjectName(name);
    row->addWidget(button);
    QObject::connect(button, &QPushButton::clicked, dialog,
                     [dialog, result] { dialog->done(result); });
    return button;
}

QFont PixelFont(int pixels) {
    QFont font;
    font.setPixelSize(pixels);
    return font;
}

QFont PointFont(int points) {
    QFont font;
    font.setPointSize(points);
    return font;
}

}  // namespace

TUserWarnDlg::TUserWarnDlg(QWidget* owner, const QString& message, const QString& okCaption)
    : QDialog(owner) {
    setObjectName("TUserWarnDlg");
    auto* layout = new QVBoxLayout(this);
    WarnDlgText = MakeCentredLabel(this, message, QSize(215, 60), PixelFont(16));
    WarnDlgText->setObjectName("WarnDlgText");
    layout->addWidget(WarnDlgText, 1);
    auto* row = new QHBoxLayout;
    row->addStretch();
    OKBtn = AddButton(this, row, "OKBtn", okCaption, QDialog::Accepted);
    OKBtn->setDefault(true);
    row->addStretch();
    layout->addLayout(row);
    resize(235, 121);
}

TMyWarnDlg_2::TMyWarnDlg_2(QWidget* owner, const QString& question, const QString& okCaption,
                           const QString& cancelCaption)
    : QDialog(owner) {
    setObjectName("TMyWarnDlg_2");
    auto* layout = new QVBoxLayout(this);
    auto* label = MakeCentredLabel(this, question, QSize(265, 40), PointFont(12));
    label->setObjectName("sQuestion");
    layout->addWidget(label, 1);
    auto* row = new QHBoxLayout;
    AddButton(this, row, "OKBtn", okCaption, QDialog::Accepted)->setDefault(true);
    AddButton(this, row, "CancelBtn", cancelCaption, QDialog::Rejected);
    layout->addLayout(row);
}

TMyWarnDlg_3::TMyWarnDlg_3(QWidget* owner, const QString& question, const QString& yesCaption,
                           const QString& noCaption, const QString& cancelCaption)
    : QDialog(owner) {
    setObjectName("TMyWarnDlg_3");
    auto* layout = new QVBoxLayout(this);
    auto* label = MakeCentredLabel(this, question, QSize(290, 40), PointFont(10));
    label->setObjectName("sQuestion");
    layout->addWidget(label, 1);
    auto* row = new QHBoxLayout;
    AddButton(this, row, "OKBtn", yesCaption, QDialog::Accepted)->setDefault(true);
    AddButton(this, row, "NoBtn", noCaption, kNoResult);
    AddButton(this, row, "CancelBtn", cancelCaption, QDialog::Rejected);
    layout->addLayout(row);
}

}  // namespace radioprog::ui
