#include "mainwindow/ui/HeaderEdgeResizer.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <algorithm>

namespace radioprog::ui {

namespace {

// How close to the edge a press starts a resize, and how small a header may become.
constexpr int kGrip = 4;
constexpr int kSmallest = 8;

}  // namespace

HeaderEdgeResizer::HeaderEdgeResizer(QHeaderView& header) : QObject(&header), header_(header) {
    header_.viewport()->installEventFilter(this);
    header_.viewport()->setMouseTracking(true);
}

int HeaderEdgeResizer::Extent() const {
    return header_.orientation() == Qt::Vertical ? header_.width() : header_.height();
}

void HeaderEdgeResizer::SetExtent(int extent) {
    extent = std::max(extent, kSmallest);
    if (header_.orientation() == Qt::Vertical) {
        header_.setFixedWidth(extent);
    } else {
        header_.setFixedHeight(extent);
    }
}

bool HeaderEdgeResizer::NearTheEdge(int position) const {
    return position >= Extent() - kGrip && position <= Extent();
}

bool HeaderEdgeResizer::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease) {
        return QObject::eventFilter(watched, event);
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint at = mouse->position().toPoint();
    const int across = header_.orientation() == Qt::Vertical ? at.x() : at.y();
    const Qt::CursorShape edgeCursor =
        header_.orientation() == Qt::Vertical ? Qt::SplitHCursor : Qt::SplitVCursor;
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton &&
        NearTheEdge(across)) {
        dragging_ = true;
        return true;
    }
    if (type == QEvent::MouseMove && dragging_) {
        SetExtent(across);
        return true;
    }
    if (type == QEvent::MouseButtonRelease && dragging_) {
        dragging_ = false;
        SetExtent(across);
        return true;
    }
    if (type == QEvent::MouseMove) {
        if (NearTheEdge(across)) {
            header_.viewport()->setCursor(edgeCursor);
        } else {
            header_.viewport()->unsetCursor();
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace radioprog::ui
