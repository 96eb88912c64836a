#pragma once
// Which channels of the grid a command works on. Rows of the grid are channels 1 to 16.

#include <vector>

class QTableView;

namespace radioprog::ui {

// The channels with a selected cell (whole rows through the row headers, or cells picked with
// Shift and Ctrl, by mouse or arrow keys), ascending; when none is, the channel of the
// current cell; empty when there is none.
std::vector<int> SelectedChannels(const QTableView& grid);

// Where a paste starts: the first selected channel, or the current cell's; 0 when none.
int FirstSelectedChannel(const QTableView& grid);

// Selects the whole rows of the channels and keeps the current cell's column on the first.
void SelectChannels(QTableView& grid, const std::vector<int>& channels);

}  // namespace radioprog::ui
