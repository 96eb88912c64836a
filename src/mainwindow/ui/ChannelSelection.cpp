#include "mainwindow/ui/ChannelSelection.h"

#include <QItemSelectionModel>
#include <QTableView>
#include <algorithm>

namespace radioprog::ui {

std::vector<int> SelectedChannels(const QTableView& grid) {
    std::vector<int> channels;
    if (const QItemSelectionModel* selection = grid.selectionModel()) {
        // Any selected cell stands for its channel: Shift with the arrow keys selects cells
        // of one column, not whole rows.
        for (const QModelIndex& cell : selection->selectedIndexes()) {
            if (std::ranges::find(channels, cell.row() + 1) == channels.end()) {
                channels.push_back(cell.row() + 1);
            }
        }
    }
    if (channels.empty() && grid.currentIndex().isValid()) {
        channels.push_back(grid.currentIndex().row() + 1);
    }
    std::ranges::sort(channels);
    return channels;
}

int FirstSelectedChannel(const QTableView& grid) {
    const std::vector<int> channels = SelectedChannels(grid);
    return channels.empty() ? 0 : channels.front();
}

void SelectChannels(QTableView& grid, const std::vector<int>& channels) {
    QAbstractItemModel* model = grid.model();
    QItemSelectionModel* selection = grid.selectionModel();
    if (model == nullptr || selection == nullptr || channels.empty()) {
        return;
    }
    const int column = std::max(grid.currentIndex().column(), 0);
    selection->setCurrentIndex(model->index(channels.front() - 1, column),
                               QItemSelectionModel::NoUpdate);
    QItemSelection rows;
    for (const int n : channels) {
        rows.select(model->index(n - 1, 0), model->index(n - 1, model->columnCount() - 1));
    }
    selection->select(rows, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

}  // namespace radioprog::ui
