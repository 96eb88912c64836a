#include "mainwindow/ui/ChannelListFiles.h"

#include <QStringList>
#include <optional>
#include <vector>

#include "channellist/ChannelCsv.h"
#include "channellist/ChannelListImport.h"
#include "channellist/ChannelListSummary.h"
#include "gui/LocalPath.h"
#include "gui/UiText.h"
#include "lang/ChannelEditText.h"
#include "lang/ImportText.h"
#include "lang/TextIds.h"
#include "mainwindow/ui/ImportChannelsDialog.h"
#include "model/AtomicOutput.h"
#include "model/RegularFile.h"

namespace radioprog::ui {

namespace {

QString Text(const GuiContext& context, ChannelEditTextId id) {
    return QString::fromStdString(ChannelEditTextUtf8(context.data.lang, id));
}

QString Title(const GuiContext& context, ChannelEditTextId id) {
    return DialogTitle(Text(context, id));
}

FileDialogRequest Request(const GuiContext& context, ChannelEditTextId title) {
    return {Title(context, title), Text(context, ChannelEditTextId::ChannelListFilter),
            QStringLiteral("csv")};
}

// What was taken, what was left out and why, what the list's reader assumed: the counts and
// the closing sentence in the window's language, the rows and notes as the reader words them.
QString Summary(const GuiContext& context, const ChannelListPlan& plan) {
    const auto& lang = context.data.lang;
    std::vector<int> channels;
    for (const ListRowPlan& row : plan.rows) {
        if (row.fate == RowFate::Taken) {
            channels.push_back(row.channel);
        }
    }
    QStringList lines{FromUtf8(ImportTextUtf8(lang, ImportTextId::Took))
                          .arg(channels.size())
                          .arg(channels.empty()
                                   ? FromUtf8(ImportTextUtf8(lang, ImportTextId::NoChannel))
                                   : QString::fromStdString(ChannelRanges(channels)))
                          .arg(plan.Count(RowFate::Refused))};
    const auto skipped = SkippedSentences(plan);
    if (!skipped.empty()) {
        lines << FromUtf8(ImportTextUtf8(lang, ImportTextId::SkippedRows));
        for (const std::string& sentence : skipped) {
            lines << QString::fromStdString(sentence);
        }
    }
    for (const std::string& note : plan.notes) {
        lines << QString::fromStdString(note);
    }
    lines << FromUtf8(ImportTextUtf8(lang, ImportTextId::FileOnlyFields));
    return lines.join(QLatin1Char('\n'));
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
    std::string csv(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size());
    if (const ChannelListPlan whole = PlanChannelListImport(csv, data.image, data.band);
        whole.fileRefusal) {
        context.Tell(owner,
                     Text(context, ChannelEditTextId::CannotImport) +
                         QStringLiteral("\n%1:\n%2")
                             .arg(*path, QString::fromStdString(whole.fileRefusal->Message())));
        return false;
    }
    ImportChannelsDialog dialog(context, owner, std::move(csv));
    if (context.modals.Exec(dialog) != QDialog::Accepted) {
        return false;
    }
    data.image = dialog.Plan().image;
    context.Tell(owner, Summary(context, dialog.Plan()));
    return true;
}

void ExportChannelList(GuiContext& context, QWidget* owner) {
    // The second filter is the multi-radio format, for lists that other programs open.
    FileDialogRequest request = Request(context, ChannelEditTextId::ExportChannels);
    request.filter += QStringLiteral(";;") + Text(context, ChannelEditTextId::MultiRadioListFilter);
    const auto chosen = context.modals.SaveFileNameAndFilter(owner, request);
    if (!chosen) {
        return;
    }
    const auto& [path, filter] = *chosen;
    const std::string csv = filter == 1 ? ExportChannelsChirpCsv(context.data.image)
                                        : ExportChannelsCsv(context.data.image);
    if (const FileResult written = WriteFileAtomically(LocalPath(path), csv); !written) {
        context.Tell(owner, QString::fromStdString(written.message));
    }
}

}  // namespace radioprog::ui
