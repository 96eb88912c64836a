#pragma once
// The entries of the history as a table, newest first: when, which radio, which job, and for
// a project its band, channels in use and the radio's last programming time.

#include <QAbstractTableModel>
#include <vector>

#include "history/RadioHistory.h"
#include "lang/AppLang.h"

namespace radioprog::ui {

class HistoryListModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column : int { kTime, kKind, kJob, kBand, kChannels, kLastWrite, kColumnCount };

    HistoryListModel(std::vector<HistoryEntry> entries, const THaldenFuncs::TAppLang& lang,
                     QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const HistoryEntry* Entry(int row) const;

  private:
    QString CellText(const HistoryEntry& entry, int column) const;

    std::vector<HistoryEntry> entries_;
    const THaldenFuncs::TAppLang& lang_;
};

}  // namespace radioprog::ui
