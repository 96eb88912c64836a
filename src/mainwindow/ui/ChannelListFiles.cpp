#include "mainwindow/ui/ChannelListFiles.h"

#include "channellist/ChannelCsv.h"
#include "gui/LocalPath.h"
#include "lang/ChannelEditText.h"
#include "model/AtomicOutput.h"
#include "model/RegularFile.h"

namespace radioprog::ui {

namespace {

QString Text(const GuiContext& context, ChannelEditTextId id) {
    return QString::fromStdString(ChannelEditTextUtf8(context.data.lang, id));
}

// The menu caption as a dialog title: without the mnemonic and the dots.
QString Title(const GuiContext& context, ChannelEditTextId id) {
    QString title = Text(context, id);
    title.remove(QLatin1Char('&'));
    return title.remove(QStringLiteral("...")).trimmed();
}

FileDialogRequest Request(const GuiContext& context, ChannelEditTextId title) {
    return {Title(context, title), Text(context, ChannelEditTextId::ChannelListFilter),
            QStringLiteral("csv")};
}

}  // namespace

bool ImportChannelList(GuiContext& context, QWidget* owner) {
    const auto path =
        context.modals.OpenFileName(owner, Request(context, ChannelEditTextId::ImportChannels));
    if (!path) {
        return false;
    }
    // One byte past the largest list, so that a far larger file is refused unread; a pipe or
    // a device is refused before it can block the window.
    const RegularFileContents file =
        ReadRegularFile(LocalPath(*path), kMaxChannelCsvSize + 1, LongerFile::ReadTheStart);
    if (file.status != FileRead::Read) {
        context.Tell(
            owner,
            QStringLiteral("Cannot open \"%1\": %2").arg(*path, QString::fromStdString(file.why)));
        return false;
    }
    AppData& data = context.data;
    const ChannelListResult result = ImportChannelsCsv(
        std::string_view(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()),
        data.image, data.band);
    if (!result) {
        context.Tell(owner, Text(context, ChannelEditTextId::CannotImport) +
                                QStringLiteral("\n%1:\n%2")
                                    .arg(*path, QString::fromStdString(result.error.Message())));
        return false;
    }
    return true;
}

void ExportChannelList(GuiContext& context, QWidget* owner) {
    const auto path =
        context.modals.SaveFileName(owner, Request(context, ChannelEditTextId::ExportChannels));
    if (!path) {
        return;
    }
    const std::string csv = ExportChannelsCsv(context.data.image);
    if (const FileResult written = WriteFileAtomically(LocalPath(*path), csv); !written) {
        context.Tell(owner, QString::fromStdString(written.message));
    }
}

}  // namespace radioprog::ui
