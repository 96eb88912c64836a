#include <QAction>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <map>

#include "channellist/ChannelBulkEdits.h"
#include "gui/UiText.h"
#include "lang/ToolText.h"
#include "mainwindow/ui/ChannelEditing.h"
#include "mainwindow/ui/ChannelPage.h"
#include "mainwindow/ui/ChannelSelection.h"
#include "mainwindow/ui/ChannelTableModel.h"
#include "mainwindow/ui/DuplexOffsetDialog.h"
#include "model/FreqCodec.h"

// The channel commands that set one field of several channels at once: fill down, the duplex
// offset, and the offer to give a value set in one selected channel to the others.

namespace radioprog::ui {

namespace {

QString Localised(const THaldenFuncs::TAppLang& lang, ChannelEditTextId id) {
    return QString::fromStdString(ChannelEditTextUtf8(lang, id));
}

QString MHz(int64_t hz) {
    return hz < 0 ? QStringLiteral("-") + MHz(-hz)
                  : QString::fromStdString(FreqToText(static_cast<uint32_t>(hz)));
}

// The fields that are set alike across channels: a choice or a tone, never a frequency or a
// name, which differ from channel to channel.
bool IsOfferedToSelection(int column) {
    return column == kColPower || column == kColBandwidth || column == kColBusyFit ||
           column == kColRxTone || column == kColTxTone || column == kColScan;
}

// The selected channels of each grid column, ascending.
std::map<int, std::vector<int>> SelectedChannelsByColumn(const QTableView& grid) {
    std::map<int, std::vector<int>> columns;
    for (const QModelIndex& cell : grid.selectionModel()->selectedIndexes()) {
        columns[cell.column()].push_back(cell.row() + 1);
    }
    for (auto& [column, channels] : columns) {
        std::ranges::sort(channels);
    }
    return columns;
}

}  // namespace

void ChannelEditing::Refuse(ChannelEditTextId why, const QString& detail) {
    const QString text = Localised(context_.data.lang, why);
    context_.Tell(window_, detail.isEmpty() ? text : text.arg(detail));
}

void ChannelEditing::FillDown() {
    channelPage_.CommitPendingEdit();
    const auto columns = SelectedChannelsByColumn(grid_);
    for (const auto& [column, channels] : columns) {
        if (channels.size() > 1 && !context_.data.image.IsChannelValid(channels.front())) {
            Refuse(ChannelEditTextId::FillDownNothingToCopy);
            return;
        }
    }
    Change([&](std::vector<int>& select) {
        bool changed = false;
        for (const auto& [column, channels] : columns) {
            changed |=
                !radioprog::FillDown(context_.data.image, channels, ChannelFieldColumn(column))
                     .empty();
            select.insert(select.end(), channels.begin(), channels.end());
        }
        std::ranges::sort(select);
        select.erase(std::unique(select.begin(), select.end()), select.end());
        return changed;
    });
}

void ChannelEditing::DuplexOffset() {
    channelPage_.CommitPendingEdit();
    const std::vector<int> channels = SelectedChannels(grid_);
    AppData& data = context_.data;
    if (std::ranges::none_of(channels, [&](int n) { return data.image.IsChannelValid(n); })) {
        Refuse(ChannelEditTextId::DuplexNoChannelInUse);
        return;
    }
    DuplexOffsetDialog dialog(window_, data.lang);
    if (context_.modals.Exec(dialog) != QDialog::Accepted) {
        return;
    }
    const std::optional<DuplexEntry> entry = ParseDuplexOffset(dialog.Offset().toStdString());
    if (!entry) {
        Refuse(ChannelEditTextId::DuplexOffsetNotUnderstood, dialog.Offset());
        return;
    }
    Change([&](std::vector<int>& select) {
        const auto refusal =
            SetDuplexOffset(data.image, channels, entry->shift, entry->offsetHz, data.band);
        if (!refusal) {
            select = channels;
            return true;
        }
        using Why = DuplexRefusal::Why;
        const QString channel = QString::number(refusal->channel);
        const QString tx = MHz(refusal->txHz);
        if (refusal->why == Why::OutsideBand) {
            context_.Tell(window_,
                          Localised(data.lang, ChannelEditTextId::DuplexOutsideBand)
                              .arg(channel, tx, MHz(data.band.lower), MHz(data.band.upper)));
        } else if (refusal->why == Why::OffRaster) {
            context_.Tell(
                window_, Localised(data.lang, ChannelEditTextId::DuplexOffRaster).arg(channel, tx));
        } else {
            Refuse(ChannelEditTextId::DuplexNoChannelInUse);
        }
        return false;
    });
}

void ChannelEditing::NoteCellEdit(const QModelIndex& cell) {
    lastEditedCell_ = {cell.row() + 1, cell.column(), SelectedChannels(grid_)};
}

void ChannelEditing::NoteChannelEdit(int row) {
    const PendingOffer edit = lastEditedCell_;
    if (edit.channel != row + 1 || !IsOfferedToSelection(edit.column) ||
        edit.selection.size() < 2 || std::ranges::count(edit.selection, edit.channel) == 0) {
        return;
    }
    // Asked once the edit has been handled: a box opened inside the editor's commit would
    // take the focus from an editor Qt is still working with.
    const bool queued = offer_.has_value();
    offer_ = edit;
    if (!queued) {
        QTimer::singleShot(0, this, &ChannelEditing::OfferToSelection);
    }
}

void ChannelEditing::OfferToSelection() {
    if (!offer_) {
        return;
    }
    const PendingOffer offer = *offer_;
    offer_.reset();
    AppData& data = context_.data;
    std::vector<int> others;
    for (const int channel : offer.selection) {
        if (channel != offer.channel && data.image.IsChannelValid(channel)) {
            others.push_back(channel);
        }
    }
    if (others.empty() || !data.image.IsChannelValid(offer.channel)) {
        return;
    }
    const QString question = Localised(data.lang, ChannelEditTextId::ApplyToSelectedQuestion)
                                 .arg(offer.selection.size());
    if (!context_.modals.Confirm(window_, question,
                                 Localised(data.lang, ChannelEditTextId::ApplyToSelected),
                                 Localised(data.lang, ChannelEditTextId::OnlyThisChannel))) {
        return;
    }
    channelPage_.CommitPendingEdit();
    Record();
    // The value set in the one channel and its copies are one step: the history goes back to
    // before that edit, and the project with both becomes the step that follows it.
    const ProjectImage edited = data.image;
    history_.Undo(data.image, data.band);
    data.image = edited;
    CopyChannelField(data.image, offer.channel, others, ChannelFieldColumn(offer.column));
    Record();
    redraw_();
    SelectChannels(grid_, offer.selection);
}

}  // namespace radioprog::ui
