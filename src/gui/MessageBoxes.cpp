#include "gui/MessageBoxes.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace radioprog::ui {

namespace {

QLabel* MakeCentredLabel(QWidget* parent, const QString& text, QSize size, const QFont& font) {
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

// A long message wraps at a width that reads well and the box grows downwards with it; a
// line that cannot wrap (a device path) widens the box, never beyond the screen.
void FitMessage(QDialog& box, QLabel& label, QSize smallest) {
    const QScreen* screen =
        box.screen() != nullptr ? box.screen() : QGuiApplication::primaryScreen();
    const QRect room = screen->availableGeometry();
    const int widest = std::max(smallest.width(), room.width() * 2 / 3);
    const int reading = std::max(smallest.width(), label.fontMetrics().averageCharWidth() * 60);
    int width = std::min(reading, widest);
    for (const QString& line : label.text().split(QLatin1Char('\n'))) {
        for (const QString& word : line.split(QLatin1Char(' '))) {
            width = std::max(width, std::min(label.fontMetrics().horizontalAdvance(word), widest));
        }
    }
    // Short texts keep the small box; a longer one takes the room it needs, up to width.
    const int needed =
        label.fontMetrics()
            .boundingRect(QRect(0, 0, width, room.height()), Qt::TextWordWrap, label.text())
            .width();
    label.setMinimumWidth(std::clamp(needed, smallest.width(), widest));
    box.setMaximumSize(room.size());
    box.adjustSize();
}

// A message taller than the screen (a verify that found every channel different) scrolls, so
// that its last lines and the OK button stay within reach; the lines then read from the left.
void ScrollWhenTooTall(QDialog& box, QVBoxLayout& layout, QLabel& label) {
    const QScreen* screen =
        box.screen() != nullptr ? box.screen() : QGuiApplication::primaryScreen();
    const QRect room = screen->availableGeometry();
    // The frame the window system adds is not known before the box shows.
    constexpr int kFrameAllowance = 40;
    const int labelHeight = label.heightForWidth(label.minimumWidth());
    const int rest = box.sizeHint().height() - label.sizeHint().height();
    if (labelHeight + rest + kFrameAllowance <= room.height()) {
        return;
    }
    auto* scroll = new QScrollArea(&box);
    scroll->setObjectName("WarnDlgScroll");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int width = label.minimumWidth() +
                      scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll);
    layout.replaceWidget(&label, scroll);
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scroll->setWidget(&label);
    scroll->setMinimumWidth(width);
    const QMargins margins = layout.contentsMargins();
    box.resize(width + margins.left() + margins.right(), room.height() - kFrameAllowance);
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
    FitMessage(*this, *WarnDlgText, QSize(215, 60));
    ScrollWhenTooTall(*this, *layout, *WarnDlgText);
}

TMyWarnDlg_2::TMyWarnDlg_2(QWidget* owner, const QString& question, const QString& okCaption,
                           const QString& cancelCaption, bool cancelIsDefault)
    : QDialog(owner) {
    setObjectName("TMyWarnDlg_2");
    auto* layout = new QVBoxLayout(this);
    auto* label = MakeCentredLabel(this, question, QSize(265, 40), PointFont(12));
    label->setObjectName("sQuestion");
    layout->addWidget(label, 1);
    auto* row = new QHBoxLayout;
    auto* ok = AddButton(this, row, "OKBtn", okCaption, QDialog::Accepted);
    auto* cancel = AddButton(this, row, "CancelBtn", cancelCaption, QDialog::Rejected);
    (cancelIsDefault ? cancel : ok)->setDefault(true);
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
