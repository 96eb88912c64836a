#include "history/ui/HistoryFilterModel.h"

#include "history/ui/HistoryListModel.h"
#include "history/ui/HistoryTexts.h"

namespace radioprog::ui {

HistoryFilterModel::HistoryFilterModel(HistoryListModel& entries,
                                       const THaldenFuncs::TAppLang& lang, QObject* parent)
    : QSortFilterProxyModel(parent), entries_(entries), lang_(lang) {
    setSourceModel(&entries);
}

void HistoryFilterModel::SetSearch(const QString& search) {
    search_ = search.toStdString();
    invalidateRowsFilter();
}

void HistoryFilterModel::SetDays(const HistoryDays& days) {
    days_ = days;
    invalidateRowsFilter();
}

const HistoryEntry* HistoryFilterModel::Entry(const QModelIndex& index) const {
    return index.isValid() ? entries_.Entry(mapToSource(index).row()) : nullptr;
}

bool HistoryFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    const HistoryEntry* entry = entries_.Entry(sourceRow);
    if (entry == nullptr || !KeptWithin(*entry, days_)) {
        return false;
    }
    // The kind and job are found as the list names them in the language in use too.
    return HistoryEntryMatches(*entry, search_, KindText(lang_, entry->kind).toStdString(),
                               JobText(lang_, entry->job).toStdString());
}

}  // namespace radioprog::ui
