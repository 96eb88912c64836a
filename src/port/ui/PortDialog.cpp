#include "port/ui/PortDialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
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
    // Qt's tab order passes over unchecked exclusive buttons, and the checked one may be an
    // absent port: without this the focus starts on the check box, out of the arrows' reach.
    FocusPortChoice();
    cAutoSeachPort->installEventFilter(this);
}

void TCommunicationPort::FocusPortChoice() {
    QRadioButton* target = nullptr;
    for (QRadioButton* button : rbCOM_) {
        if (button->isEnabled() && (target == nullptr || button->isChecked())) {
            target = button;
        }
    }
    if (target != nullptr) {
        target->setFocus(Qt::TabFocusReason);
    } else {
        cAutoSeachPort->setFocus(Qt::TabFocusReason);
    }
}

bool TCommunicationPort::eventFilter(QObject* watched, QEvent* event) {
    // Up from the check box goes back to the ports it has just made available.
    if (watched == cAutoSeachPort && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Up || key == Qt::Key_Left) && !choice_.autoSearchPort &&
            !choice_.portList.Numbers().empty()) {
            FocusPortChoice();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
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
