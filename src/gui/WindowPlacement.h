#pragma once
// Windows that fit the screen they show on and come back where they were left. The room is
// the screen's available geometry less an allowance for the title bar the window system adds,
// so that at a large scale factor on a small screen the buttons at a window's foot stay
// visible.

#include <QRect>
#include <optional>

#include "model/WindowSettings.h"

class QWidget;

namespace radioprog::ui {

// The room on the screen the window is on (the primary one before it shows).
QRect RoomOnScreen(const QWidget& window);
// Shrinks the window to the room if it is larger, and places it over its owner's window (or
// the room's centre) without crossing the room's edges.
void FitToScreen(QWidget& window);
// Centres the window in the room, shrunk to it where it is larger.
void CentreOnScreen(QWidget& window);
// The remembered place, on whichever screen holds it now and within that screen's room; a
// place no screen holds any more (a monitor unplugged) keeps its size, centred on the screen.
// Without one, as FitToScreen.
void RestorePlace(QWidget& window, const std::optional<WindowPlace>& place);
// Where the window stands now (its normal geometry, should it be maximised).
WindowPlace PlaceOf(const QWidget& window);

}  // namespace radioprog::ui
