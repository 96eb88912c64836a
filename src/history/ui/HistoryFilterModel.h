#pragma once
// The history's entries that the search box and the date filter let through, in the list's
// order. Rows map back to the entries through HistoryListModel.

#include <QSortFilterProxyModel>
#include <string>

#include "history/HistorySearch.h"
#include "lang/AppLang.h"

namespace radioprog::ui {

class HistoryListModel;

class HistoryFilterModel final : public QSortFilterProxyModel {
    Q_OBJECT
  public:
    HistoryFilterModel(HistoryListModel& entries, const THaldenFuncs::TAppLang& lang,
                       QObject* parent);

    void SetSearch(const QString& search);
    void SetDays(const HistoryDays& days);
    // The entry of a row of this model; nothing for no row.
    const HistoryEntry* Entry(const QModelIndex& index) const;

  protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

  private:
    HistoryListModel& entries_;
    const THaldenFuncs::TAppLang& lang_;
    std::string search_;
    HistoryDays days_;
};

}  // namespace radioprog::ui
