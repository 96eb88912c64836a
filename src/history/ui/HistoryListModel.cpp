#include "history/ui/HistoryListModel.h"

#include "gui/UiText.h"
#include "history/HistoryLabel.h"
#include "history/ui/HistoryTexts.h"

namespace radioprog::ui {

namespace {

constexpr HistoryTextId kCaptions[HistoryListModel::kColumnCount] = {
    HistoryTextId::TimeColumn, HistoryTextId::KindColumn,     HistoryTextId::JobColumn,
    HistoryTextId::BandColumn, HistoryTextId::ChannelsColumn, HistoryTextId::LastWriteColumn,
    HistoryTextId::LabelColumn};

}  // namespace

HistoryListModel::HistoryListModel(std::vector<HistoryEntry> entries,
                                   const THaldenFuncs::TAppLang& lang, QObject* parent)
    : QAbstractTableModel(parent), entries_(std::move(entries)), lang_(lang) {}

int HistoryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

int HistoryListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

const HistoryEntry* HistoryListModel::Entry(int row) const {
    return row >= 0 && static_cast<size_t>(row) < entries_.size()
               ? &entries_[static_cast<size_t>(row)]
               : nullptr;
}

QString HistoryListModel::CellText(const HistoryEntry& entry, int column) const {
    const bool project = !IsCalibrationJob(entry.job);
    switch (column) {
        case kTime:
            return FromUtf8(HistoryTimeText(entry.time));
        case kKind:
            return KindText(lang_, entry.kind);
        case kJob:
            return JobText(lang_, entry.job);
        case kBand:
            return project ? FromUtf8(HistoryBandText(entry.band)) : QString();
        case kChannels:
            return project ? QString::number(entry.channelsInUse) : QString();
        case kLastWrite:
            return FromUtf8(RadioStampText(entry.radioStamp));
        case kLabel:
            return FromUtf8(entry.label);
        default:
            return {};
    }
}

QVariant HistoryListModel::data(const QModelIndex& index, int role) const {
    const HistoryEntry* entry = Entry(index.row());
    if (entry == nullptr) {
        return {};
    }
    if (role == Qt::DisplayRole || (role == Qt::EditRole && index.column() == kLabel)) {
        return CellText(*entry, index.column());
    }
    if (role == Qt::ToolTipRole) {
        return FromUtf8(entry->path);
    }
    if (role == Qt::TextAlignmentRole && index.column() == kChannels) {
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    }
    return {};
}

QVariant HistoryListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section + 1;
    }
    return section >= 0 && section < kColumnCount ? HistoryUiText(lang_, kCaptions[section])
                                                  : QVariant();
}

Qt::ItemFlags HistoryListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() == kLabel ? flags | Qt::ItemIsEditable : flags;
}

bool HistoryListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || index.column() != kLabel || Entry(index.row()) == nullptr) {
        return false;
    }
    HistoryEntry& entry = entries_[static_cast<size_t>(index.row())];
    const std::string text = value.toString().toStdString();
    if (const FileResult labelled = SetHistoryLabel(entry, text); !labelled) {
        emit labelRefused(FromUtf8(labelled.message));
        return false;
    }
    // As the next listing will read it back.
    entry.label = ReadHistoryLabel(entry.path);
    emit dataChanged(index, index);
    return true;
}

}  // namespace radioprog::ui
