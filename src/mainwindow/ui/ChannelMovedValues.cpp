#include <QString>
#include <QStringList>

#include "lang/ChannelEditText.h"
#include "mainwindow/ui/ChannelTableModel.h"
#include "model/FreqCodec.h"

// The grid's memory of frequencies it stored otherwise than typed: which cells are marked,
// and the lines a write's question lists them with.

namespace radioprog::ui {

const MovedValue* ChannelTableModel::MovedValueAt(const QModelIndex& index) const {
    if (!index.isValid() || (index.column() != kColRxFreq && index.column() != kColTxFreq)) {
        return nullptr;
    }
    const MovedField field = index.column() == kColRxFreq ? MovedField::RxFreq : MovedField::TxFreq;
    return moved_.Find(data_.image, index.row() + 1, field);
}

std::vector<MovedValue> ChannelTableModel::MovedValuesInForce() const {
    return moved_.InForce(data_.image);
}

QString ChannelTableModel::MovedValuesText() const {
    const QString line =
        QString::fromStdString(ChannelEditTextUtf8(data_.lang, ChannelEditTextId::MovedValueLine));
    QStringList lines;
    for (const MovedValue& moved : moved_.InForce(data_.image)) {
        const int column = moved.field == MovedField::RxFreq ? kColRxFreq : kColTxFreq;
        lines << line.arg(moved.channel, 2, 10, QLatin1Char('0'))
                     .arg(texts_.captions[static_cast<size_t>(column)],
                          QString::fromStdString(moved.typed),
                          QString::fromStdString(FreqToText(moved.stored)));
    }
    return lines.join(QLatin1Char('\n'));
}

void ChannelTableModel::AcceptMovedValues() {
    moved_.ClearAll();
    RefreshAll();
}

void ChannelTableModel::ForgetMovedValues() {
    moved_.ClearAll();
}

}  // namespace radioprog::ui
