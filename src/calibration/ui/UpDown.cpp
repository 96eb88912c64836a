#include "calibration/ui/UpDown.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QToolButton>

namespace radioprog::ui {

namespace {

constexpr int kFocusRim = 1;
constexpr int kArrowExtent = 20;

}  // namespace

UpDown::UpDown(QWidget* parent) : QAbstractSlider(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    row_ = new QBoxLayout(QBoxLayout::LeftToRight, this);
    row_->setContentsMargins(kFocusRim, kFocusRim, kFocusRim, kFocusRim);
    row_->setSpacing(0);
    lower_ = MakeArrow(SliderSingleStepSub);
    raise_ = MakeArrow(SliderSingleStepAdd);
    row_->addWidget(lower_);
    row_->addWidget(raise_);
    ArrangeArrows();
    EnableArrows();
}

QToolButton* UpDown::MakeArrow(SliderAction action) {
    auto* arrow = new QToolButton(this);
    // The up-down keeps the focus, so the arrow keys go on stepping after a click.
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setAutoRepeat(true);
    arrow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // Narrower than a tool button likes to be: the up-down's width is set by its owner.
    arrow->setMinimumSize(1, 1);
    connect(arrow, &QToolButton::clicked, this, [this, action] { triggerAction(action); });
    return arrow;
}

void UpDown::Associate(QLabel* label) {
    label->setNum(value());
    connect(this, &QAbstractSlider::valueChanged, label, qOverload<int>(&QLabel::setNum));
}

QSize UpDown::sizeHint() const {
    const int across = 2 * kArrowExtent + 2 * kFocusRim;
    const int along = kArrowExtent + 2 * kFocusRim;
    return orientation() == Qt::Horizontal ? QSize(across, along) : QSize(along, across);
}

QSize UpDown::minimumSizeHint() const {
    return sizeHint() / 2;
}

void UpDown::sliderChange(SliderChange change) {
    QAbstractSlider::sliderChange(change);
    if (change == SliderOrientationChange) {
        ArrangeArrows();
        updateGeometry();
    }
    EnableArrows();
}

void UpDown::ArrangeArrows() {
    const bool horizontal = orientation() == Qt::Horizontal;
    row_->setDirection(horizontal ? QBoxLayout::LeftToRight : QBoxLayout::BottomToTop);
    lower_->setArrowType(horizontal ? Qt::LeftArrow : Qt::DownArrow);
    raise_->setArrowType(horizontal ? Qt::RightArrow : Qt::UpArrow);
}

void UpDown::EnableArrows() {
    lower_->setEnabled(value() > minimum());
    raise_->setEnabled(value() < maximum());
}

void UpDown::paintEvent(QPaintEvent*) {
    if (!hasFocus()) {
        return;
    }
    // Drawn in the highlight colour, as focused edits are: a style's dotted focus rectangle
    // is not drawn by every style, nor after a mouse click.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Highlight));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace radioprog::ui
