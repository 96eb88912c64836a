#include "mainwindow/ui/ChannelListFiles.h"

#include <QFile>
#include <QSaveFile>

#include "channellist/ChannelCsv.h"
#include "lang/ChannelEditText.h"
#include "lang/DialogTexts.h"

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

void Tell(GuiContext& context, QWidget* owner, const QString& message) {
    context.modals.ShowMessage(
        owner, message,
        QString::fromStdString(UserWarnDlgTextTable().TextUtf8(context.data.lang, 0)));
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
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly)) {
        Tell(context, owner,
             QStringLiteral("Cannot open \"%1\": %2").arg(*path, file.errorString()));
        return false;
    }
    // One byte past the largest list, so that a far larger file is refused unread.
    const QByteArray csv = file.read(static_cast<qint64>(kMaxChannelCsvSize) + 1);
    AppData& data = context.data;
    const ChannelListResult result = ImportChannelsCsv(
        std::string_view(csv.constData(), static_cast<size_t>(csv.size())), data.image, data.band);
    if (!result) {
        Tell(context, owner,
             Text(context, ChannelEditTextId::CannotImport) +
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
    QSaveFile file(*path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(csv.data(), static_cast<qint64>(csv.size())) !=
            static_cast<qint64>(csv.size()) ||
        !file.commit()) {
        Tell(context, owner,
             QStringLiteral("Cannot write \"%1\": %2").arg(*path, file.errorString()));
    }
}

}  // namespace radioprog::ui
