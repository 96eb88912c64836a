#pragma once
// An up-down: two arrow buttons that step a position through a range, side by side when
// horizontal (left lowers, right raises) and stacked when vertical. It shows no number of its
// own: the label associated with it shows the position, so each value appears once.
// Keyboard and wheel step it as they step a slider.

#include <QAbstractSlider>

class QBoxLayout;
class QLabel;
class QToolButton;

namespace radioprog::ui {

class UpDown final : public QAbstractSlider {
    Q_OBJECT
  public:
    explicit UpDown(QWidget* parent = nullptr);

    // From now on label shows the position; it shows the current one at once.
    void Associate(QLabel* label);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void sliderChange(SliderChange change) override;
    // The children cover the widget but for a one-pixel rim: the focus frame is drawn there.
    void paintEvent(QPaintEvent* event) override;

  private:
    QToolButton* MakeArrow(SliderAction action);
    void ArrangeArrows();
    void EnableArrows();

    QBoxLayout* row_ = nullptr;
    QToolButton* lower_ = nullptr;
    QToolButton* raise_ = nullptr;
};

}  // namespace radioprog::ui
