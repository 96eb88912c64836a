#pragma once
// The channel sheet as a PDF, written through the atomic writer or handed over as bytes.
// Qt-free, so the command line's sheet command can call it without including Qt.

#include <string>

#include "model/FileResult.h"
#include "sheet/ChannelSheet.h"
#include "sheet/SheetPaper.h"

namespace radioprog {

// The PDF's bytes: one page, fonts embedded with their text so that it can be searched.
// Needs a running Qt GUI application (any platform, offscreen included).
std::string ChannelSheetPdf(const ChannelSheet& sheet, SheetPaper paper);

FileResult WriteChannelSheetPdf(const std::string& path, const ChannelSheet& sheet,
                                SheetPaper paper);

// The PDF's bytes for a program without windows: starts Qt's GUI part on the offscreen
// platform for the time of the call when no Qt application runs, so no display is needed.
// Empty when the sheet could not be drawn.
std::string ChannelSheetPdfWithoutDisplay(const ChannelSheet& sheet, SheetPaper paper);

}  // namespace radioprog
