#include <QString>

#include "channellist/ChannelRowStore.h"
#include "lang/ChannelEditText.h"
#include "mainwindow/ui/ChannelTableModel.h"
#include "model/FreqCodec.h"

// What the grid's model says about a typed value it stores otherwise, and the record fields
// it stores through the channel lists' rules.

namespace radioprog::ui {

namespace {

QString Localised(const THaldenFuncs::TAppLang& lang, ChannelEditTextId id) {
    return QString::fromStdString(ChannelEditTextUtf8(lang, id));
}

QString Freq(uint32_t hz) {
    return QString::fromStdString(FreqToText(hz));
}

}  // namespace

// The same words and rules as a list or a paste.
ChannelColumn RecordFieldOf(int column) {
    switch (column) {
        case kColName:
            return ChannelColumn::Name;
        case kColScan:
            return ChannelColumn::ScanAdd;
        case kColDtmf:
            return ChannelColumn::Dtmf;
        default:
            return ChannelColumn::SquelchMode;
    }
}

// The band clamp and the raster keep their rule, but never without a word, and the moved value
// stays marked until the cell is typed again or the user accepts it.
void ChannelTableModel::NoticeStoredFreq(int row, MovedField field, const QString& typed,
                                         uint32_t hz, uint32_t stored) {
    if (hz == stored) {
        moved_.Clear(row + 1, field);
        return;
    }
    moved_.Mark(row + 1, field, typed.toStdString(), stored);
    notice_ = StoredFreqText(typed, hz, stored);
}

QString ChannelTableModel::StoredFreqText(const QString& typed, uint32_t hz,
                                          uint32_t stored) const {
    if (hz < data_.band.lower || hz > data_.band.upper) {
        return Localised(data_.lang, ChannelEditTextId::FreqOutsideBand)
            .arg(typed, Freq(data_.band.lower), Freq(data_.band.upper), Freq(stored));
    }
    return Localised(data_.lang, ChannelEditTextId::FreqOffRaster).arg(typed, Freq(stored));
}

// Through the channel list's row store, on a copy: a name the radio cannot hold is refused
// with the list's words and the channel stays as it was.
bool ChannelTableModel::StoreRecordField(int row, int column, const QVariant& value) {
    const ChannelColumn field = RecordFieldOf(column);
    ChannelRowCells cells;
    if (field == ChannelColumn::Name) {
        cells[static_cast<int>(field)] = value.toString().toStdString();
    } else {
        const auto words = WordList(field, THaldenFuncs::TLangType::English);
        const int item = value.toInt();
        if (item < 0 || item >= static_cast<int>(words.size())) {
            return false;
        }
        cells[static_cast<int>(field)] = words[static_cast<size_t>(item)];
    }
    ProjectImage changed = data_.image;
    if (const auto error = StoreChannelRow(cells, row + 1, changed, data_.band)) {
        notice_ = QStringLiteral("\"%1\" is %2")
                      .arg(value.toString(), QString::fromStdString(error->why));
        return false;
    }
    data_.image = changed;
    return true;
}

}  // namespace radioprog::ui
