#pragma once
// The one renderer of the channel sheet: lays the sheet out on one landscape page of any
// paged device, a PDF writer or a printer alike.

#include "sheet/ChannelSheet.h"
#include "sheet/SheetPaper.h"

class QPagedPaintDevice;

namespace radioprog {

// Landscape paper of the given size with the sheet's margins.
void SetSheetPageLayout(QPagedPaintDevice& device, SheetPaper paper);
// Draws the sheet on the device's current page; false when the device cannot be painted on.
bool PaintChannelSheet(QPagedPaintDevice& device, const ChannelSheet& sheet);

}  // namespace radioprog
