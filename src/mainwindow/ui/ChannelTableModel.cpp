#include "mainwindow/ui/ChannelTableModel.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <vector>

#include "channellist/ChannelRowStore.h"
#include "channellist/ColumnCaptions.h"
#include "channellist/ColumnHolding.h"
#include "gui/UiText.h"
#include "lang/ChannelEditText.h"
#include "lang/TextIds.h"
#include "mainwindow/ui/Theme.h"
#include "model/ChannelMoves.h"
#include "model/FreqCodec.h"
#include "model/ToneCodec.h"

namespace radioprog::ui {

namespace {

static_assert(text::kChannelFieldCaptions.size() == kGridColumnCount);

// Busy inhibit as the grid offers it: off, or carrier (CAT). 1 (signalling) and 3 arrive
// only from a radio or a file and have no item.
constexpr uint8_t kBusyFitCarrier = 2;

const QColor kOddRowBackground(0xC0, 0xDC, 0xC0);
// Light rows keep dark text whatever the desktop theme's text colour is.
const QColor kOddRowText(0x10, 0x10, 0x10);
// Under a dark palette the light green would glare: a dim green under the palette's own text.
const QColor kDarkOddRowBackground(0x2C, 0x3C, 0x2C);

bool DarkTheme() {
    return IsDarkPalette(QGuiApplication::palette());
}

QColor OddRowBackground() {
    return DarkTheme() ? kDarkOddRowBackground : kOddRowBackground;
}
// A value the tool stored otherwise than typed stands out until it is typed again or accepted.
const QColor kMovedValueBackground(0xFF, 0xD0, 0x70);

// The cells an unused channel does not take yet are hatched faintly over the row's colour,
// so that a new channel is visibly started from its receive frequency.
QBrush LockedCellBrush(bool oddRow) {
    constexpr int kTile = 8;
    QPixmap tile(kTile, kTile);
    tile.fill(oddRow ? OddRowBackground() : QColor(Qt::transparent));
    QPainter painter(&tile);
    painter.setPen(QColor(0x80, 0x80, 0x80, 0x50));
    painter.drawLine(0, kTile - 1, kTile - 1, 0);
    return QBrush(tile);
}

QString FromStd(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

bool IsFileOnly(int column) {
    return IsFileOnlyColumn(ChannelFieldColumn(column));
}

// The columns only the project file keeps are set in italics, caption and cells alike: a look
// of its own that needs no colour, so it reads the same under any palette.
QFont FileOnlyFont() {
    QFont font;
    font.setItalic(true);
    return font;
}

bool IsToneColumn(int column) {
    return column == kColRxTone || column == kColTxTone;
}

std::vector<uint8_t> Snapshot(const ProjectImage& image, int channel) {
    const auto record = image.Raw().subspan(
        image::ChannelsStart + static_cast<size_t>(channel) * image::ChannelRecordSize,
        image::ChannelRecordSize);
    std::vector<uint8_t> bytes(record.begin(), record.end());
    bytes.push_back(image.IsChannelValid(channel) ? 1 : 0);
    return bytes;
}

}  // namespace

ChannelTableModel::ChannelTableModel(AppData& data, QObject* parent)
    : QAbstractTableModel(parent), data_(data) {
    RefreshTexts();
}

int ChannelTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kChannelCount;
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kGridColumnCount;
}

bool ChannelTableModel::InUse(int row) const {
    return data_.image.IsChannelValid(row + 1);
}

QString ChannelTableModel::DisplayText(int row, int column) const {
    if (!InUse(row)) {
        return {};
    }
    const ConstChannelRecord channel = data_.image.Channel(row + 1);
    switch (column) {
        case kColRxFreq:
            return FromStd(FreqToText(channel.RxFreq()));
        case kColTxFreq:
            return FromStd(FreqToText(channel.TxFreq()));
        case kColRxTone:
            return FromStd(ToneToText(channel.RxToneCode(), channel.RxToneType()));
        case kColTxTone:
            return FromStd(ToneToText(channel.TxToneCode(), channel.TxToneType()));
        case kColPower:
            return channel.HighPower() ? texts_.high : texts_.low;
        case kColBandwidth:
            return channel.Wide() ? texts_.wide : texts_.narrow;
        case kColBusyFit:
            return channel.BusyFit() != 0 ? texts_.busyCat : texts_.busyOff;
        default:
            return QString::fromStdString(ChannelFieldText(
                data_.image, row + 1, RecordFieldOf(column), data_.lang.LangType()));
    }
}

QVariant ChannelTableModel::EditValue(int row, int column) const {
    if (column < kColPower) {
        return DisplayText(row, column);
    }
    const ConstChannelRecord channel = data_.image.Channel(row + 1);
    if (column == kColName) {
        return DisplayText(row, column);
    }
    if (column >= kFirstRecordFieldColumn) {
        const uint8_t value = WordValue(channel, RecordFieldOf(column));
        return value < ListItems(column).size() ? QVariant(int{value}) : QVariant(-1);
    }
    switch (column) {
        case kColPower:
            return channel.HighPower() ? 1 : 0;
        case kColBandwidth:
            return channel.Wide() ? 1 : 0;
        default: {
            // Values without an item show no selection rather than a wrong one.
            const uint8_t busy = channel.BusyFit();
            return busy == 0 ? 0 : (busy == kBusyFitCarrier ? 1 : -1);
        }
    }
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const int row = index.row();
    const bool oddChannel = row % 2 == 0;
    switch (role) {
        case Qt::DisplayRole:
            return DisplayText(row, index.column());
        case Qt::EditRole:
            return EditValue(row, index.column());
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        case Qt::BackgroundRole:
            if (!(flags(index) & Qt::ItemIsEnabled)) {
                return LockedCellBrush(oddChannel);
            }
            if (MovedValueAt(index) != nullptr) {
                return kMovedValueBackground;
            }
            return oddChannel ? QVariant(OddRowBackground()) : QVariant();
        case Qt::ForegroundRole:
            return (oddChannel && !DarkTheme()) || MovedValueAt(index) != nullptr
                       ? QVariant(kOddRowText)
                       : QVariant();
        case Qt::FontRole:
            return IsFileOnly(index.column()) ? QVariant(FileOnlyFont()) : QVariant();
        case Qt::ToolTipRole:
            if (const MovedValue* moved = MovedValueAt(index)) {
                const QString typed = QString::fromStdString(moved->typed);
                const std::optional<uint32_t> hz = TextToFreq(moved->typed);
                return StoredFreqText(typed, hz.value_or(moved->stored), moved->stored);
            }
            if (index.column() == kColBusyFit && InUse(row) &&
                data_.image.Channel(row + 1).BusyFit() == kBusyFitCarrier) {
                return texts_.carrierTip;
            }
            if (IsNonstandardTone(index)) {
                return texts_.nonstandard;
            }
            return IsFileOnly(index.column()) ? QVariant(texts_.captionTips[index.column()])
                                              : QVariant();
        default:
            return {};
    }
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    }
    const bool column = orientation == Qt::Horizontal && section >= 0 && section < kGridColumnCount;
    if (column && IsFileOnly(section) && role == Qt::FontRole) {
        return FileOnlyFont();
    }
    if (column && IsFileOnly(section) && role == Qt::ToolTipRole) {
        return texts_.captionTips[section];
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return QStringLiteral("%1").arg(section + 1, 2, 10, QLatin1Char('0'));
    }
    return section >= 0 && section < kGridColumnCount ? texts_.captions[section] : QString();
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const {
    // An unused channel can only be started from its receive frequency: its other cells
    // take neither the mouse nor the keyboard, and are drawn disabled.
    if (!index.isValid() || (index.column() != kColRxFreq && !InUse(index.row()))) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool ChannelTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) {
        return false;
    }
    const int row = index.row();
    const int column = index.column();
    const std::vector<uint8_t> before = Snapshot(data_.image, row + 1);
    notice_.clear();
    bool stored = true;
    if (column <= kColTxTone && InUse(row) && value.toString() == DisplayText(row, column)) {
        // A cell left as it was shown keeps its bytes: a frequency from a file or a radio
        // that lies outside today's band is not moved by merely passing through it.
    } else if (column == kColRxFreq) {
        stored = StoreRxFreq(row, value.toString());
    } else if (column == kColTxFreq) {
        stored = StoreTxFreq(row, value.toString());
    } else if (IsToneColumn(column)) {
        StoreTone(row, column, value.toString());
    } else if (column >= kFirstRecordFieldColumn) {
        stored = StoreRecordField(row, column, value);
    } else {
        stored = StoreListIndex(row, column, value.toInt());
    }
    // A refused text still redraws the row, so the cell shows the stored value again.
    emit dataChanged(this->index(row, 0), this->index(row, kGridColumnCount - 1));
    emit valueNotice(index, notice_);
    if (Snapshot(data_.image, row + 1) != before) {
        emit channelEdited(row);
    }
    return stored;
}

bool ChannelTableModel::StoreRxFreq(int row, const QString& text) {
    const int n = row + 1;
    if (text.isEmpty()) {
        data_.image.SetChannelValid(n, false);
        return true;
    }
    const std::optional<uint32_t> hz = TextToFreq(text.toStdString());
    if (!hz) {
        return false;
    }
    const uint32_t snapped = SnapToBand(*hz, data_.band);
    NoticeStoredFreq(row, MovedField::RxFreq, text, *hz, snapped);
    ChannelRecord channel = data_.image.Channel(n);
    if (InUse(row)) {
        channel.SetRxFreq(snapped);
    } else {
        channel.InitialiseNew(snapped);
        moved_.Clear(n, MovedField::TxFreq);
        data_.image.SetChannelValid(n, true);
    }
    return true;
}

bool ChannelTableModel::StoreTxFreq(int row, const QString& text) {
    uint32_t hz = 0;
    if (text.isEmpty()) {
        moved_.Clear(row + 1, MovedField::TxFreq);
    } else {
        const std::optional<uint32_t> typed = TextToFreq(text.toStdString());
        if (!typed) {
            return false;
        }
        hz = *typed == 0 ? 0 : SnapToBand(*typed, data_.band);
        NoticeStoredFreq(row, MovedField::TxFreq, text, *typed, hz);
    }
    data_.image.Channel(row + 1).SetTxFreq(hz);
    return true;
}

void ChannelTableModel::StoreTone(int row, int column, const QString& text) {
    ChannelRecord channel = data_.image.Channel(row + 1);
    const bool receive = column == kColRxTone;
    const uint8_t rxTypeBefore = channel.RxToneType();
    uint8_t type = receive ? channel.RxToneType() : channel.TxToneType();
    uint16_t code = receive ? channel.RxToneCode() : channel.TxToneCode();
    if (!TextToTone(text.toStdString(), type, code)) {
        // Not a tone: the old one stays, and the user is told so.
        notice_ = QString::fromStdString(
                      ChannelEditTextUtf8(data_.lang, ChannelEditTextId::ToneNotInList))
                      .arg(text);
        return;
    }
    if (receive) {
        channel.SetRxTone(type, code);
        channel.FollowReceiveTone(rxTypeBefore);
    } else {
        channel.SetTxTone(type, code);
    }
}

bool ChannelTableModel::StoreListIndex(int row, int column, int item) {
    if (item < 0 || item > 1) {
        return false;
    }
    ChannelRecord channel = data_.image.Channel(row + 1);
    if (column == kColPower) {
        channel.SetHighPower(item == 1);
    } else if (column == kColBandwidth) {
        channel.SetWide(item == 1);
    } else {
        channel.SetBusyFit(item == 1 ? kBusyFitCarrier : 0);
    }
    return true;
}

bool ChannelTableModel::IsNonstandardTone(const QModelIndex& index) const {
    if (!index.isValid() || !IsToneColumn(index.column()) || !InUse(index.row())) {
        return false;
    }
    const ConstChannelRecord channel = data_.image.Channel(index.row() + 1);
    return index.column() == kColRxTone
               ? !IsStandardTone(channel.RxToneCode(), channel.RxToneType())
               : !IsStandardTone(channel.TxToneCode(), channel.TxToneType());
}

QStringList ChannelTableModel::ListItems(int column) const {
    switch (column) {
        case kColPower:
            return {texts_.low, texts_.high};
        case kColBandwidth:
            return {texts_.narrow, texts_.wide};
        case kColBusyFit:
            return {texts_.busyOff, texts_.busyCat};
        case kColScan:
        case kColDtmf:
        case kColSquelchMode: {
            QStringList items;
            for (const std::string& word : WordList(RecordFieldOf(column), data_.lang.LangType())) {
                items << QString::fromStdString(word);
            }
            return items;
        }
        default:
            return {};
    }
}

void ChannelTableModel::RefreshTexts() {
    const auto& lang = data_.lang;
    for (int column = 0; column < kGridColumnCount; ++column) {
        const ChannelColumn field = ChannelFieldColumn(column);
        texts_.captions[column] = FromUtf8(MarkedColumnCaption(field, lang.LangType()));
        texts_.captionTips[column] = FromUtf8(FileOnlyTip(field, lang.LangType()));
    }
    texts_.corner = UiText(lang, text::kChannelNumber);
    texts_.high = UiText(lang, text::kHigh);
    texts_.low = UiText(lang, text::kLow);
    texts_.wide = UiText(lang, text::kWide);
    texts_.narrow = UiText(lang, text::kNarrow);
    texts_.busyOff = UiText(lang, text::kBusyOff);
    texts_.busyCat = UiText(lang, text::kBusyCarrier);
    texts_.nonstandard = UiText(lang, text::kNonstandardValue);
    texts_.carrierTip =
        QString::fromStdString(ChannelEditTextUtf8(lang, ChannelEditTextId::CarrierTip));
}

std::optional<std::vector<int>> ChannelTableModel::MoveChannels(std::span<const int> channels,
                                                                int step) {
    const std::optional<std::vector<int>> order = ChannelMoveOrder(channels, step);
    if (!order) {
        return std::nullopt;
    }
    std::vector<int> moved;
    for (const int channel : *order) {
        const int row = channel - 1;
        // The destination is the row the moved one lands before, counted before the move.
        beginMoveRows({}, row, row, {}, step < 0 ? row - 1 : row + 2);
        MoveChannelOnePlace(data_.image, channel, step);
        moved_.FollowMove(channel, step);
        endMoveRows();
        moved.push_back(channel + step);
    }
    std::ranges::sort(moved);
    return moved;
}

void ChannelTableModel::RefreshAll() {
    emit headerDataChanged(Qt::Horizontal, 0, kGridColumnCount - 1);
    emit dataChanged(index(0, 0), index(kChannelCount - 1, kGridColumnCount - 1));
}

}  // namespace radioprog::ui
