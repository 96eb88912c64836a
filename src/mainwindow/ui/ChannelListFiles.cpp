#include "mainwindow/ui/ChannelListFiles.h"

#include <optional>

#include "channellist/ChannelCsv.h"
#include "channellist/ChannelListImport.h"
#include "gui/LocalPath.h"
#include "gui/UiText.h"
#include "lang/ChannelEditText.h"
#include "lang/TextIds.h"
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

// The choice that would take a multi-radio list the import refused, if there is one: its
// rows placed from channel 1, or its long names shortened.
struct ImportChoice {
    bool ChirpImportOptions::*option = nullptr;
    ChannelEditTextId question{};
};

std::optional<ImportChoice> ChoiceFor(std::string_view csv, const ChannelListResult& result,
                                      const ChirpImportOptions& options) {
    if (result || DetectChannelListFormat(csv) != ChannelListFormat::Chirp) {
        return std::nullopt;
    }
    switch (result.error.remedy) {
        case ListRemedy::Renumber:
            if (!options.renumber) {
                return ImportChoice{&ChirpImportOptions::renumber,
                                    ChannelEditTextId::PlaceFromChannelOne};
            }
            break;
        case ListRemedy::ShortenNames:
            if (!options.shortenNames) {
                return ImportChoice{&ChirpImportOptions::shortenNames,
                                    ChannelEditTextId::ShortenNames};
            }
            break;
        case ListRemedy::None:
            break;
    }
    return std::nullopt;
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
    const std::string_view csv(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size());
    ChirpImportOptions options;
    ChannelListResult result = radioprog::ImportChannelList(csv, data.image, data.band, options);
    const auto& lang = data.lang;
    while (const auto choice = ChoiceFor(csv, result, options)) {
        if (!context.modals.Confirm(owner, Text(context, choice->question), UiText(lang, text::kOk),
                                    OwnCancelText(lang))) {
            break;
        }
        options.*(choice->option) = true;
        result = radioprog::ImportChannelList(csv, data.image, data.band, options);
    }
    if (!result) {
        context.Tell(owner, Text(context, ChannelEditTextId::CannotImport) +
                                QStringLiteral("\n%1:\n%2")
                                    .arg(*path, QString::fromStdString(result.error.Message())));
        return false;
    }
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
