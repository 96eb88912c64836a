#pragma once
// The lines above the progress bar that tell, before anything is sent, where the job goes
// and which radio the data in hand came from, so a wrong port or a wrong radio is caught
// before Start rather than after the silence limit.

#include <QString>

#include "gui/GuiContext.h"

class QVBoxLayout;
class QWidget;

namespace radioprog::ui {

// "Port: COM2 - /dev/ttyUSB1, CH340", or "Port: auto search".
QString WhereTheJobGoes(const GuiContext& context, const QString& sysRoot = QStringLiteral("/sys"));

// "Radio last read: S, last written 2026-12-07 10:20"; empty until a read has met a radio.
QString RadioLastRead(const GuiContext& context);

// Both lines at the top of the window's layout (the radio's only once a read has met one).
void AddWhereAndRadio(QVBoxLayout& layout, QWidget& window, const GuiContext& context);

}  // namespace radioprog::ui
