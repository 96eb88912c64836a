#include "port/ui/PortDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "gui/UiText.h"
#include "lang/DialogTexts.h"
#include "port/PortChoice.h"

namespace radioprog::ui {

namespace {

// Positions in logical pixels: three columns of three, COM1 to COM3 in the first.
constexpr int kColumnX[] = {16, 104, 200};
constexpr int kRowY[] = {8, 32, 56};

size_t IndexOf(int portNumber) {
    return static_cast<size_t>(portNumber - kFirstPortNumber);
}

}  // namespace

TCommunicationPort::TCommunicationPort(GuiContext& context, QWidget* owner)
    : QDialog(owner), choice_(context.data.port) {
    const auto& lang = context.data.lang;
    setObjectName("TCommunicationPort");
    setFixedSize(304, 220);
    QFont font = this->font();
    font.setPixelSize(12);
    setFont(font);

    auto* gbCOM = new QGroupBox(this);
    gbCOM->setObjectName("gbCOM");
    gbCOM->setGeometry(16, 16, 273, 89);
    for (int n = kFirstPortNumber; n <= kLastPortNumber; ++n) {
        auto* button = new QRadioButton(QStringLiteral("COM%1").arg(n), gbCOM);
        button->setObjectName(QStringLiteral("rbCOM%1").arg(n));
        const int i = n - kFirstPortNumber;
        button->move(kColumnX[i / 3], kRowY[i % 3]);
        button->setEnabled(false);
        rbCOM_[IndexOf(n)] = button;
    }

    cAutoSeachPort = new QCheckBox(FromUtf8(PortDialogTextTable().TextUtf8(lang, 2)), this);
    cAutoSeachPort->setObjectName("cAutoSeachPort");
    cAutoSeachPort->setGeometry(24, 112, 265, 24);
    cAutoSeachPort->setChecked(choice_.autoSearchPort);
    connect(cAutoSeachPort, &QCheckBox::clicked, this, &TCommunicationPort::cAutoSeachPortClick);

    auto* OKBtn = new QPushButton(FromUtf8(PortDialogTextTable().TextUtf8(lang, 0)), this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setGeometry(39, 164, 75, 25);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &TCommunicationPort::OKBtnClick);
    auto* CancelBtn = new QPushButton(FromUtf8(PortDialogTextTable().TextUtf8(lang, 1)), this);
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setGeometry(191, 164, 75, 25);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    ProbeAndShowDevices();
    KeepPortNumberPresent(choice_);
    if (!choice_.autoSearchPort) {
        EnablePresentPorts();
    }
    rbCOM_[IndexOf(choice_.portNumber)]->setChecked(true);
}

void TCommunicationPort::ProbeAndShowDevices() {
    ProbePorts(choice_);
    for (int n = kFirstPortNumber; n <= kLastPortNumber; ++n) {
        const std::optional<std::string> path = choice_.map.PathOf(n);
        rbCOM_[IndexOf(n)]->setToolTip(path ? FromUtf8(*path) : QString());
    }
}

void TCommunicationPort::EnablePresentPorts() {
    for (const uint8_t n : choice_.portList.Numbers()) {
        rbCOM_[IndexOf(n)]->setEnabled(true);
    }
}

void TCommunicationPort::cAutoSeachPortClick() {
    // Takes effect at once: Cancel afterwards does not undo it.
    choice_.autoSearchPort = cAutoSeachPort->isChecked();
    ProbeAndShowDevices();
    if (choice_.autoSearchPort) {
        for (QRadioButton* button : rbCOM_) {
            button->setEnabled(false);
        }
    } else {
        EnablePresentPorts();
    }
}

void TCommunicationPort::OKBtnClick() {
    for (int n = kFirstPortNumber; n <= kLastPortNumber; ++n) {
        if (rbCOM_[IndexOf(n)]->isChecked()) {
            choice_.portNumber = n;
        }
    }
    accept();
}

void RunPortDialog(GuiContext& context, QWidget* owner) {
    TCommunicationPort dialog(context, owner);
    context.modals.Exec(dialog);
}

}  // namespace radioprog::ui
