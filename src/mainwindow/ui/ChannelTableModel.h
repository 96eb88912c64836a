#pragma once
// The 16 channels of the project image as a table: every cell's text is the core codecs'
// rendering of the record, and every edit is stored through the core, so the grid can never
// show something the project does not hold.

#include <QAbstractTableModel>
#include <QBrush>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <span>
#include <vector>

#include "appdata/AppData.h"
#include "channellist/ChannelColumns.h"
#include "model/MovedValues.h"

namespace radioprog::ui {

// The grid's columns; the channel number is the vertical header.
enum GridColumn : int {
    kColRxFreq,
    kColTxFreq,
    kColRxTone,
    kColTxTone,
    kColPower,
    kColBandwidth,
    kColBusyFit,
    // The rest of the record, shown only when asked for (View menu): copies and channel lists
    // carry these fields, so they can be seen and set here too.
    kColName,
    kColScan,
    kColDtmf,
    kColSquelchMode,
    kGridColumnCount
};
inline constexpr int kFirstRecordFieldColumn = kColName;

// The record field behind an optional column, in the channel lists' terms.
ChannelColumn RecordFieldOf(int column);

class ChannelTableModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    ChannelTableModel(AppData& data, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Frequency and tone columns take the editor's text, list columns the item index.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Takes the texts of the current language (captions, list words, hint).
    void RefreshTexts();
    // Redraws every cell and caption from the project image.
    void RefreshAll();
    // Moves the channels one place up (-1) or down (+1) as row moves, so that the selection
    // and the current cell go along; their new numbers, or nothing when one is at the edge.
    std::optional<std::vector<int>> MoveChannels(std::span<const int> channels, int step);

    QString CornerCaption() const { return texts_.corner; }
    QString NonstandardText() const { return texts_.nonstandard; }
    // The items of a list column's editor, in item-index order.
    QStringList ListItems(int column) const;
    // A tone cell of a channel in use whose tone is accepted but not in the standard tables.
    bool IsNonstandardTone(const QModelIndex& index) const;

    // Frequencies stored otherwise than typed, still in the project: marked in the grid until
    // the cell is typed again or the user accepts them.
    std::vector<MovedValue> MovedValuesInForce() const;
    // One line a value, in the current language, for a question that lists them.
    QString MovedValuesText() const;
    // The user has seen them and keeps them: the marks go.
    void AcceptMovedValues();
    // A new project: nothing of the old one's marks applies.
    void ForgetMovedValues();

  signals:
    // The user's edit changed the record of this row (once per stored change).
    void channelEdited(int row);
    // What was typed is not what was stored (a frequency moved into the band or onto the
    // raster), or was not stored at all (a tone text the list does not hold): the words to show;
    // empty after an edit stored as typed.
    void valueNotice(const QModelIndex& index, const QString& text);

  private:
    struct Texts {
        std::array<QString, kGridColumnCount> captions;
        std::array<QString, kGridColumnCount> captionTips;  // empty for a column the radio holds
        QString corner, high, low, wide, narrow, busyOff, busyCat, nonstandard, carrierTip;
    };

    bool InUse(int row) const;
    QString DisplayText(int row, int column) const;
    QVariant EditValue(int row, int column) const;
    bool StoreRxFreq(int row, const QString& text);
    bool StoreTxFreq(int row, const QString& text);
    void StoreTone(int row, int column, const QString& text);
    // Remembers (or forgets) that a typed frequency was stored as another, and says so.
    void NoticeStoredFreq(int row, MovedField field, const QString& typed, uint32_t hz,
                          uint32_t stored);
    QString StoredFreqText(const QString& typed, uint32_t hz, uint32_t stored) const;
    const MovedValue* MovedValueAt(const QModelIndex& index) const;
    bool StoreListIndex(int row, int column, int item);
    bool StoreRecordField(int row, int column, const QVariant& value);

    AppData& data_;
    Texts texts_;
    QString notice_;  // what the edit being stored has to say
    MovedValues moved_;
};

}  // namespace radioprog::ui
