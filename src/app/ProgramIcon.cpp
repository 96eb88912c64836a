#include "app/ProgramIcon.h"

#include <QPainter>
#include <QPixmap>

namespace radioprog::app {

namespace {

QPixmap PaintIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#37474f"));
    p.drawRoundedRect(QRectF(36, 2, 6, 20), 2, 2);
    p.setPen(QPen(QColor("#0d47a1"), 2));
    p.setBrush(QColor("#1e88e5"));
    p.drawRoundedRect(QRectF(16, 16, 32, 46), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#e3f2fd"));
    p.drawRoundedRect(QRectF(21, 22, 22, 12), 2, 2);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            p.drawEllipse(QPointF(25 + 7 * column, 42 + 7 * row), 2.5, 2.5);
        }
    }
    p.setBrush(QColor("#0d47a1"));
    p.drawRect(QRectF(24, 26, 16, 4));
    return pixmap;
}

}  // namespace

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        icon.addPixmap(PaintIcon(size));
    }
    return icon;
}

}  // namespace radioprog::app
