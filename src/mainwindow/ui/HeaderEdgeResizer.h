#pragma once
// The grid's header column (the channel numbers) and header row (the captions) are resized
// like every other column and row: by dragging their far edge. Qt sizes headers itself, so a
// drag near the vertical header's right edge or the horizontal header's bottom edge fixes a
// new width or height.

#include <QObject>

class QHeaderView;

namespace radioprog::ui {

class HeaderEdgeResizer final : public QObject {
    Q_OBJECT
  public:
    // Watches header (owned by the grid); the resizer is the header's child.
    explicit HeaderEdgeResizer(QHeaderView& header);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The header's extent across its sections: width of the vertical, height of the other.
    int Extent() const;
    void SetExtent(int extent);
    bool NearTheEdge(int position) const;

    QHeaderView& header_;
    bool dragging_ = false;
};

}  // namespace radioprog::ui
