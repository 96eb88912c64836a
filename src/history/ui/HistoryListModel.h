#pragma once
// The entries of the history as a table, newest first: when, which radio, which job, for a
// project its band, channels in use and the radio's last programming time, and the label the
// user gave the entry, the one cell that is edited here.

#include <QAbstractTableModel>
#include <vector>

#include "history/RadioHistory.h"
#include "lang/AppLang.h"

namespace radioprog::ui {

class HistoryListModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column : int { kTime, kKind, kJob, kBand, kChannels, kLastWrite, kLabel, kColumnCount };

    HistoryListModel(std::vector<HistoryEntry> entries, const THaldenFuncs::TAppLang& lang,
                     QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A label is kept beside its entry at once; one that cannot be is refused with why.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    const HistoryEntry* Entry(int row) const;

  signals:
    void labelRefused(const QString& why);

  private:
    QString CellText(const HistoryEntry& entry, int column) const;

    std::vector<HistoryEntry> entries_;
    const THaldenFuncs::TAppLang& lang_;
};

}  // namespace radioprog::ui
