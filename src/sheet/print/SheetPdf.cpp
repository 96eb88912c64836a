#include "sheet/print/SheetPdf.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>

#include "model/AtomicOutput.h"
#include "sheet/print/SheetPage.h"

namespace radioprog {

std::string ChannelSheetPdf(const ChannelSheet& sheet, SheetPaper paper) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QString::fromStdString(sheet.title));
        writer.setCreator(QStringLiteral("RadioProg"));
        SetSheetPageLayout(writer, paper);
        if (!PaintChannelSheet(writer, sheet)) {
            return {};
        }
    }  // the writer finishes the file as it goes
    return buffer.data().toStdString();
}

FileResult WriteChannelSheetPdf(const std::string& path, const ChannelSheet& sheet,
                                SheetPaper paper) {
    const std::string pdf = ChannelSheetPdf(sheet, paper);
    if (pdf.empty()) {
        return {false, "Cannot draw the sheet for " + path};
    }
    return WriteFileAtomically(path, pdf);
}

std::string ChannelSheetPdfWithoutDisplay(const ChannelSheet& sheet, SheetPaper paper) {
    if (QCoreApplication::instance() != nullptr) {
        return ChannelSheetPdf(sheet, paper);
    }
    // The platform named on the command line wins over QT_QPA_PLATFORM, so a desktop's
    // setting cannot send us looking for a display.
    int argc = 3;
    char program[] = "radioprog";
    char platformOption[] = "-platform";
    char platform[] = "offscreen";
    char* argv[] = {program, platformOption, platform, nullptr};
    // Qt's notes about the desktop it is not using (no XDG_RUNTIME_DIR under cron, say) are
    // no business of a script reading our standard error; only its failures are.
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (type == QtCriticalMsg || type == QtFatalMsg) {
                qt_message_output(type, context, message);
            }
        });
    std::string pdf;
    {
        const QGuiApplication application(argc, argv);
        pdf = ChannelSheetPdf(sheet, paper);
    }
    qInstallMessageHandler(previous);
    return pdf;
}

}  // namespace radioprog
