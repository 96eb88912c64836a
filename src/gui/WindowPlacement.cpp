#include "gui/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace radioprog::ui {

namespace {

// The frame the window system adds is known only once shown; leave room for a title bar
// above and a border around.
constexpr int kTitleAllowance = 40;
constexpr int kBorderAllowance = 8;

QRect RoomOf(const QScreen* screen) {
    const QRect available = screen->availableGeometry();
    return available.adjusted(kBorderAllowance, kTitleAllowance, -kBorderAllowance,
                              -kBorderAllowance);
}

// Geometry, not move(): move() places the frame while geometry() reports the inside, so a
// place kept by one and restored by the other would creep by a title bar each run.
void PlaceInside(QWidget& window, const QRect& room, QPoint wanted, QSize size) {
    size = size.boundedTo(room.size());
    const int x = std::clamp(wanted.x(), room.left(), room.right() + 1 - size.width());
    const int y = std::clamp(wanted.y(), room.top(), room.bottom() + 1 - size.height());
    window.setGeometry(QRect(QPoint(x, y), size));
}

}  // namespace

QRect RoomOnScreen(const QWidget& window) {
    const QScreen* screen = window.screen();
    return RoomOf(screen != nullptr ? screen : QGuiApplication::primaryScreen());
}

void FitToScreen(QWidget& window) {
    // Over the owner when there is one, as a dialog opens, but never across the room's edge:
    // centred over a tall owner, a tall dialog would hang below the screen.
    const QRect room = RoomOnScreen(window);
    const QSize size = window.size().boundedTo(room.size());
    const QWidget* owner =
        window.parentWidget() != nullptr ? window.parentWidget()->window() : nullptr;
    const QPoint centre = owner != nullptr ? owner->geometry().center() : room.center();
    PlaceInside(window, room, centre - QPoint(size.width() / 2, size.height() / 2), size);
}

void CentreOnScreen(QWidget& window) {
    const QRect room = RoomOnScreen(window);
    const QSize size = window.size().boundedTo(room.size());
    PlaceInside(window, room, room.center() - QPoint(size.width() / 2, size.height() / 2), size);
}

void RestorePlace(QWidget& window, const std::optional<WindowPlace>& place) {
    if (!place) {
        FitToScreen(window);
        return;
    }
    const QRect wanted(place->x, place->y, place->width, place->height);
    const QScreen* screen = QGuiApplication::screenAt(wanted.center());
    if (screen == nullptr) {
        // Its size as the user left it, where it can be seen.
        window.resize(wanted.size());
        CentreOnScreen(window);
        return;
    }
    PlaceInside(window, RoomOf(screen), wanted.topLeft(), wanted.size());
}

WindowPlace PlaceOf(const QWidget& window) {
    const QRect geometry =
        window.isMaximized() || window.isFullScreen() ? window.normalGeometry() : window.geometry();
    return {geometry.x(), geometry.y(), geometry.width(), geometry.height()};
}

}  // namespace radioprog::ui
