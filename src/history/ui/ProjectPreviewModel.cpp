#include "history/ui/ProjectPreviewModel.h"

#include "channellist/ChannelColumns.h"
#include "gui/UiText.h"
#include "lang/TextIds.h"

namespace radioprog::ui {

ProjectPreviewModel::ProjectPreviewModel(const THaldenFuncs::TAppLang& lang, QObject* parent)
    : QAbstractTableModel(parent), lang_(lang) {}

void ProjectPreviewModel::Show(const ProjectImage* image) {
    beginResetModel();
    shown_ = image != nullptr;
    if (image != nullptr) {
        image_ = *image;
    }
    endResetModel();
}

int ProjectPreviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kChannelCount;
}

int ProjectPreviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kChannelFieldCount;
}

QVariant ProjectPreviewModel::data(const QModelIndex& index, int role) const {
    const int channel = index.row() + 1;
    if (role != Qt::DisplayRole || !shown_ || !image_.IsChannelValid(channel)) {
        return {};
    }
    return FromUtf8(
        ChannelFieldText(image_, channel, ChannelFieldColumn(index.column()), lang_.LangType()));
}

QVariant ProjectPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return QStringLiteral("%1").arg(section + 1, 2, 10, QLatin1Char('0'));
    }
    return section >= 0 && section < kChannelFieldCount
               ? UiText(lang_, text::kChannelFieldCaptions[static_cast<size_t>(section)])
               : QVariant();
}

Qt::ItemFlags ProjectPreviewModel::flags(const QModelIndex& index) const {
    // Seen and selected (to copy a value by eye), never edited.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace radioprog::ui
